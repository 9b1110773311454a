#!/usr/bin/env bash
# Times LOOP and ITER expansion for N and 2N output lines with a Release
# build in build-release/. Usage: bench/run.sh [N] (default 1000000)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
n=${1:-1000000}
cmake -S "$root" -B "$root/build-release" -DCMAKE_BUILD_TYPE=Release -DKORVEX_TESTS=OFF >/dev/null
cmake --build "$root/build-release" -j2 >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for gen in loop_body iter_block; do
  for size in "$n" $((2 * n)); do
    bash "$root/bench/$gen.sh" "$size" > "$work/src.v"
    (cd "$work" && /usr/bin/time -o "$work/time" -f '%e %U %S %M' \
      "$root/build-release/korvex" src.v -max_lines $((4 * size)) -o out.v >/dev/null)
    read -r real user sys mem < "$work/time"
    printf '%-10s N=%-8d lines=%-8d real %5.2fs  user+sys %5.2fs  max rss %d MB\n' "$gen" "$size" \
      "$(wc -l < "$work/out.v")" "$real" "$(echo "$user + $sys" | bc)" $((mem / 1024))
  done
done
