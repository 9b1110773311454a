// Include splicing. A file that includes itself, directly or through others,
// would recurse without end: the chain of files being included is kept, and
// a file already on it is a line error naming the chain.
#include "driver/include_splicing.h"

#include <climits>
#include <cstdlib>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "base/limits.h"
#include "expr/evaluator.h"
#include "output/depfile.h"
#include "swaps/swap_table.h"
#include "text/normalize.h"
#include "text/paths.h"
#include "text/reader.h"
#include "text/strings.h"

namespace korvex {
namespace {

// Splices the INCLUDE statements of one definition stream, and of the files
// they include in turn.
class Splicer {
 public:
  Splicer(RunContext& run, const Swaps& swaps, const std::string& cmdfile)
      : run_(run), swaps_(swaps), cmdfile_(cmdfile) {}

  int normalize(Lines& in, Lines& out, Lines& ignored) {
    return set_lines(run_, in, out, ignored, Stream::kDefinition,
                     [this](const Line& rec, const std::string& s, Lines& o, Lines& ign) {
                       include_file(rec, s, o, ign);
                     });
  }

 private:
  void include_file(const Line& rec, std::string s, Lines& out, Lines& ignored);

  RunContext& run_;
  const Swaps& swaps_;
  const std::string& cmdfile_;
  // The files being included, outermost first, by canonical path.
  std::vector<std::string> chain_;
  std::vector<std::string> names_;
};

// One level of the include chain.
class ChainEntry {
 public:
  ChainEntry(std::vector<std::string>& chain, std::vector<std::string>& names, std::string key,
             std::string name)
      : chain_(chain), names_(names) {
    chain_.push_back(std::move(key));
    names_.push_back(std::move(name));
  }
  ~ChainEntry() {
    chain_.pop_back();
    names_.pop_back();
  }
  ChainEntry(const ChainEntry&) = delete;
  ChainEntry& operator=(const ChainEntry&) = delete;

 private:
  std::vector<std::string>& chain_;
  std::vector<std::string>& names_;
};


void Splicer::include_file(const Line& rec, std::string s, Lines& out, Lines& ignored) {
  shrink_spaces(s);
  std::string before, name;
  splitstring(s, "INCLUDE ", before, name);
  swap_line(name, swaps_);
  if (match(name, "EXPR")) name = get_expr(run_, rec, name);
  name = find_path(run_, rec, name) + name;
  if (!file_exists(run_, rec, name, true)) linerr(Err::INCLUDE_NOT_FOUND, rec, name);
  trace(run_, rec.file.str() + " added INCLUDE file " + name);
  if (name == cmdfile_) linerr(Err::INCLUDE_CMDLINE, rec, extract_name(cmdfile_));

  std::string trimmed = name;
  remove_last_spaces(trimmed);
  const std::string key = canonical_path(trimmed);
  for (size_t i = 0; i < chain_.size(); ++i) {
    if (chain_[i] != key) continue;
    std::string chain;
    for (size_t j = i; j < names_.size(); ++j) chain += names_[j] + " -> ";
    linerr(Err::INCLUDE_CYCLE, rec, extract_name(trimmed), chain + extract_name(trimmed));
  }
  if (chain_.size() >= static_cast<size_t>(kMaxIncludeDepth))
    linerr(Err::INCLUDE_TOO_DEEP, rec, kMaxIncludeDepth);
  ChainEntry entry(chain_, names_, key, extract_name(trimmed));

  Lines raw, normalised;
  read_file(run_, name, raw);
  note_file_read(run_.state.inputs, name);
  normalize(raw, normalised, ignored);
  copy_lines(run_.options, normalised, out, 1);
}

}  // namespace

int set_definition_lines(RunContext& run, Lines& in, Lines& out, Lines& ignored, const Swaps& swaps,
                         const std::string& cmdfile) {
  Splicer splicer(run, swaps, cmdfile);
  return splicer.normalize(in, out, ignored);
}

}  // namespace korvex
