// Line arrays: copying with the capacity rule, deleting by pattern, and the
// return of unparsed lines.
#include "text/line.h"

#include "driver/diagnostics.h"
#include "driver/errors.h"
#include "driver/settings.h"

namespace korvex {

void copy_line(const Line& src, Line& dst, int mark) {
  dst.text = src.text;
  dst.num = src.num;
  dst.file = src.file;
  dst.indent = src.indent;
  dst.remark = src.remark;
  dst.pending = mark ? 1 : src.pending;
}

void copy_lines(const Lines& src, Lines& dst, int append) {
  const size_t d = append ? dst.size() : 0;
  if (d + src.size() > static_cast<size_t>(settings.MAX_LINES))
    generr(Err::LINE_COPY_FULL, settings.MAX_LINES);
  if (&src == &dst) {
    if (append) {
      Lines copy = src;
      dst.insert(dst.end(), copy.begin(), copy.end());
    }
    return;
  }
  dst.resize(d);
  dst.insert(dst.end(), src.begin(), src.end());
}

int remove_lines(Lines& lines, const std::string& pattern) {
  if (settings.VERBOSE && settings.DEBUG) {
    trace("");
    trace("Starting remove lines, pattern: " + pattern);
  }
  size_t w = 0;
  for (size_t r = 0; r < lines.size(); ++r) {
    if (lines[r].text.find(pattern) != std::string::npos) continue;
    if (w != r) lines[w] = std::move(lines[r]);
    ++w;
  }
  lines.resize(w);
  if (settings.VERBOSE) print_debug(lines, "remove_lines " + pattern);
  return static_cast<int>(w) + 1;
}

void clean_append(Lines& lines) {
  for (Line& l : lines) l.pending = 0;
}

void insert_ignored(Lines& lines, const Lines& ignored) {
  size_t k = 0;
  for (Line& l : lines) {
    if (l.text != kIgnoreParse) continue;
    // A placeholder without a kept line would end the array in the original
    // layout; keep it as an empty line instead of losing what follows.
    l.text = k < ignored.size() ? ignored[k].text : std::string(kEmptyLine);
    ++k;
  }
}

void push_line(Lines& dst, Line line) {
  if (dst.size() >= static_cast<size_t>(settings.MAX_LINES))
    generr(Err::LINE_COPY_FULL, settings.MAX_LINES);
  dst.push_back(std::move(line));
}

}  // namespace korvex
