#!/usr/bin/env bash
# Runs one end-to-end case against the built korvex binary, in a fresh
# temporary directory, and compares bytes.
#
# A case is a folder:
#   cmd       the arguments, one per line (the binary is implied)
#   in/       input files, copied into the run directory first (optional)
#   setup.sh  run in the run directory before korvex (optional)
#   stdout    the expected standard output
#   status    the expected Korvex status number (0, 1xx or 3xx; the shell sees it modulo 256)
#   out/      files the run must write, compared byte for byte (optional)
#   absent    paths, one per line, that the run must not create (optional)
# No case may leave a temporary output file (.NAME.korvex-XXXXXX) behind.
# In cmd, stdout and out/ files, @RUNDIR@ stands for the run directory (no
# final "/"). A header's time stamp is compared as "-- Invoked @TIME@".
set -u
korvex=$(readlink -f "$1")
case_dir=$(readlink -f "$2")
name=$(basename "$case_dir")
run=$(mktemp -d "${TMPDIR:-/tmp}/korvex-case.XXXXXX")
trap 'chmod -R u+w "$run" 2>/dev/null; rm -rf "$run"' EXIT
fail() { echo "FAIL $name: $*"; exit 1; }

[ -d "$case_dir/in" ] && cp -R "$case_dir/in/." "$run/"
cd "$run" || fail "no run directory"
[ -f "$case_dir/setup.sh" ] && bash "$case_dir/setup.sh"

subst() { sed -e "s|@RUNDIR@|$run|g" "$1"; }
normalise_time() { sed -E 's/-- Invoked [A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9][0-9] [0-9:]{8} [0-9]{4}$/-- Invoked @TIME@/'; }

args=()
if [ -f "$case_dir/cmd" ]; then
  while IFS= read -r a || [ -n "$a" ]; do args+=("${a//@RUNDIR@/$run}"); done < "$case_dir/cmd"
fi

timeout 60 "$korvex" "${args[@]}" > "$run/.stdout" 2> "$run/.stderr"
rc=$?

status=0
[ -f "$case_dir/status" ] && status=$(tr -d ' \n' < "$case_dir/status")
[ "$rc" -eq $((status % 256)) ] || fail "exit status $rc, expected $status ($((status % 256)))"
[ -s "$run/.stderr" ] && fail "wrote to standard error: $(head -c 300 "$run/.stderr")"
left=$(find "$run" -name '.*.korvex-??????' -print -quit)
[ -n "$left" ] && fail "left a temporary behind: ${left#"$run/"}"
if [ -f "$case_dir/stdout" ]; then
  if ! cmp -s <(normalise_time < "$run/.stdout") <(subst "$case_dir/stdout"); then
    diff <(subst "$case_dir/stdout") <(normalise_time < "$run/.stdout") | head -40
    fail "standard output differs"
  fi
fi
if [ -d "$case_dir/out" ]; then
  while IFS= read -r -d '' f; do
    rel=${f#"$case_dir/out/"}
    [ -f "$run/$rel" ] || fail "missing written file $rel"
    if ! cmp -s <(normalise_time < "$run/$rel") <(subst "$f"); then
      diff <(subst "$f") <(normalise_time < "$run/$rel") | head -40
      fail "written file $rel differs"
    fi
  done < <(find "$case_dir/out" -type f -print0)
fi
if [ -f "$case_dir/absent" ]; then
  while IFS= read -r p || [ -n "$p" ]; do
    [ -z "$p" ] && continue
    [ -e "$run/$p" ] && fail "$p must not exist"
  done < "$case_dir/absent"
fi
echo "PASS $name"
