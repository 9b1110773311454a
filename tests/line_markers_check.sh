#!/usr/bin/env bash
# -line_markers against the tools that read the generated Verilog: a syntax
# error placed after a dropped IFDEF block and a LOOP, in a source below the
# run directory, must be reported by Icarus Verilog and by Verilator at the
# source file and line it was written on, not at the generated file's line.
# A missing tool is reported as SKIPPED with status 77 (CTest's
# SKIP_RETURN_CODE), never as a pass.
set -u
korvex=$(readlink -f "$1")
for t in iverilog verilator; do
  if ! command -v "$t" >/dev/null 2>&1; then
    echo "SKIPPED: $t not installed (install it with scripts/ensure_deps.sh iverilog verilator)"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-markers.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

mkdir rtl
# The faulty line is line 10 of rtl/top.v and line 9 of the generated file.
cat > rtl/top.v <<'V'
OUTFILE gen.v
module top(input a, output [2:0] y);
IFDEF UNSET
  wire dropped_one;
  wire dropped_two;
ENDIF UNSET
LOOP LANE 3
  assign y[LANE] = a;
ENDLOOP LANE
  wire broken = ;
  wire follows;
endmodule
V
"$korvex" rtl/top.v -line_markers > korvex.out || fail "korvex failed: $(cat korvex.out)"
[ "$(grep -c '^`line ' gen.v)" -eq 5 ] || { cat gen.v; fail "expected 5 line markers in gen.v"; }

check() {  # tool, expected location, command...
  local tool=$1 want=$2
  shift 2
  if "$@" > "$tool.log" 2>&1; then
    fail "$tool accepted the faulty file"
  elif ! grep -q "$want" "$tool.log"; then
    cat "$tool.log"; fail "$tool does not name $want"
  elif grep -q "gen\.v" "$tool.log"; then
    cat "$tool.log"; fail "$tool names the generated file"
  else
    echo "ok   $tool: $(grep -m1 "$want" "$tool.log")"
  fi
}
check iverilog "^rtl/top\.v:10: syntax error" iverilog -o /dev/null gen.v
check verilator "%Error: rtl/top\.v:10:[0-9]*: syntax error" verilator --lint-only gen.v

[ "$failures" -eq 0 ] || exit 1
echo "PASS"
