// ITER ... ENDITER expansion and CONCAT folding.
//
// Inside an ITER block each line that mentions the iterator's name is
// repeated once per value of the range, with the name replaced by the value;
// the other lines stay once. A line holding CONCAT forms is not repeated but
// folded: each CONCAT(item sep) becomes the list of the item's instances from
// the last value down to the first (CONCAT.REV: first up), joined by the
// separator. Every ITER statement of the lines gets a pass of its own, in
// line order; a pass expands the first block of its name that is still there.
#include "loops/iter_expansion.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/budget.h"
#include "base/diagnostics.h"
#include "base/errors.h"
#include "expr/concat.h"
#include "loops/loop_table.h"
#include "text/strings.h"

namespace korvex {
namespace {

// The list of one CONCAT form: the item once per value, joined by
// " " + sep + " ".
std::string concat_list(const std::string& item, const std::string& sep, const std::string& name,
                        long long first, long long last, bool rev) {
  std::string list;
  const std::string joint = " " + sep + " ";
  const long long step = rev ? 1 : -1;
  const long long end = rev ? last + 1 : first - 1;
  for (long long v = rev ? first : last; v != end; v += step) {
    if (v != (rev ? first : last)) list += joint;
    std::string one = item;
    find_and_replace(one, name, std::to_string(v), 0);
    list += one;
  }
  return list;
}

// Folds every CONCAT and CONCAT.REV form of the text, each with its own item
// and separator, leftmost form first. A fold may bring in new forms (a
// CONCAT inside an item), so the number of items of one line is held to the
// line limit: the list stands for as many instances as a repeated line.
void fold_concats(RunContext& run, Line& line, const std::string& name, int first, int last) {
  const long long per_form = static_cast<long long>(last) - first + 1;
  long long items = 0;
  for (size_t at = line.text.find("CONCAT"); at != std::string::npos;
       at = line.text.find("CONCAT")) {
    // After the first form, a keyword with no parenthesis after it is no
    // form (the first one is taken as it stands).
    if (items > 0 && line.text.find('(', at) == std::string::npos) break;
    std::string whole, item, sep;
    const bool rev = get_concat(line, "CONCAT", whole, item, sep);
    // A form spoilt by substitution (no parenthesis right after the keyword)
    // is not found as written; it stays literal.
    if (!match(line.text, whole)) break;
    items += per_form;
    if (items > run.options.MAX_LINES) generr(Err::ITER_INSERT_FULL, run.options.MAX_LINES);
    find_and_replace(line.text, whole, concat_list(item, sep, name, first, last, rev), 0);
  }
}

bool opens(std::string_view text, const std::string& name) {
  return match(text, "ITER") && match(text, name);
}

// The passes of one call, made in a single sweep. A pass only rewrites the
// lines from its ITER statement to its ENDITER; the lines before and after
// stay as they are. So the passes run one after the other over an output
// (`out`, everything before the current position) and the rest of the input
// (`rest` from `at`): a pass looks for its ITER statement first among the
// output lines that hold "ITER" (kept in `iter_lines`), and only when one of
// them is it (an earlier pass left it behind) does the array get put back
// together and walked from its start. The line count a pass would reach at
// each point is the output size plus, after the block, the rest.
class IterSweep {
 public:
  IterSweep(RunContext& run, Lines& lines, const Loops& table)
      : run_(run), lines_(lines), table_(table), cap_(static_cast<size_t>(run.options.MAX_LINES)) {
    rest_ = std::move(lines);
    out_.reserve(rest_.size());
  }

  void pass(const std::string& name) {
    for (size_t k : iter_lines_)
      if (match(out_[k].text, name)) {
        rejoin();
        break;
      }
    while (at_ < rest_.size() && !opens(rest_[at_].text, name)) keep(std::move(rest_[at_++]));
    if (at_ < rest_.size()) block(name);
    if (out_.size() + (rest_.size() - at_) >= cap_) full();
    if (run_.options.VERBOSE && run_.options.DEBUG) {
      rejoin();
      print_debug(run_, rest_, "insert_iters");
    }
  }

  // Puts the lines back; every line went through a pass.
  void finish() {
    rejoin();
    for (Line& l : rest_) l.pending = 1;
    lines_ = std::move(rest_);
  }

 private:
  [[noreturn]] void full() { generr(Err::ITER_INSERT_FULL, run_.options.MAX_LINES); }

  void keep(Line&& line) {
    line.pending = 1;
    if (match(line.text, "ITER")) iter_lines_.push_back(out_.size());
    out_.push_back(std::move(line));
    if (out_.size() >= cap_) full();
  }

  // The whole array in `rest_`, the position at its start.
  void rejoin() {
    if (out_.empty() && at_ == 0) return;
    for (size_t i = at_; i < rest_.size(); ++i) out_.push_back(std::move(rest_[i]));
    rest_ = std::move(out_);
    out_ = Lines();
    out_.reserve(rest_.size());
    at_ = 0;
    iter_lines_.clear();
  }

  // Expands the block opened at `at_`, up to and including its ENDITER.
  void block(const std::string& name) {
    const Line& opener = rest_[at_];
    Loop range;
    if (count_string(opener.text) < 3)
      range = table_[get_loop_index(opener, name, table_, 0)];
    else
      parse_loop_statement(run_, opener, range);
    if (run_.options.VERBOSE) {
      trace(run_, "");
      trace(run_, "Starting ITER " + name + " " + std::to_string(range.first) + " -> " +
                      std::to_string(range.last));
    }
    reserve_block(name, range);
    for (++at_; at_ < rest_.size(); ++at_) {
      Line& line = rest_[at_];
      const LineText& text = line.text;
      if (match(text, "ENDITER") && match(text, name)) {
        ++at_;
        return;
      }
      if (!match(text, name) || is_placeholder(text)) {
        keep(std::move(line));
        continue;
      }
      if (match(text, "ITER")) linerr(Err::ITER_REDEFINED, line, name);
      if (match(text, "CONCAT")) {
        Line folded = line;
        fold_concats(run_, folded, name, range.first, range.last);
        keep(std::move(folded));
        continue;
      }
      for (long long v = range.first; v <= range.last; ++v) {
        Line copy = line;
        find_and_replace(copy.text, name, std::to_string(v), 0);
        charge_text(run_, line, copy.text.size());
        keep(std::move(copy));
      }
    }
  }

  // Room for the expanded block and the rest, when that fits under the limit.
  void reserve_block(const std::string& name, const Loop& range) {
    unsigned long long repeated = 0;
    for (size_t i = at_ + 1; i < rest_.size(); ++i) {
      const LineText& text = rest_[i].text;
      if (match(text, "ENDITER") && match(text, name)) break;
      if (match(text, name) && !match(text, "CONCAT")) ++repeated;
    }
    const unsigned long long need =
        out_.size() + (rest_.size() - at_) +
        repeated * static_cast<unsigned long long>(range.last - range.first);
    // Growing by at least half keeps many small blocks from moving the lines
    // made so far once per block.
    if (need < cap_ && need > out_.capacity())
      out_.reserve(std::min<unsigned long long>(
          cap_, std::max<unsigned long long>(need, out_.capacity() + out_.capacity() / 2)));
  }

  RunContext& run_;
  Lines& lines_;
  const Loops& table_;
  const size_t cap_;
  Lines out_;
  Lines rest_;
  size_t at_ = 0;
  std::vector<size_t> iter_lines_;  // positions in out_ of lines holding "ITER"
};

}  // namespace

int insert_iters(RunContext& run, Lines& lines, const Loops& table) {
  std::vector<std::string> names;
  for (const Line& line : lines)
    if (match(line.text, "ITER") && !match(line.text, "ENDITER"))
      names.push_back(extract_string(line.text, "ITER ", " "));
  if (names.empty()) return 0;
  IterSweep sweep(run, lines, table);
  for (const std::string& name : names) sweep.pass(name);
  sweep.finish();
  return 1;
}

}  // namespace korvex
