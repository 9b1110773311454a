// STOMP statements.
//
// The statements are worked through from the top, each on the lines as the
// earlier ones left them, and every line holding STOMP (the statements and
// the lines they marked for deletion) is deleted at the end. A STOMP NEWLINE
// with no line after it, or a STOMP LINE with no line before it, has nothing
// to act on: the first is dropped, the second reported like a missing string.
#include "expr/stomp.h"

#include "base/diagnostics.h"
#include "base/errors.h"
#include "text/strings.h"

namespace korvex {

namespace {
constexpr const char* kStomp = "STOMP";
}  // namespace

int get_stomp_line(const Lines& lines, int index, const std::string& search) {
  for (int j = index; j >= 0; --j) {
    if (!match(lines[static_cast<std::size_t>(j)].text, kStomp)) return j;
  }
  linerr(Err::STOMP_NOT_FOUND, lines[static_cast<std::size_t>(index)], search);
}

void remove_stomp(RunContext& run, Lines& lines) {
  if (verbose_trace(run)) {
    trace(run, "");
    trace(run, "Starting stomp ");
  }
  const int n = static_cast<int>(lines.size());
  for (int i = 0; i < n; ++i) {
    Line& line = lines[static_cast<std::size_t>(i)];
    if (!match(line.text, kStomp)) continue;
    const std::string search = get_split(line.text, 1);
    const std::string replace = get_split(line.text, 2);
    if (search == "NEWLINE") {
      const int target = get_stomp_line(lines, i, search);
      if (i + 1 < n) {
        Line& next = lines[static_cast<std::size_t>(i) + 1];
        lines[static_cast<std::size_t>(target)].text += " " + next.text;
        next.text = kStomp;
        ++i;
      }
    } else if (search == "LINE") {
      if (i == 0) linerr(Err::STOMP_NOT_FOUND, line, search);
      lines[static_cast<std::size_t>(i) - 1].text = kStomp;
    } else {
      // An unparsed line is not there for the search: its placeholder is
      // passed over.
      int j = i - 1;
      while (j >= 0 && (!match(lines[static_cast<std::size_t>(j)].text, search) ||
                        is_placeholder(lines[static_cast<std::size_t>(j)].text)))
        --j;
      if (j < 0) linerr(Err::STOMP_NOT_FOUND, line, search);
      // A line whose whole text is stomped away stays, as an empty line.
      LineText& text = lines[static_cast<std::size_t>(j)].text;
      find_and_replace(text, search, replace, count_substr(text.str(), search));
    }
  }
  remove_lines(run, lines, kStomp);
  if (run.options.VERBOSE) print_debug(run, lines, "insert_stomp");
}

}  // namespace korvex
