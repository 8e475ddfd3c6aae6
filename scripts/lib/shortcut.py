#!/usr/bin/python3
# Prints the target and the working folder of a Windows shortcut (.lnk):
#   target=C:\...\Program.exe folder=C:\...
# Usage: shortcut.py FILE
import struct
import sys

data = open(sys.argv[1], "rb").read()
flags = struct.unpack_from("<I", data, 20)[0]
at = 76 + (2 + struct.unpack_from("<H", data, 76)[0] if flags & 1 else 0)
info = at
at += struct.unpack_from("<I", data, at)[0] if flags & 2 else 0
base = struct.unpack_from("<I", data, info + 16)[0]
target = data[info + base:data.index(b"\0", info + base)].decode("cp1252")
strings = {}
for bit in (4, 8, 16):  # name, relative path, working folder: UTF-16, counted
    if flags & bit:
        n = struct.unpack_from("<H", data, at)[0]
        strings[bit], at = data[at + 2:at + 2 + 2 * n].decode("utf-16-le"), at + 2 + 2 * n
print("target=%s folder=%s" % (target, strings.get(16, "").rstrip("\0")))
