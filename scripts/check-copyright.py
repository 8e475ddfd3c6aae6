#!/usr/bin/python3
"""Checks an installed copyright file of the game against its source tree.

The file is to be in Debian's machine-readable format (read strictly by
python3-debian), name Tanglewick as its upstream, put every file of src/ and
CMakeLists.txt under the game's licence (Expat) and its copyright holders
from LICENSE, put the five word files data/Words*.Txt under the word list's
notice (SCOWL, Kevin Atkinson), and carry both licences with the very texts
the game ships: LICENSE's permission text and data/WORDLIST-COPYRIGHT.

Usage: check-copyright.py COPYRIGHT_FILE SOURCE_DIR
Prints each problem found and exits with status 1 if there is any.
"""
import pathlib
import re
import sys

from debian.copyright import Copyright, Error


def lines(text):
    """TEXT as its lines, trailing blanks and blank lines at either end dropped."""
    return [line.rstrip() for line in text.strip("\n").splitlines()]


def problems_of(path, source):
    with open(path, encoding="utf-8") as f:
        copyright = Copyright(f, strict=True)
    problems = []
    if not copyright.header.known_format():
        problems.append("the Format: line is not Debian's machine-readable format")
    if copyright.header.upstream_name != "Tanglewick":
        problems.append(f"Upstream-Name is {copyright.header.upstream_name!r}")

    licence = (source / "LICENSE").read_text(encoding="utf-8")
    holders = re.search(r"^Copyright \(c\) (.+)$", licence, re.M).group(1)
    expected_texts = {
        "Expat": lines(licence[licence.index("Permission is hereby granted"):]),
        "SCOWL": lines((source / "data/WORDLIST-COPYRIGHT").read_text(encoding="utf-8")),
    }
    texts = {p.license.synopsis: p.license.text for p in copyright.all_license_paragraphs()}
    for paragraph in copyright.all_files_paragraphs():
        name = paragraph.license.synopsis
        if not paragraph.license.text and name not in texts:
            problems.append(f"the licence {name} of {' '.join(paragraph.files)} has no text")
    for name, expected in expected_texts.items():
        if name not in texts:
            problems.append(f"no License: paragraph {name}")
        elif lines(texts[name]) != expected:
            problems.append(f"the text of the licence {name} is not the one the game ships")

    game_files = [p for p in (source / "src").rglob("*") if p.is_file()] + [source / "CMakeLists.txt"]
    word_files = sorted((source / "data").glob("Words*.Txt"))
    if len(word_files) != 5:
        problems.append(f"expected five word files in data/, found {len(word_files)}")
    for files, synopsis, holder, what in ((game_files, "Expat", holders, "the game's licence and copyright"),
                                          (word_files, "SCOWL", "Kevin Atkinson", "the word list's notice")):
        for file in files:
            relative = str(file.relative_to(source))
            paragraph = copyright.find_files_paragraph(relative)
            if paragraph is None or paragraph.license.synopsis != synopsis or holder not in paragraph.copyright:
                problems.append(f"{relative} is not under {what}")
    return problems


def main():
    if len(sys.argv) != 3:
        sys.exit("Usage: check-copyright.py COPYRIGHT_FILE SOURCE_DIR")
    try:
        problems = problems_of(sys.argv[1], pathlib.Path(sys.argv[2]))
    except OSError as error:
        problems = [f"cannot read it: {error}"]
    except (ValueError, Error) as error:
        problems = [f"not a machine-readable copyright file: {error}"]
    print("\n".join(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
