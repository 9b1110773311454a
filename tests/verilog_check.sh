#!/usr/bin/env bash
# Generates every bundled example with korvex and checks the Verilog it writes:
#   compile   every generated directory compiles with Icarus Verilog (-g2005)
#   lint      every generated module passes Verilator's -Wall lint
#   simulate  the self-checking testbenches under tests/verilog run under vvp
# A missing tool is reported as SKIPPED with status 77, which CTest counts as
# a skipped test (SKIP_RETURN_CODE), never as a pass.
set -u
korvex=$(readlink -f "$1")
root=$(readlink -f "$2")
mode=$3

case $mode in
  compile|simulate) tools="iverilog vvp" ;;
  lint) tools="verilator" ;;
  *) echo "usage: $0 KORVEX ROOT compile|lint|simulate"; exit 2 ;;
esac
for t in $tools; do
  if ! command -v "$t" >/dev/null 2>&1; then
    echo "SKIPPED: $t not installed (install it with scripts/ensure_deps.sh iverilog verilator)"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-verilog.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Generate each example in a copy of its folder, as scripts/run_example.sh does.
for ex in "$root"/examples/*/; do
  name=$(basename "$ex")
  [ -f "$ex/korvex.args" ] || continue
  cp -R "$ex" "$work/$name"
  rm -rf "$work/$name/gen"
  mapfile -t args < "$ex/korvex.args"
  if ! (cd "$work/$name" && "$korvex" "${args[@]}" > "$work/$name.out"); then
    fail "korvex failed on example $name: $(cat "$work/$name.out")"
  fi
done

# Every directory of generated Verilog files is one design: the variants
# example writes the same module names once per build directory.
mapfile -t dirs < <(find "$work" -path '*/gen*' -name '*.v' -printf '%h\n' | sort -u)
[ ${#dirs[@]} -gt 0 ] || fail "no generated Verilog found"

modules_in() { sed -n 's/^[[:space:]]*module[[:space:]]\+\([A-Za-z_][A-Za-z0-9_$]*\).*/\1/p' "$@"; }

for d in "${dirs[@]}"; do
  files=("$d"/*.v)
  rel=${d#"$work/"}
  case $mode in
    compile)
      if iverilog -g2005 -o "$work/compile.vvp" "${files[@]}" > "$work/log" 2>&1; then
        echo "ok   iverilog $rel (${#files[@]} files)"
      else
        cat "$work/log"; fail "iverilog $rel"
      fi ;;
    lint)
      # Each module is linted as the top in turn, so files holding several
      # independent modules need no MULTITOP waiver.
      # Waiver: DECLFILENAME. A Korvex source writes one output file
      # (OUTFILE), and the examples keep modules that belong together (a
      # bus master, its slave and their top) in one source and so in one file.
      for m in $(modules_in "${files[@]}"); do
        if verilator --lint-only -Wall -Wno-DECLFILENAME --top-module "$m" "${files[@]}" > "$work/log" 2>&1; then
          echo "ok   verilator $rel: $m"
        else
          cat "$work/log"; fail "verilator $rel: $m"
        fi
      done ;;
  esac
done

if [ "$mode" = simulate ]; then
  # tests/verilog/<example>_tb.v tests the design generated from examples/<example>.
  sims=0
  for tb in "$root"/tests/verilog/*_tb.v; do
    [ -f "$tb" ] || continue
    ex=$(basename "$tb" _tb.v)
    gen=("$work/$ex"/gen/*.v)
    if [ ! -f "${gen[0]}" ]; then fail "no generated files for $(basename "$tb")"; continue; fi
    if ! iverilog -g2005 -o "$work/sim.vvp" "${gen[@]}" "$tb" > "$work/log" 2>&1; then
      cat "$work/log"; fail "iverilog $(basename "$tb")"; continue
    fi
    out=$(timeout 60 vvp -n "$work/sim.vvp" 2>&1)
    echo "$out"
    sims=$((sims + 1))
    if ! grep -q '^PASS' <<< "$out" || grep -q 'FAIL' <<< "$out"; then
      fail "simulation $(basename "$tb")"
    fi
  done
  [ $sims -gt 0 ] || fail "no testbench ran"
fi

if [ $failures -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all $mode checks passed"
