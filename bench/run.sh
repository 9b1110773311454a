#!/usr/bin/env bash
# Runs Korvex on each generated workload at N and 2N lines and prints lines
# per second, the time ratio 2N/N and the peak memory against the input size
# (against the output size for a generating workload, whose input is small).
# Then times -lint against the normal run on the plain workload at N lines
# and prints their ratio, which must stay at or below 2 (status 1 if not).
# Times are CPU seconds (user + system), steadier than wall time on a
# shared machine; the wall seconds are shown too.
# Usage: bench/run.sh KORVEX [N]   (default N = 1000000)
#        ONLY="swap_table define_table ..." bench/run.sh KORVEX [N]: only the
#        workloads named (gen_NAME.sh), without the lint run
set -eu
korvex=$(readlink -f "$1")
n=${2:-1000000}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# One timed run: "cpu_seconds wall_seconds peak_kib", to the microsecond
# (/usr/bin/time rounds to hundredths, 5% of a 0.2-second run). Every run,
# -lint included, gets "-o out.v" and must end with status 0 (for -lint: a
# clean report).
timed() {  # dir args...
  local dir=$1; shift
  (cd "$dir" && python3 - "$korvex" "$@" <<'PY'
import os, subprocess, sys, time
start = time.perf_counter()
child = subprocess.Popen(sys.argv[1:] + ["-o", "out.v"], stdout=subprocess.DEVNULL)
_, status, use = os.wait4(child.pid, 0)
wall = time.perf_counter() - start
if status != 0:
    sys.exit("korvex failed in " + os.getcwd())
print("%.6f %.6f %d" % (use.ru_utime + use.ru_stime, wall, use.ru_maxrss))
PY
  )
}

best() {  # file of timed lines -> the line of least CPU time
  sort -g -k1,1 "$1" | head -1
}

printf '%-14s %10s %8s %8s %12s %8s %10s %10s\n' workload lines cpu_s wall_s lines/s 2N/N peakMiB mem/size
for gen in "$here"/gen_*.sh; do
  name=$(basename "$gen" .sh); name=${name#gen_}
  [ -z "${ONLY:-}" ] || [[ " $ONLY " == *" $name "* ]] || continue
  small="$work/$name-$n"; large="$work/$name-$((2 * n))"
  mkdir -p "$small" "$large"
  read -r -a small_args <<< "$(bash "$gen" "$n" "$small")"
  read -r -a large_args <<< "$(bash "$gen" $((2 * n)) "$large")"
  cat "$small"/*.v | wc -c > "$small/.input"; cat "$large"/*.v | wc -c > "$large/.input"
  # The two sizes take turns, so that a slow spell of a shared machine
  # falls on both; the best of REPEAT runs (default 3) of each counts.
  : > "$small/.times"; : > "$large/.times"
  for _ in $(seq "${REPEAT:-3}"); do
    timed "$small" "${small_args[@]}" -max_lines $((4 * n + 100)) >> "$small/.times"
    timed "$large" "${large_args[@]}" -max_lines $((8 * n + 100)) >> "$large/.times"
  done
  prev=""
  for dir in "$small" "$large"; do
    read -r secs wall kib <<< "$(best "$dir/.times")"
    input=$(cat "$dir/.input")
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

[ -z "${ONLY:-}" ] || exit 0

# The lint run against the normal one, the two taking turns, with the same
# arguments: -lint reads, includes and builds as the run does, writes
# nothing, and scans the file for hazards (a plain file has none).
dir="$work/lint-$n"
mkdir -p "$dir"
read -r -a args <<< "$(bash "$here/gen_plain.sh" "$n" "$dir")"
: > "$dir/.normal"; : > "$dir/.lint"
for _ in $(seq "${REPEAT:-3}"); do
  timed "$dir" "${args[@]}" -max_lines $((4 * n + 100)) >> "$dir/.normal"
  rm -f "$dir/out.v"
  timed "$dir" -lint "${args[@]}" -max_lines $((4 * n + 100)) >> "$dir/.lint"
  [ ! -e "$dir/out.v" ] || { echo "korvex -lint wrote out.v"; exit 1; }
done
read -r normal _ _ <<< "$(best "$dir/.normal")"
read -r lint _ lint_kib <<< "$(best "$dir/.lint")"
echo
awk -v n="$n" -v a="$normal" -v b="$lint" -v k="$lint_kib" 'BEGIN {
  r = (a > 0 ? b / a : 0);
  printf "lint over plain, %d lines: normal %.3f cpu_s, lint %.3f cpu_s (peak %.1f MiB), lint/normal %.2f (at most 2)\n", n, a, b, k / 1024, r;
  exit (r <= 2 ? 0 : 1) }' || { echo "the lint run takes more than twice the normal run's time"; exit 1; }
