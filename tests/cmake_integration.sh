#!/usr/bin/env bash
# Installs Korvex from a build directory into a temporary prefix and builds
# tests/cmake_project with it under one CMake generator, checking that
#   - the installed tree holds the man page, the guide and the error reference,
#   - find_package(Korvex 1.2) finds it, its package version is the one that
#     `korvex -ver` prints and the man page names, and an older 1.x is
#     accepted where a newer one or 2.0 is refused,
#   - the first build generates the outputs, each step's message naming them,
#   - a second build with nothing touched regenerates nothing,
#   - touching the definition file's INCLUDEd file, or the child source of a
#     CREATE, regenerates the outputs (through Korvex's -depfile),
#   - a change in the included file reaches the outputs,
#   - with LINT, a clean source builds, a hazard fails the build step with
#     the lint line in the output and leaves the outputs as they were, and
#     the build succeeds again once the hazard is mended, in the source or
#     in a child known only through the dependency file.
# Usage: cmake_integration.sh BUILD_DIR SOURCE_DIR "Unix Makefiles"|Ninja
# Status 77 (reported as skipped by CTest) when the generator's tool is missing.
set -u
build_dir=$(readlink -f "$1")
root=$(readlink -f "$2")
generator=$3

case $generator in
  Ninja) tool=ninja ;;
  "Unix Makefiles") tool=make ;;
  *) echo "unknown generator $generator"; exit 2 ;;
esac
if ! command -v "$tool" >/dev/null 2>&1; then
  echo "SKIPPED: $tool not installed (the $generator generator needs it)"
  exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-cmake.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL ($generator): $*"; exit 1; }

cmake --install "$build_dir" --prefix "$work/prefix" > "$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "cmake --install"; }
for file in bin/korvex share/man/man1/korvex.1 share/doc/korvex/guide.md share/doc/korvex/errors.md \
            lib/cmake/Korvex/KorvexConfig.cmake lib/cmake/Korvex/KorvexConfigVersion.cmake; do
  [ -f "$work/prefix/$file" ] || { cat "$work/install.log"; fail "cmake --install did not install $file"; }
done
for doc in guide.md errors.md; do
  cmp -s "$root/docs/$doc" "$work/prefix/share/doc/korvex/$doc" || fail "the installed $doc differs from docs/$doc"
done
cp -R "$root/tests/cmake_project" "$work/src"

cmake -S "$work/src" -B "$work/build" -G "$generator" -DCMAKE_PREFIX_PATH="$work/prefix" \
  > "$work/configure.log" 2>&1 || { cat "$work/configure.log"; fail "configure"; }
grep -q "$work/prefix/bin/korvex" "$work/build/CMakeCache.txt" ||
  fail "the project did not find the installed korvex"
version=$(sed -n 's/^-- Korvex package version //p' "$work/configure.log")
"$work/prefix/bin/korvex" -ver | grep -qx "Korvex version $version" ||
  fail "package version '$version', but korvex -ver prints: $("$work/prefix/bin/korvex" -ver)"
head -1 "$work/prefix/share/man/man1/korvex.1" | grep -qF "\"Korvex $version\"" ||
  fail "the man page does not name Korvex $version: $(head -1 "$work/prefix/share/man/man1/korvex.1")"

# The version a project may ask for: the same major version, this minor or an older one.
mkdir "$work/ask"
printf 'cmake_minimum_required(VERSION 3.20)\nproject(ask NONE)\nfind_package(Korvex ${ASK} REQUIRED)\n' \
  > "$work/ask/CMakeLists.txt"
while read -r ask expected; do
  rm -rf "$work/ask/build"
  if cmake -S "$work/ask" -B "$work/ask/build" -G "$generator" -DCMAKE_PREFIX_PATH="$work/prefix" \
       -DASK="$ask" > "$work/ask.log" 2>&1; then got=found; else got=refused; fi
  [ "$got" = "$expected" ] || { cat "$work/ask.log"; fail "find_package(Korvex $ask): $got, expected $expected"; }
  # CMake wraps its message: read it as one line.
  [ "$got" = found ] || tr -s ' \n' '  ' < "$work/ask.log" | grep -qF "compatible with requested version \"$ask\"" ||
    { cat "$work/ask.log"; fail "find_package(Korvex $ask) refused without naming the version"; }
done <<EOF
1.0 found
1.2 found
1.3 refused
2.0 refused
EOF

build() {  # what [target]
  cmake --build "$work/build" ${2:+--target "$2"} > "$work/build.log" 2>&1 ||
    { cat "$work/build.log"; fail "build ($1)"; }
}
build_fails() {  # what target lint_line
  if cmake --build "$work/build" --target "$2" > "$work/build.log" 2>&1; then
    cat "$work/build.log"; fail "build ($1) succeeded"
  fi
  grep -qF -- "$3" "$work/build.log" || { cat "$work/build.log"; fail "build ($1) does not show: $3"; }
}
stamp() { stat -c '%y' "$work/build/top.v" "$work/build/child.v" 2>/dev/null; }

build first
[ -f "$work/build/top.v" ] && [ -f "$work/build/child.v" ] || fail "outputs not generated"
grep -q 'wire \[7:0\] data;' "$work/build/child.v" || fail "child.v lacks the included width: $(cat "$work/build/child.v")"
[ -f "$work/build/top_v.korvex.d" ] || fail "no dependency file"
grep -q 'Korvex lint: 0 warnings, 0 errors, 4 files checked' "$work/build.log" ||
  { cat "$work/build.log"; fail "the LINT target was not linted"; }
[ -f "$work/build/checked.v" ] && [ -f "$work/build/checked_child.v" ] || fail "the clean LINT target was not generated"
for message in "Korvex: generating top.v, child.v from top.kv" \
               "Korvex: linting and generating checked.v, checked_child.v from checked.kv"; do
  grep -qF "$message" "$work/build.log" || { cat "$work/build.log"; fail "the build does not show: $message"; }
done

# File times: make compares them, so let the clock move on between steps.
step() { sleep 1.1; }

before=$(stamp); step; build "nothing touched"
[ "$(stamp)" = "$before" ] || fail "a build with nothing touched regenerated the outputs"

before=$(stamp); step; touch "$work/src/include/widths.kv"; build "included file touched"
[ "$(stamp)" != "$before" ] || fail "touching the included definition file did not regenerate"

before=$(stamp); step; build "nothing touched again"
[ "$(stamp)" = "$before" ] || fail "the build after regenerating regenerated again"

before=$(stamp); step; touch "$work/src/child.kv"; build "child source touched"
[ "$(stamp)" != "$before" ] || fail "touching the CREATE child source did not regenerate"

step; echo "SWAP.GLOBAL WIDTH 16" > "$work/src/include/widths.kv"; build "included file changed"
grep -q 'wire \[15:0\] data;' "$work/build/top.v" || fail "the changed width did not reach top.v"
grep -q 'wire \[15:0\] data;' "$work/build/child.v" || fail "the changed width did not reach child.v"

# LINT: a source holding a hazard fails its build step until it is mended.
build_fails "hazard in the source" hazard "$work/src/hazard.kv:3:12: warning: BIN inside \"CLKFBIN\""
[ ! -e "$work/build/hazard.v" ] || fail "the failed lint let hazard.v be written"
sed -i 's/CLKFBIN/clk_fb_in/' "$work/src/hazard.kv"; build "hazard mended" hazard
grep -q 'wire clk_fb_in;' "$work/build/hazard.v" || fail "the mended source did not reach hazard.v"

# A hazard the run itself would pass silently, in the CREATE child that only
# the dependency file names: the step fails and leaves the outputs alone.
checked() { stat -c '%y' "$work/build/checked.v" "$work/build/checked_child.v"; }
before=$(checked); step
sed -i 's/"checked"/"## checked"/' "$work/src/checked_child.kv"
build_fails "hazard in the child" checked "$work/src/checked_child.kv:3:21: warning: ## in a string"
[ "$(checked)" = "$before" ] || fail "the failed lint let the outputs be regenerated"
step; sed -i 's/"## checked"/"checked"/' "$work/src/checked_child.kv"; build "child mended" checked
[ "$(checked)" != "$before" ] || fail "mending the child did not regenerate"
grep -q '\$display("checked");' "$work/build/checked_child.v" || fail "checked_child.v: $(cat "$work/build/checked_child.v")"

echo "PASS ($generator): installed, found by version, generated, regenerated on touched inputs only, linted"
