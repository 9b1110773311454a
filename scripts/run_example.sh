#!/usr/bin/env bash
# Runs Korvex on a bundled example and says where the generated files went.
set -eu
korvex=$(readlink -f "$1")
example=$2
cd "$example"
out=$(readlink -f gen)
rm -rf "$out"
mapfile -t args < korvex.args
echo "korvex ${args[*]}   (in $example)"
"$korvex" "${args[@]}"
echo
echo "Generated files in $out:"
find "$out" -type f | sort | sed 's/^/  /'
