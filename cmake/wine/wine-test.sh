#!/usr/bin/env bash
# Runs one GoogleTest executable under Wine and passes only when it exits with 0 AND printed
# "[  PASSED  ]". Either alone is not enough: an i686 executable under the 64-bit loader exits 0 without
# running anything, and a crash while the process unloads the library comes after the summary.
#   wine-test.sh <prefix> <tests.exe> [gtest arguments...]
set -uo pipefail
output=$(mktemp)
trap 'rm -f "$output"' EXIT
"$(dirname "$0")/wine-run.sh" "$@" 2>&1 | tee "$output"
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ]; then
    echo "wine-test: exit status $status" >&2
    exit 1
fi
if ! grep -q '^\[  PASSED  \]' "$output"; then
    echo "wine-test: no [  PASSED  ] line" >&2
    exit 1
fi
