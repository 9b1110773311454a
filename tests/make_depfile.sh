#!/usr/bin/env bash
# Korvex driven by make through its -depfile, checking that
#   - a generated file compares equal with -comp -exit_code (status 0), and
#     a hand edit or a line added at its end fails the check (status 133);
#   - after the included file is renamed, or deleted, and the source updated
#     to match, make runs Korvex again instead of stopping with "No rule to
#     make target" for the file that is gone.
# Usage: make_depfile.sh KORVEX
# Status 77 (reported as skipped by CTest) when make is missing.
set -u
korvex=$(readlink -f "$1")
if ! command -v make > /dev/null 2>&1; then
  echo "SKIPPED: make not installed"
  exit 77
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-make.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
fail() { echo "FAIL: $*"; exit 1; }

cat > Makefile <<EOF
out.v:
	"$korvex" top.v -depfile out.d
check: out.v
	"$korvex" top.v -comp -exit_code
.PHONY: check
-include out.d
EOF
# What make has built counts as older than any later edit.
backdate() { touch -d "2001-02-03 04:05:06" out.v out.d; }
build() {
  make out.v > "$1.log" 2>&1 || { cat "$1.log"; fail "$1: make failed"; }
  grep -q "No rule to make target" "$1.log" && fail "$1: make stopped at a missing file"
  grep -q -- "-depfile" "$1.log" || fail "$1: make did not run Korvex"
}

printf 'OUTFILE out.v\nINCLUDE inc.v\nwire [W:0] a;\n' > top.v
printf 'SWAP W 7\n' > inc.v
build first
[ "$(head -n1 out.v)" = "wire [7:0] a;" ] || fail "first: out.v holds $(head -n1 out.v)"
grep -q "^$work/inc.v:\$" out.d || fail "first: no rule for inc.v in out.d"
make -q out.v || fail "first: out.v not up to date after the build"

# The round trip: what Korvex wrote compares equal, trailing empty lines and all.
make check > check.log 2>&1 || { cat check.log; fail "check of the file just written failed"; }
grep -q "Korvex compare succeeded! " check.log || fail "check: no success summary"
cp out.v kept.v
sed -i 's/7:0/3:0/' out.v
make check > edited.log 2>&1 && fail "check passed after a hand edit"
grep -q "Error 133" edited.log || { cat edited.log; fail "check: no status 133 after a hand edit"; }
cp kept.v out.v
echo "wire extra;" >> out.v
make check > extra.log 2>&1 && fail "check passed with a line added at the end"
grep -q "<-wire extra;" extra.log || { cat extra.log; fail "check: the added line is not reported"; }
cp kept.v out.v
backdate

# The included file renamed, and the source updated to name its new name.
mv inc.v widths.v
printf 'SWAP W 15\n' > widths.v
printf 'OUTFILE out.v\nINCLUDE widths.v\nwire [W:0] a;\n' > top.v
build renamed
[ "$(head -n1 out.v)" = "wire [15:0] a;" ] || fail "renamed: out.v holds $(head -n1 out.v)"
grep -q "inc.v" out.d && fail "renamed: out.d still names inc.v"
backdate

# The included file deleted, and the source no longer including anything.
rm widths.v
printf 'OUTFILE out.v\nwire [1:0] a;\n' > top.v
build deleted
[ "$(head -n1 out.v)" = "wire [1:0] a;" ] || fail "deleted: out.v holds $(head -n1 out.v)"
make -q out.v || fail "deleted: out.v not up to date after the build"
echo "PASS"
