#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows tests' emulator, scripts/windows/wine-run, against a stand-in for Wine that behaves as
# Wine was seen to: a program that starts and passes or fails, and a start that fails with no output.
# Usage: WineRunTest.sh WINE-RUN
set -uo pipefail
wine_run=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The stand-in takes its behaviour on each start from the list in $work/plan, one line a start:
# "<status> <what it prints: -, out, err or log>".
cat >"$work/wine" <<'WINE'
#!/usr/bin/env bash
plan="$(dirname "$0")/plan"
line=$(head -n 1 "$plan"); sed -i 1d "$plan"
echo started >>"$(dirname "$0")/starts"
read -r status prints <<<"$line"
case $prints in
  out) echo "[  PASSED  ] or [  FAILED  ]" ;;
  err) echo "a message on standard error" >&2 ;;
  log) echo "FAIL!  : a Qt test" >"$VELISTA_WINE_LOG" ;;
esac
exit "$status"
WINE
chmod +x "$work/wine"

failures=0
# name | plan, one start per ';' | expected status | expected starts | expected word on standard error
while IFS='|' read -r name plan status starts word; do
  [ -z "$name" ] && continue
  tr ';' '\n' <<<"$plan" >"$work/plan"
  rm -f "$work/starts" "$work/test.log"
  VELISTA_WINE="$work/wine" VELISTA_WINE_LOG="$work/test.log" "$wine_run" program.exe \
      >"$work/stdout" 2>"$work/stderr"
  got=$?
  got_starts=$(wc -l <"$work/starts")
  if [ "$got" != "$status" ] || [ "$got_starts" != "$starts" ] ||
     { [ -n "$word" ] && ! grep -q "$word" "$work/stderr"; } ||
     { [ -z "$word" ] && grep -q "wine-run" "$work/stderr"; }; then
    echo "FAIL $name: status $got (want $status), $got_starts starts (want $starts); standard error:"
    cat "$work/stderr"
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
done <<'TABLE'
passes|0 out|0|1|
passes silently|0 -|0|1|
fails with output|1 out|1|1|
fails with a message|3 err|3|1|
Qt test fails with its log|1 log|1|1|
Wine fails once, then it passes|1 -;0 out|0|2|trying once more
Wine fails once, then the test fails|1 -;1 out|1|2|trying once more
Wine fails twice|1 -;1 -|1|2|a Wine fault
TABLE
exit $((failures > 0))
