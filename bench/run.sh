#!/usr/bin/env bash
# Runs Korvex on each generated workload at N and 2N lines and prints lines
# per second, the time ratio 2N/N and the peak memory against the input size
# (against the output size for a generating workload, whose input is small).
# Times are CPU seconds (user + system), steadier than wall time on a
# shared machine; the wall seconds are shown too.
# Usage: bench/run.sh KORVEX [N]   (default N = 1000000)
set -eu
korvex=$(readlink -f "$1")
n=${2:-1000000}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The best of REPEAT runs (default 3): the least CPU time, with its wall time
# and peak memory.
measure() {  # dir args... -> "cpu_seconds wall_seconds peak_kib"
  local dir=$1; shift
  : > "$dir/.times"
  for _ in $(seq "${REPEAT:-3}"); do
    (cd "$dir" && /usr/bin/time -f "%U %S %e %M" -o .time "$korvex" "$@" -o out.v > /dev/null) || {
      echo "korvex failed in $dir" >&2; cat "$dir/out.v" | tail -5 >&2; exit 1; }
    cat "$dir/.time" >> "$dir/.times"
  done
  awk '{ c = $1 + $2; if (NR == 1 || c < best) { best = c; line = sprintf("%.2f %s %s", c, $3, $4) } }
       END { print line }' "$dir/.times"
}

printf '%-14s %10s %8s %8s %12s %8s %10s %10s\n' workload lines cpu_s wall_s lines/s 2N/N peakMiB mem/size
for gen in "$here"/gen_*.sh; do
  name=$(basename "$gen" .sh); name=${name#gen_}
  prev=""
  for size in "$n" $((2 * n)); do
    dir="$work/$name-$size"; mkdir -p "$dir"
    read -r -a args <<< "$(bash "$gen" "$size" "$dir")"
    input=$(cat "$dir"/*.v | wc -c)
    read -r secs wall kib <<< "$(measure "$dir" "${args[@]}" -max_lines $((4 * size + 100)))"
    out_lines=$(wc -l < "$dir/out.v")
    output=$(wc -c < "$dir/out.v")
    [ "$output" -gt "$input" ] && input=$output
    ratio="-"
    [ -n "$prev" ] && ratio=$(awk -v a="$secs" -v b="$prev" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')
    awk -v w="$name" -v l="$out_lines" -v s="$secs" -v e="$wall" -v r="$ratio" -v k="$kib" -v in_b="$input" \
      'BEGIN { printf "%-14s %10d %8.2f %8.2f %12.0f %8s %10.1f %10.1f\n", w, l, s, e, (s > 0 ? l / s : 0), r, k / 1024, k * 1024 / in_b }'
    prev=$secs
    rm -f "$dir/out.v"
  done
done
