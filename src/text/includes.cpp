// Includes. A file that includes itself, directly or through others, would
// recurse without end: the chain of files being included is kept, and a file
// already on it is a line error naming the chain.
#include "text/includes.h"

#include <climits>
#include <cstdlib>

#include "driver/diagnostics.h"
#include "driver/errors.h"
#include "driver/limits.h"
#include "driver/settings.h"
#include "expr/evaluator.h"
#include "output/depfile.h"
#include "swaps/swap_table.h"
#include "text/normalize.h"
#include "text/paths.h"
#include "text/reader.h"
#include "text/strings.h"

namespace korvex {
namespace {

// The files being included, outermost first, by canonical path.
std::vector<std::string> include_chain;
std::vector<std::string> include_names;

std::string canonical(const std::string& name) {
  const std::string real = real_path(name);
  return real.empty() ? name : real;
}

class ChainEntry {
 public:
  ChainEntry(std::string key, std::string name) {
    include_chain.push_back(std::move(key));
    include_names.push_back(std::move(name));
  }
  ~ChainEntry() {
    include_chain.pop_back();
    include_names.pop_back();
  }
  ChainEntry(const ChainEntry&) = delete;
  ChainEntry& operator=(const ChainEntry&) = delete;
};

}  // namespace

void set_includes(Lines& lines, Lines& incl) {
  for (const Line& l : lines) {
    if (!match(l.text, "INCLUDE")) continue;
    incl.push_back(l);
    trace("source file included: " + l.text);
  }
  remove_lines(lines, "INCLUDE");
}

void include_file(const Line& rec, std::string s, Lines& out, Lines& ignored, const Swaps& swaps,
                  int defmode, const std::string& cmdfile) {
  shrink_spaces(s);
  std::string before, name;
  splitstring(s, "INCLUDE ", before, name);
  swap_line(name, swaps);
  if (match(name, "EXPR")) name = get_expr(rec, name);
  name = find_path(rec, name) + name;
  if (!file_exists(rec, name, 0, 1)) linerr(Err::INCLUDE_NOT_FOUND, rec, name);
  trace(rec.file.str() + " added INCLUDE file " + name);
  if (name == cmdfile) linerr(Err::INCLUDE_CMDLINE, rec, extract_name(cmdfile));

  std::string trimmed = name;
  remove_last_spaces(trimmed);
  const std::string key = canonical(trimmed);
  for (size_t i = 0; i < include_chain.size(); ++i) {
    if (include_chain[i] != key) continue;
    std::string chain;
    for (size_t j = i; j < include_names.size(); ++j) chain += include_names[j] + " -> ";
    linerr(Err::INCLUDE_CYCLE, rec, extract_name(trimmed), chain + extract_name(trimmed));
  }
  if (include_chain.size() >= static_cast<size_t>(kMaxIncludeDepth))
    linerr(Err::INCLUDE_TOO_DEEP, rec, kMaxIncludeDepth);
  ChainEntry entry(key, extract_name(trimmed));

  Lines raw, normalised;
  read_file(name, raw, 0);
  note_file_read(name);
  set_lines(raw, normalised, ignored, swaps, defmode, cmdfile);
  copy_lines(normalised, out, 1);
}

}  // namespace korvex
