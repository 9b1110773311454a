#!/usr/bin/env bash
# Checks that the examples of docs/guide.md are the end-to-end cases that the
# test suite runs. In the guide, an example starts with the marker
#   <!-- case: guide_NAME -->
# and is followed by labelled code blocks, each label on the line before its
# block:
#   Command:           korvex followed by the lines of tests/cases/guide_NAME/cmd
#   File `PATH`:       tests/cases/guide_NAME/in/PATH
#   Output:            tests/cases/guide_NAME/stdout (the standard output)
#   Written `PATH`:    tests/cases/guide_NAME/out/PATH (a file the run writes)
# Every block must equal its case file byte for byte (a file that lacks a final
# line break is compared as if it had one, since a code block always ends its
# last line), every file of the case must be shown, and every guide_* case
# must appear in the guide.
set -u
guide=$(readlink -f "$1")
cases=$(readlink -f "$2")
work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-guide.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Extract the labelled blocks into $work/<case>/<kind>/<path>.
awk -v out="$work" '
  function target(label,   m) {
    if (label ~ /^Command:$/) return "cmd";
    if (label ~ /^Output:$/) return "stdout";
    if (match(label, /^File `[^`]+`:$/)) return "in/" substr(label, 7, length(label) - 8);
    if (match(label, /^Written `[^`]+`:$/)) return "out/" substr(label, 10, length(label) - 11);
    return "";
  }
  /^<!-- case: [A-Za-z0-9_]+ -->$/ { cs = $3; label = ""; print cs > (out "/.cases"); next }
  /^```/ {
    if (inblock) { inblock = 0; close(path); next }
    inblock = 1; path = "";
    if (cs != "" && label != "") {
      t = target(label);
      if (t != "") {
        path = out "/" cs "/" t;
        dir = path; sub(/\/[^\/]*$/, "", dir);
        system("mkdir -p \"" dir "\"");
        printf "" > path;
        print path > (out "/.shown");
      }
    }
    label = ""; next
  }
  inblock { if (path != "") print > path; next }
  /^#/ { cs = ""; label = ""; next }   # a heading ends the example
  NF { label = $0 }
' "$guide"

[ -f "$work/.cases" ] || { echo "FAIL: no <!-- case: --> markers in $guide"; exit 1; }

same() {  # same EXPECTED SHOWN: compare, adding a final line break to EXPECTED when it lacks one
  local exp=$1
  if [ -s "$exp" ] && [ -n "$(tail -c1 "$exp")" ]; then
    cmp -s <(cat "$exp"; echo) "$2"
  else
    cmp -s "$exp" "$2"
  fi
}

while read -r cs; do
  c="$cases/$cs"
  shown="$work/$cs"
  [ -d "$c" ] || { fail "$cs: the guide shows a case that tests/cases lacks"; continue; }
  [ -d "$shown" ] || { fail "$cs: the marker is followed by no labelled block"; continue; }
  # Command line.
  if [ -f "$shown/cmd" ]; then
    want="korvex"
    while IFS= read -r a || [ -n "$a" ]; do want+=" $a"; done < "$c/cmd"
    [ "$(cat "$shown/cmd")" = "$want" ] || fail "$cs: command shown as '$(cat "$shown/cmd")', the case runs '$want'"
  else
    fail "$cs: no Command: block"
  fi
  # Every file of the case is shown, and shown as it is.
  while IFS= read -r -d '' f; do
    rel=${f#"$c/"}
    if [ ! -f "$shown/$rel" ]; then fail "$cs: $rel is not shown in the guide"; continue; fi
    same "$f" "$shown/$rel" || { fail "$cs: the guide's $rel differs from the case"; diff "$f" "$shown/$rel" | head -10; }
  done < <(find "$c/in" "$c/out" -type f -print0 2>/dev/null; [ -s "$c/stdout" ] && printf '%s\0' "$c/stdout")
  # And nothing is shown that the case lacks.
  while IFS= read -r -d '' f; do
    rel=${f#"$shown/"}
    [ "$rel" = cmd ] && continue
    [ -f "$c/$rel" ] || fail "$cs: the guide shows $rel, which the case lacks"
  done < <(find "$shown" -type f -print0)
done < "$work/.cases"

for c in "$cases"/guide_*/; do
  cs=$(basename "$c")
  grep -qx "$cs" "$work/.cases" || fail "$cs: case is not shown in the guide"
done

[ $failures -eq 0 ] || { echo "$failures guide check(s) failed"; exit 1; }
echo "guide examples match $(sort -u "$work/.cases" | wc -l) cases"
