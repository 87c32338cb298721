#!/usr/bin/env bash
# Runs one GoogleTest executable under Wine and passes only when it exits with 0 AND printed
# "[  PASSED  ]". Either alone is not enough: an i686 executable under the 64-bit loader exits 0 without
# running anything, and a crash while the process unloads the library comes after the summary.
#   wine-test.sh <prefix> <tests.exe> [gtest arguments...]
#
# The program writes into a file, not a pipe: the first program that opens a window starts Wine's desktop
# process, which inherits the program's output and lives on while any other program runs. Had it
# inherited a pipe, whoever reads the pipe (ctest) would wait for the desktop, that is for the whole run.
set -uo pipefail
output=$(mktemp)
trap 'rm -f "$output"' EXIT
"$(dirname "$0")/wine-run.sh" "$@" >"$output" 2>&1
status=$?
cat "$output"
if [ "$status" -ne 0 ]; then
    echo "wine-test: exit status $status" >&2
    exit 1
fi
if ! grep -q '^\[  PASSED  \]' "$output"; then
    echo "wine-test: no [  PASSED  ] line" >&2
    exit 1
fi
