#!/usr/bin/env bash
# Runs one GoogleTest executable under Wine and passes only when it exits with 0 AND printed
# "[  PASSED  ]". Either alone is not enough: an i686 executable under the 64-bit loader exits 0 without
# running anything, and a crash while the process unloads the library comes after the summary.
#   wine-test.sh <prefix> <tests.exe> [gtest arguments...]
# With --program first, any other program (a benchmark): its exit status alone decides.
#   wine-test.sh --program <prefix> <program.exe> [arguments...]
#
# The program writes into a file, not a pipe: the first program that opens a window starts Wine's desktop
# process, which inherits the program's output and lives on while any other program runs. Had it
# inherited a pipe, whoever reads the pipe (ctest) would wait for the desktop, that is for the whole run.
#
# Rarely (once in some dozens of runs, not reproduced on purpose) Wine ends a program with status 1 before
# it has printed anything. A program that printed nothing runs once more, with Wine's error messages on,
# and its second run decides: a fault of ours fails it again, now with Wine's account of it.
set -uo pipefail
expect_passed=true
if [ "${1:-}" = "--program" ]; then
    expect_passed=false
    shift
fi
output=$(mktemp)
trap 'rm -f "$output"' EXIT
"$(dirname "$0")/wine-run.sh" "$@" >"$output" 2>&1
status=$?
if [ "$status" -ne 0 ] && [ ! -s "$output" ]; then
    echo "wine-test: the program ended with status $status before printing anything; running it once more"
    WINEDEBUG=err+all "$(dirname "$0")/wine-run.sh" "$@" >"$output" 2>&1
    status=$?
fi
cat "$output"
if [ "$status" -ne 0 ]; then
    echo "wine-test: exit status $status" >&2
    exit 1
fi
if $expect_passed && ! grep -q '^\[  PASSED  \]' "$output"; then
    echo "wine-test: no [  PASSED  ] line" >&2
    exit 1
fi
