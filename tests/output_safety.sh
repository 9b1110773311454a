#!/usr/bin/env bash
# What a run leaves when it cannot finish, checked on the built korvex:
#   - standard output into a closed pipe ends the run with error 121, not SIGPIPE;
#   - a run killed (SIGKILL, SIGTERM) while its -o file is half written leaves
#     the old file as it was, time stamp included; SIGTERM also removes the
#     temporary;
#   - twenty runs writing one file at once each leave it complete;
#   - a failed run on a new -o file leaves no file, so make runs Korvex again.
# Usage: output_safety.sh KORVEX
set -u
korvex=$(readlink -f "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-safety.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
fail() { echo "FAIL: $*"; exit 1; }
temporaries() { find . -name '.*.korvex-??????' | sort; }

# A source of n lines, each naming the tag; with a fourth argument, each
# line is padded to about that many bytes.
make_source() {
  local pad=""
  [ $# -ge 4 ] && pad=" // $(head -c "$4" /dev/zero | tr '\0' x)"
  seq -f "wire $2_%g;$pad" 1 "$3" > "$1"
}

# --- A closed pipe.
make_source big.v w 300000
"$korvex" big.v -max_lines 400000 2> pipe.err | head -c1 > /dev/null
status=${PIPESTATUS[0]}
[ "$status" -eq 121 ] || fail "closed pipe: status $status, expected 121"
[ -s pipe.err ] && fail "closed pipe: wrote to standard error"

# --- Killed runs. The -o file is complete only at the run's end: while the
# child file is processed, the parent's text is already in the temporary.
make_source parent.v p 100000
echo "CREATE big.v" >> parent.v
for sig in KILL TERM; do
  echo "old output" > out.v
  touch -d "2001-02-03 04:05:06" out.v
  before=$(stat -c %Y out.v)
  "$korvex" parent.v -max_lines 400000 -o out.v > run.out &
  pid=$!
  # Until part of the text has been written, to the temporary or (were the
  # file written in place) to out.v itself.
  for _ in $(seq 1 3000); do
    [ -n "$(find . -name '.out.v.korvex-??????' -size +0)" ] && break
    [ "$(cat out.v)" = "old output" ] || break
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.01
  done
  kill -0 "$pid" 2> /dev/null || fail "SIG$sig: the run ended before it could be killed"
  kill -"$sig" "$pid"
  wait "$pid" 2> /dev/null
  status=$?
  [ "$(cat out.v)" = "old output" ] || fail "SIG$sig: the old -o file was changed"
  [ "$(stat -c %Y out.v)" = "$before" ] || fail "SIG$sig: the old -o file has a new time stamp"
  case $sig in
    KILL) rm -f .out.v.korvex-?????? ;;  # nothing can remove it
    TERM)
      [ "$status" -eq 143 ] || fail "SIGTERM: status $status, expected 143"
      [ -z "$(temporaries)" ] || fail "SIGTERM: left $(temporaries)" ;;
  esac
done

# --- Twenty runs at once on one file, each with its own text, long enough
# to be written in several pieces.
for k in $(seq 1 20); do make_source "s$k.v" "r$k" 10000 250; done
pids=()
for k in $(seq 1 20); do
  "$korvex" "s$k.v" -max_lines 30000 -o shared.v > "run$k.out" &
  pids+=($!)
done
for pid in "${pids[@]}"; do
  wait "$pid" || fail "concurrent runs: a run ended with status $?"
done
winner=$(head -n1 shared.v | sed -n 's/^wire r\([0-9]*\)_1;.*$/\1/p')
[ -n "$winner" ] || fail "concurrent runs: shared.v starts with '$(head -c 40 shared.v)'"
"$korvex" "s$winner.v" -max_lines 30000 -o expected.v > /dev/null || fail "concurrent runs: rerun"
cmp -s shared.v expected.v || fail "concurrent runs: shared.v is not the whole output of one run"
[ -z "$(temporaries)" ] || fail "concurrent runs: left $(temporaries)"

# --- A failed run on a new -o file, then make.
mkdir mk && cd mk || exit 1
printf 'wire a;\nwire EXPR(1/0);\n' > top.v
printf 'out.v: top.v\n\t"%s" top.v -o out.v\n' "$korvex" > Makefile
make > make1.log 2>&1 && fail "make: the failing run passed"
[ -e out.v ] && fail "make: the failed run left out.v"
make -q out.v && fail "make: takes out.v for up to date after a failed run"
[ -z "$(temporaries)" ] || fail "make: left $(temporaries)"
echo "PASS output safety"
