// Line arrays: copying with the capacity rule, deleting by pattern, and the
// return of unparsed lines.
#include "text/line.h"

#include "base/diagnostics.h"
#include "base/errors.h"

namespace korvex {

void copy_line(const Line& src, Line& dst, int mark) {
  dst.text = src.text;
  dst.num = src.num;
  dst.file = src.file;
  dst.indent = src.indent;
  dst.remark = src.remark;
  dst.pending = mark ? 1 : src.pending;
  dst.unparsed = src.unparsed;
}

void copy_lines(const Options& options, const Lines& src, Lines& dst, int append) {
  const size_t d = append ? dst.size() : 0;
  if (d + src.size() > static_cast<size_t>(options.MAX_LINES))
    generr(Err::LINE_COPY_FULL, options.MAX_LINES);
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

namespace {

// Deletes the lines `drop` holds true for; the trace names the removal by
// `pattern`.
template <class Drop>
int remove_lines_if(RunContext& run, Lines& lines, const std::string& pattern, Drop drop) {
  if (verbose_trace(run)) {
    trace(run, "");
    trace(run, "Starting remove lines, pattern: " + pattern);
  }
  const size_t n = lines.size();
  size_t r = 0;
  while (r < n && !drop(lines[r].text)) ++r;
  // From the first line deleted on, every kept line moves up.
  size_t w = r;
  for (; r < n; ++r)
    if (!drop(lines[r].text)) lines[w++] = std::move(lines[r]);
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(w), lines.end());
  if (run.options.VERBOSE) print_debug(run, lines, "remove_lines " + pattern);
  return static_cast<int>(w) + 1;
}

}  // namespace

int remove_lines(RunContext& run, Lines& lines, const std::string& pattern) {
  // A line without every capital of the pattern is passed over unread.
  const uint32_t need = capitals_of(pattern);
  return remove_lines_if(run, lines, pattern, [&pattern, need](const LineText& text) {
    if ((need & ~text.capitals()) != 0 || text.size() < pattern.size()) return false;
    // Most lines deleted hold the marker alone.
    return text.size() == pattern.size() ? text.view() == pattern
                                         : text.find(pattern) != std::string::npos;
  });
}

int remove_empty_lines(RunContext& run, Lines& lines) {
  const std::string name(kEmptyLine);
  const uint32_t need = capitals_of(name);
  return remove_lines_if(run, lines, name, [&name, need](const LineText& text) {
    return text.empty() ||
           ((need & ~text.capitals()) == 0 && text.find(name) != std::string::npos);
  });
}

void clean_append(Lines& lines) {
  for (Line& l : lines) l.pending = 0;
}

void insert_ignored(Lines& lines, const Lines& ignored) {
  size_t k = 0;
  for (Line& l : lines) {
    if (l.text != kIgnoreParse) continue;
    // A placeholder without a kept line stays, as an empty line.
    if (k < ignored.size())
      l.text = ignored[k].text;
    else
      l.text.clear();
    l.unparsed = true;
    ++k;
  }
}

void push_line(const Options& options, Lines& dst, Line line) {
  if (dst.size() >= static_cast<size_t>(options.MAX_LINES))
    generr(Err::LINE_COPY_FULL, options.MAX_LINES);
  dst.push_back(std::move(line));
}

}  // namespace korvex
