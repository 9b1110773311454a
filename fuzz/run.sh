#!/usr/bin/env bash
# Runs the pipeline fuzzer for SECONDS (default 60) from the seed corpus of
# the end-to-end cases plus the known regressions. New corpus entries go to
# BUILD_DIR/corpus, a defect's input to BUILD_DIR/artifacts/ (and the run
# fails; earlier finds move to BUILD_DIR/artifacts.previous/). A run over
# FUZZ_TIMEOUT seconds (default 5) stops it too; `make fuzz` then replays
# such a find without sanitizers (fuzz/triage.sh).
# Usage: fuzz/run.sh BUILD_DIR [SECONDS]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: run.sh BUILD_DIR [SECONDS]}" && pwd)
seconds=${2:-60}
mkdir -p "$build/corpus" "$build/seeds" "$build/artifacts" "$build/artifacts.previous"
# Finds of earlier runs are kept aside, so that artifacts/ holds this run's.
find "$build/artifacts" -maxdepth 1 -type f -exec mv -f {} "$build/artifacts.previous/" \;
"$root/fuzz/make_corpus.sh" "$build/seeds" >/dev/null
# An input named *_slow takes longer than the timeout under the sanitizers
# and would end the run before it starts; its replay in the tests covers it.
for f in "$root"/tests/fuzz_regressions/*; do
  case "$f" in *.md | *_slow) continue ;; esac
  [ -f "$f" ] && cp "$f" "$build/seeds/"
done
# Paths are absolute: the harness runs inside its own temporary directory.
exec "$build/pipeline_fuzzer" -timeout="${FUZZ_TIMEOUT:-5}" -max_len=8192 -rss_limit_mb=2048 \
  -dict="$root/fuzz/korvex.dict" -artifact_prefix="$build/artifacts/" \
  -max_total_time="$seconds" -print_final_stats=1 "$build/corpus" "$build/seeds"
