# Sourced by the test scripts: each check named and counted as it runs, and
# at the end "N passed, M failed" as counted, with a status that says it.
passed=0 failed=0 case='' why=''
# Ends the check under way, if any, as passed.
passing() { [ -z "$case" ] || { echo "ok $case"; passed=$((passed + 1)) case=; }; }
# check NAME COMMAND...: runs the command as the check named, in this shell;
# a command that fails gives its reason through `no`. With no command, the
# lines that follow are the check, up to the next one or finish.
check() {
  passing
  case=$1 why= && shift
  [ $# -gt 0 ] || { echo "== $case"; return 0; }
  if "$@"; then passing; else echo "FAIL $case${why:+: $why}"; failed=$((failed + 1)) case=; fi
}
no() { why=$*; return 1; }
# The check under way fails, and what follows needs it: stops, with the count
# so far, after running the command in on_fail, if set, to show more.
fail() {
  echo "FAIL ${case:-before the checks}: $*"
  [ -z "${on_fail:-}" ] || $on_fail
  failed=$((failed + 1)) case=
  echo "stopped here: the checks after it cannot run"
  finish
}
finish() { passing; echo "$passed passed, $failed failed"; exit $((failed > 0)); }
skip() { echo "SKIP: $*"; exit 77; }
# The commands named that are not installed, on one line.
missing() { local tool; for tool; do command -v "$tool" >/dev/null || printf '%s ' "$tool"; done; }
# Skips unless every command named is installed.
need() { local absent; absent=$(missing "$@"); [ -z "$absent" ] || skip "not installed: $absent"; }
