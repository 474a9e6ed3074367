#!/bin/bash
# The floor check passes over a copy of the program's sources and fails, naming each breach,
# once an upward include and an upward link are planted in it.
# Usage: check_layers_test.sh REPOSITORY
set -uo pipefail
repository=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$repository/src" "$work/src"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$repository/tools/check-layers" "$work" >/dev/null 2>&1 || fail "a clean copy breaches the floors"

echo '#include "app/application.h"' >>"$work/src/system/raii.h"
sed -i 's/^target_link_libraries(tavrin_utility PUBLIC/& tavrin_items/' \
    "$work/src/utility/CMakeLists.txt"
output=$("$repository/tools/check-layers" "$work" 2>&1) && fail "planted breaches pass: $output"
grep -q 'system/raii.h:[0-9]*: includes app/application.h' <<<"$output" ||
    fail "the upward include is not named: $output"
grep -q 'tavrin_utility links tavrin_items' <<<"$output" ||
    fail "the upward link is not named: $output"
echo "planted breaches named"
