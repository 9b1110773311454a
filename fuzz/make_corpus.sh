#!/usr/bin/env bash
# Builds the fuzzer's seed corpus from the end-to-end cases: for every case,
# an input of one option byte (the options its cmd uses), the case's first
# source file, a NUL byte, and its second file when it has one. Every other
# .v file of a case becomes a seed of its own.
# Usage: fuzz/make_corpus.sh OUTDIR
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:?usage: make_corpus.sh OUTDIR}
mkdir -p "$out"
n=0
for case_dir in "$root"/tests/cases/*/; do
  [ -d "$case_dir/in" ] || continue
  opts=0
  files=()
  if [ -f "$case_dir/cmd" ]; then
    while IFS= read -r a || [ -n "$a" ]; do
      case "$a" in
        -header) opts=$((opts | 1)) ;;
        -comp) opts=$((opts | 2)) ;;
        -o) opts=$((opts | 4)) ;;
        -d) opts=$((opts | 8)) ;;
        -list) opts=$((opts | 16)) ;;
        -depfile) opts=$((opts | 32)) ;;
        *.v) [ -f "$case_dir/in/$a" ] && files+=("$case_dir/in/$a") ;;
      esac
    done < "$case_dir/cmd"
  fi
  name=$(basename "$case_dir")
  if [ ${#files[@]} -gt 0 ]; then
    {
      printf "\\$(printf %03o "$opts")"
      cat "${files[0]}"
      if [ ${#files[@]} -gt 1 ]; then printf '\0'; cat "${files[1]}"; fi
    } > "$out/case_$name"
    n=$((n + 1))
  fi
  for f in "$case_dir"/in/*.v; do
    [ -f "$f" ] || continue
    { printf '\0'; cat "$f"; } > "$out/file_${name}_$(basename "$f")"
    n=$((n + 1))
  done
done
echo "$n seeds in $out"
