#!/usr/bin/env bash
# The Windows setup program under Wine and Xvfb, in a Wine prefix of its own,
# as players and package managers use it: per user and for all users (into a
# folder with a space and a letter beyond ASCII in its path), over an older
# version (with Obsolete.txt and another Words8.Txt) whose Words9.Txt the
# player replaced, while the game runs, and built to take the player for a
# standard account (Wine makes every account an administrator). Each
# uninstall, run as the entry's quiet uninstall string says, leaves a file
# the player added, and nothing else.
# Usage: setup_under_wine.sh SETUP OLDER_SETUP STAGED_FOLDER USER_ACCOUNT_SETUP
set -uo pipefail
. "$(dirname "$0")/../../scripts/lib/x11test.sh"
. "$(dirname "$0")/../../scripts/lib/wine.sh"
stage=$3
start_x11
export LC_ALL=C.UTF-8 WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
trap 'set +e; wineserver -k 2>/dev/null; cleanup' EXIT
wineboot -i >/dev/null 2>&1 && wineserver -w
cp "$1" "$WINEPREFIX/drive_c/setup.exe" && cp "$2" "$WINEPREFIX/drive_c/older-setup.exe"
cp "$4" "$WINEPREFIX/drive_c/user-account-setup.exe"
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Tanglewick'
local_folder="$(windows_folder LOCALAPPDATA)\\Programs\\Tanglewick" && installed=$(unix "$local_folder")
local_programs="$(windows_folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs"
all_programs="$(windows_folder ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs"

# The uninstall entry under HKCU or HKLM.
entry() { registry_key "$1\\$key"; }
# What an install under the Windows folder $1 for the registry root $2 is:
# its files with their sums and times, and its entry.
install_state() { (cd "$(unix "$1")" && find . -type f -printf '%p %T@ ' -exec md5sum {} \; | LC_ALL=C sort) && entry "$2"; }
# Checks an install into the Windows folder $1 for the context $2 (current
# or all), with its Start menu folder $3.
check_installed() {
  local folder=$1 root=HKCU other=HKLM expected size
  [ "$2" = all ] && root=HKLM other=HKCU
  diff <(files "$stage") <(files "$(unix "$folder")" | grep -vx './Uninstall.exe') >&2 ||
    fail "the folder does not hold the staged files"
  [ -f "$(unix "$folder")/Uninstall.exe" ] || fail "no uninstaller"
  [ "$(find "$(unix "$3")" -iname '*tanglewick*')" = "$(unix "$3")/Tanglewick.lnk" ] ||
    fail "the Start menu does not hold one shortcut, Tanglewick: $(find "$(unix "$3")" -iname '*tanglewick*')"
  [ "$(shortcut "$(unix "$3")/Tanglewick.lnk")" = "target=$folder\\Tanglewick.exe folder=$folder" ] ||
    fail "the shortcut is not to the game in its folder: $(shortcut "$(unix "$3")/Tanglewick.lnk")"
  ! find "$(unix "$(windows_folder USERPROFILE)")/Desktop" "$(unix "$(windows_folder PUBLIC)")/Desktop" \
    -iname '*tanglewick*' 2>/dev/null | grep -q . || fail "a desktop shortcut, unasked for"
  expected="DisplayIcon=$folder\\Tanglewick.exe,0
DisplayName=Tanglewick
DisplayVersion=1.00.0001
EstimatedSize=dword:0000XXXX
InstallLocation=$folder
NoModify=dword:00000001
NoRepair=dword:00000001
Publisher=The Tanglewick developers
QuietUninstallString=\"$folder\\Uninstall.exe\" /S
UninstallString=\"$folder\\Uninstall.exe\""
  diff <(echo "$expected") <(entry $root | sed 's/^EstimatedSize=dword:0000..../EstimatedSize=dword:0000XXXX/') >&2 ||
    fail "the entry under $root is not as above"
  size=$(entry $root | sed -n 's/^EstimatedSize=dword://p')
  ((16#$size * 2 >= $(du -sk "$(unix "$folder")" | cut -f1))) || fail "the entry's size is not the folder's"
  [ -z "$(entry $other)" ] || fail "an entry under $other too"
}
# Uninstalls as the entry under $2 says, the player's file $3 in the folder
# $1, and checks only that file is left.
check_uninstalled() {
  local quiet program
  echo "a word or two" >"$(unix "$1")/$3"
  quiet=$(entry "$2" | sed -n 's/^QuietUninstallString=//p')
  program=${quiet#\"} && program=${program%%\"*}
  wine "$program" ${quiet##*\" } >/dev/null 2>&1
  wineserver -w
  [ "$(files "$(unix "$1")")" = "./$3" ] || fail "the uninstall left more than the player's file: $(files "$(unix "$1")")"
  ! find "$WINEPREFIX/drive_c" -name Tanglewick.lnk | grep . || fail "the uninstall left a shortcut"
  [ -z "$(entry "$2")" ] || fail "the uninstall left the entry under $2"
  ! wine reg query "$2\\Software\\Tanglewick" >/dev/null 2>&1 || fail "the uninstall left the game's key under $2"
  rm -r "$(unix "$1")"
}

check "per user, silently: the files, shortcut and entry; the game from the shortcut; uninstalled"
run 'C:\setup.exe /S'
check_installed "$local_folder" current "$local_programs"
(env -u WINEPATH wine start /unix "$(unix "$local_programs")/Tanglewick.lnk") >"$work/game.log" 2>&1
await_game_window "$work/game.log"
wineserver -k && wineserver -w
check_uninstalled "$local_folder" HKCU "my words.txt"

check "for all users, silently, into a folder of the player's choice; uninstalled"
folder='C:\users\Zoë\Meine Spiele\Tanglewick'
run "C:\\setup.exe /AllUsers /S /D=$folder"
check_installed "$folder" all "$all_programs"
check_uninstalled "$folder" HKLM "Zoë's words.txt"

check "over an older version, the player's own word list kept, uninstalled and installed again"
run 'C:\older-setup.exe /S'
[ -f "$installed/Obsolete.txt" ] || fail "the older version did not install Obsolete.txt"
cmp -s "$stage/Words8.Txt" "$installed/Words8.Txt" && fail "the older version's Words8.Txt is this one's"
echo "a word or two" >"$installed/my words.txt"
printf '%s\r\n' ABCDEFGHI JIGSAWING >"$work/own-list"
cp "$work/own-list" "$installed/Words9.Txt"
run 'C:\setup.exe /S'
[ ! -e "$installed/Obsolete.txt" ] || fail "a file only the older version shipped is left"
rm "$installed/my words.txt" || fail "the player's file is gone"
cmp -s "$work/own-list" "$installed/Words9.Txt" || fail "the upgrade replaced the player's Words9.Txt"
cmp -s "$stage/Words8.Txt" "$installed/Words8.Txt" || fail "the upgrade left the older Words8.Txt"
check_installed "$local_folder" current "$local_programs"
run "$local_folder\\Uninstall.exe /S"
[ "$(files "$installed")" = ./Words9.Txt ] || fail "the uninstall left more or less than the player's list: $(files "$installed")"
run 'C:\setup.exe /S'
cmp -s "$work/own-list" "$installed/Words9.Txt" || fail "installed again, the player's Words9.Txt is replaced"
check_installed "$local_folder" current "$local_programs"
run "$local_folder\\Uninstall.exe /S"
rm "$installed/Words9.Txt" && rmdir "$installed" || fail "the uninstall left more than the player's list: $(files "$installed")"

check "while the game runs: the setup program and the uninstaller end with exit code 32, changing nothing"
run 'C:\setup.exe /S'
(env -u WINEPATH wine start /unix "$installed/Tanglewick.exe") >"$work/game.log" 2>&1
await_game_window "$work/game.log"
install_state "$local_folder" HKCU >"$work/before"
[ "$(exit_code 'C:\setup.exe' /S)" = 32 ] || fail "the setup program did not end with exit code 32"
[ "$(exit_code "$local_folder\\Uninstall.exe" /S "_?=$local_folder")" = 32 ] ||
  fail "the uninstaller did not end with exit code 32"
# Without an uninstaller that checks (as the first release's did not), the setup program checks itself.
mv "$installed/Uninstall.exe" "$work/"
[ "$(exit_code 'C:\setup.exe' /S)" = 32 ] || fail "without the uninstaller, the setup program did not end with exit code 32"
mv "$work/Uninstall.exe" "$installed/"
install_state "$local_folder" HKCU | diff "$work/before" - >&2 || fail "the game's files or entry changed while it ran"
wineserver -k && wineserver -w
check_uninstalled "$local_folder" HKCU "my words.txt"

check "for all users, from a standard account: the uninstaller and a setup program over it end with code 5"
# (In a folder without spaces: the uninstaller takes all after _?= as it stands.)
folder='C:\Games\Tanglewick'
run "C:\\user-account-setup.exe /AllUsers /S /D=$folder"
check_installed "$folder" all "$all_programs"
install_state "$folder" HKLM >"$work/before"
[ "$(exit_code "$folder\\Uninstall.exe" /S "_?=$folder")" = 5 ] || fail "the uninstaller did not end with exit code 5"
[ "$(exit_code 'C:\setup.exe' /AllUsers /S)" = 5 ] || fail "the setup program over it did not end with exit code 5"
install_state "$folder" HKLM | diff "$work/before" - >&2 || fail "the files or the entry changed"
finish
