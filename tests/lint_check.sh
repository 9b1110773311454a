#!/usr/bin/env bash
# The lint run against the project's own material:
#   examples   every bundled example lints clean (status 0, no warning);
#   guide      every example of the guide lints clean, except the examples
#              of quirks, which must draw a warning;
#   errors     over the inputs of every failing end-to-end case, -lint ends
#              in time, writes nothing to standard error, and reports the
#              error the run stops with (its number is the lint status), or,
#              for the errors of writing files, which a lint run does not do,
#              nothing but its summary.
# Usage: lint_check.sh KORVEX SOURCE_DIR MODE
set -u
korvex=$(readlink -f "$1")
src=$(readlink -f "$2")
mode=$3
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# The guide's examples of quirks and of a lint report: lint must flag each.
quirks=" guide_quirk_keywords guide_quirk_swaps guide_quirk_order guide_inline guide_lint_report "
# Errors of writing, opening or creating outputs and of compare mode's
# reading of them: a lint run writes nothing and does not meet them.
write_errors=" 113 114 115 117 121 346 "

# Runs korvex -lint with the arguments of a case folder in a copy of its
# input; sets status, out, err.
lint_case() {  # case_dir
  local c=$1 run args=()
  run=$(mktemp -d)
  [ -d "$c/in" ] && cp -R "$c/in/." "$run/"
  while IFS= read -r a || [ -n "$a" ]; do args+=("${a//@RUNDIR@/$run}"); done < "$c/cmd"
  [ -f "$c/setup.sh" ] && (cd "$run" && bash "$c/setup.sh" > /dev/null 2>&1)
  (cd "$run" && timeout 20 "$korvex" -lint "${args[@]}" > .out 2> .err)
  status=$?
  out=$(cat "$run/.out"); err=$(cat "$run/.err")
  chmod -R u+w "$run" 2> /dev/null; rm -rf "$run"
}

case $mode in
  examples)
    for ex in "$src"/examples/*/; do
      mapfile -t args < "$ex/korvex.args"
      out=$(cd "$ex" && "$korvex" -lint "${args[@]}" 2>&1); status=$?
      [ "$status" -eq 0 ] || fail "$(basename "$ex"): status $status: $out"
      [ -d "$ex/gen" ] && [ -n "$(find "$ex/gen" -newer "$ex/korvex.args" -type f 2> /dev/null | head -1)" ] &&
        echo "note: $(basename "$ex")/gen holds files of an earlier make run"
    done
    ;;
  guide)
    for c in "$src"/tests/cases/guide_*/; do
      name=$(basename "$c")
      lint_case "$c"
      warnings=$(grep -c ': warning: ' <<< "$out")
      if [[ $quirks == *" $name "* ]]; then
        [ "$warnings" -gt 0 ] || fail "$name: a quirk example draws no warning"
      else
        [ "$warnings" -eq 0 ] || fail "$name: $out"
      fi
    done
    ;;
  errors)
    checked=0
    for c in "$src"/tests/cases/*/; do
      [ -f "$c/cmd" ] || continue
      expected=$(tr -d ' \n' < "$c/status" 2> /dev/null || echo 0)
      [ "$expected" = 0 ] && continue
      grep -qx -- '-lint' "$c/cmd" && continue
      name=$(basename "$c")
      lint_case "$c"
      checked=$((checked + 1))
      [ -n "$err" ] && fail "$name: wrote to standard error: ${err:0:200}"
      [ "$status" -ge 124 ] && [ "$status" -le 128 ] && fail "$name: timed out or did not run ($status)"
      grep -q '^Korvex lint: ' <<< "$out" || fail "$name: no summary line: ${out:0:300}"
      if [[ $write_errors == *" $expected "* ]]; then
        continue
      fi
      # A compare run compares nothing under -lint.
      grep -qx -- '-comp' "$c/cmd" && continue
      [ "$status" -eq $((expected % 256)) ] || fail "$name: lint status $status, the run's is $expected"
      reported=$(sed -n 's/^.*: error: .*\[error \([0-9]*\)\]$/\1/p' <<< "$out")
      [ -n "$reported" ] && [ $((reported % 256)) -eq $((expected % 256)) ] ||
        fail "$name: the error is not reported: ${out:0:300}"
    done
    echo "$checked failing cases linted"
    ;;
  *) echo "unknown mode $mode"; exit 2 ;;
esac
[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "lint $mode: all passed"
