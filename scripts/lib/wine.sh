# Sourced by the scripts that check Windows programs under Wine, in the
# prefix WINEPREFIX names.

# Runs a command line through Windows' cmd, which keeps a path's spaces and
# letters whole (quotes do not pass whole through Wine's command line), and
# waits for every program it started.
run() { wine cmd /c "$1" >/dev/null 2>&1; wineserver -w; }
unix() { winepath -u "$1" 2>/dev/null; }
windows_path() { winepath -w "$1" 2>/dev/null; }
windows_folder() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
# The registry key $1 as NAME=VALUE lines, sorted; empty when there is none.
registry_key() {
  rm -f "$work/key.reg"
  wine reg export "$1" "$(windows_path "$work/key.reg")" >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r' | sed -n 's/^"\([^"]*\)"=/\1=/p' |
    sed 's/="\(.*\)"$/=\1/; s/\\"/"/g; s/\\\\/\\/g' | sort
}
# The files under a folder, one path a line, sorted.
files() { (cd "$1" && find . -type f | LC_ALL=C sort); }
# Runs the Windows program $1 with the arguments that follow, waiting for it
# alone, and prints its exit code.
exit_code() { wine "$@" >/dev/null 2>&1; echo $?; }
# The target and the working folder of the shortcut $1, on one line.
shortcut() { python3 "$(dirname "${BASH_SOURCE[0]}")/shortcut.py" "$1"; }
