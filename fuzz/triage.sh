#!/usr/bin/env bash
# Judges the fuzzer's finds (BUILD_DIR/artifacts). A crash, sanitizer report,
# leak or out-of-memory find is a defect as it stands. A timeout or slow unit
# is replayed with a build without sanitizers, as the harness runs it (same
# options, a private directory): the sanitizers slow some heavy but finite
# runs (a line of megabytes that every swap scans) past the fuzzer's timeout,
# and a fuzzer that was stopped for a while reports the pause as a timeout.
# Such a find is a defect only when the plain build also runs over LIMIT
# seconds (default 5), crashes, writes to standard error or ends with a
# status other than 0 or the status of an error of Korvex's table (its number
# modulo 256; a signal shows as 128 + its number, and the internal error 199
# counts as a defect).
# Usage: fuzz/triage.sh BUILD_DIR KORVEX [LIMIT]
set -u
build=$(cd "${1:?usage: triage.sh BUILD_DIR KORVEX [LIMIT]}" && pwd)
korvex=$(readlink -f "${2:?usage: triage.sh BUILD_DIR KORVEX [LIMIT]}")
limit=${3:-5}
defects=0
# The statuses a run may end with: 0 and those of the error table's numbers.
table="$(dirname "$0")/../src/base/error_table.h"
accepted=" 0 $(grep -o 'X([A-Z_0-9]*, *[0-9]*' "$table" | sed 's/.*, *//' | grep -vx 199 |
  while read -r n; do echo $((n % 256)); done | sort -un | tr '\n' ' ')"
[ "$accepted" != " 0 " ] || { echo "cannot read the error numbers of $table" >&2; exit 2; }
for f in "$build"/artifacts/*; do
  [ -f "$f" ] || continue
  case "$(basename "$f")" in
    timeout-* | slow-unit-*) ;;
    *) printf '%-60s %s\n' "$(basename "$f")" "defect (see the fuzzer's report)"
       defects=$((defects + 1)); continue ;;
  esac
  dir=$(mktemp -d "${TMPDIR:-/tmp}/korvex-triage.XXXXXX")
  # The run's files and command line, as the harness makes them.
  mapfile -t args < <("$build/fuzz_split" "$f" "$dir")
  if [ ${#args[@]} -eq 0 ]; then
    echo "cannot split $f (is $build/fuzz_split built?)" >&2; exit 2
  fi
  start=$(date +%s.%N)
  (cd "$dir" && timeout -s KILL "$limit" "$korvex" "${args[@]}" > /dev/null 2> stderr)
  status=$?
  seconds=$(echo "$(date +%s.%N) - $start" | bc)
  verdict=ok
  if [ $status -eq 137 ]; then verdict="over ${limit}s"
  elif [ -s "$dir/stderr" ]; then verdict="wrote to standard error"
  elif [[ "$accepted" != *" $status "* ]]; then
    verdict="status $status"
  fi
  [ "$verdict" = ok ] || defects=$((defects + 1))
  printf '%-60s %6.2fs status %3d  %s\n' "$(basename "$f")" "$seconds" "$status" "$verdict"
  rm -rf "$dir"
done
[ $defects -eq 0 ]
