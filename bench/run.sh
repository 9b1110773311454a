#!/usr/bin/env bash
# Runs Korvex on each generated workload at N and 2N lines and prints lines
# per second, the time ratio 2N/N and the peak memory against the input size.
# Usage: bench/run.sh KORVEX [N]   (default N = 1000000)
set -eu
korvex=$(readlink -f "$1")
n=${2:-1000000}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

measure() {  # dir args... -> "seconds peak_kib"
  local dir=$1; shift
  (cd "$dir" && /usr/bin/time -f "%e %M" -o .time "$korvex" "$@" -o out.v > /dev/null) || {
    echo "korvex failed in $dir" >&2; cat "$dir/out.v" | tail -5 >&2; exit 1; }
  cat "$dir/.time"
}

printf '%-14s %10s %10s %12s %8s %10s %10s\n' workload lines seconds lines/s 2N/N peakMiB mem/input
for gen in "$here"/gen_*.sh; do
  name=$(basename "$gen" .sh); name=${name#gen_}
  prev=""
  for size in "$n" $((2 * n)); do
    dir="$work/$name-$size"; mkdir -p "$dir"
    read -r -a args <<< "$(bash "$gen" "$size" "$dir")"
    input=$(cat "$dir"/*.v | wc -c)
    read -r secs kib <<< "$(measure "$dir" "${args[@]}" -max_lines $((4 * size + 100)))"
    out_lines=$(wc -l < "$dir/out.v")
    ratio="-"
    [ -n "$prev" ] && ratio=$(awk -v a="$secs" -v b="$prev" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')
    awk -v w="$name" -v l="$out_lines" -v s="$secs" -v r="$ratio" -v k="$kib" -v in_b="$input" \
      'BEGIN { printf "%-14s %10d %10.2f %12.0f %8s %10.1f %10.1f\n", w, l, s, (s > 0 ? l / s : 0), r, k / 1024, k * 1024 / in_b }'
    prev=$secs
    rm -f "$dir/out.v"
  done
done
