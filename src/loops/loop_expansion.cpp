// LOOP ... ENDLOOP expansion.
//
// One call expands the outermost blocks it meets: the body of a block is
// written once per value of its range, with the loop's name replaced by the
// value as a plain substring. Nested LOOP and ENDLOOP statements stay in the
// body, so the pipeline's substitution run between calls can act on the new
// lines before the next call expands the next level.
//
// The output is built once, its size checked as each line is added, so a huge
// range stops at the line limit without building more; the array is then
// replaced by it.
#include "loops/loop_expansion.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "base/budget.h"
#include "base/diagnostics.h"
#include "base/errors.h"
#include "loops/loop_table.h"
#include "text/checks.h"
#include "text/strings.h"

namespace korvex {
namespace {

// The block being read.
struct Block {
  size_t opener = 0;         // position of the LOOP statement
  std::string name;
  bool local = false;        // range given in the statement
  int first = 0;
  int last = 0;
  std::vector<size_t> body;  // positions of the body lines
};

void open_block(RunContext& run, const Line& line, const Loops& table, Block& block) {
  block.local = count_string(line.text) >= 3;
  if (block.local) {
    Loop range;
    parse_loop_statement(run, line, range);
    block.first = range.first;
    block.last = range.last;
  }
  block.name = extract_string(line.text, "LOOP ", " ");
  if (!block.local) {
    const Loop& range = table[get_loop_index(line, block.name, table, 0)];
    block.first = range.first;
    block.last = range.last;
  }
  block.body.clear();
}

// Cuts `text` at every occurrence of `name` (not empty): the pieces before,
// between and after them.
void split_at(std::string_view text, const std::string& name,
              std::vector<std::string_view>& pieces) {
  const std::string_view t(text);
  size_t start = 0;
  for (size_t pos = t.find(name); pos != std::string_view::npos; pos = t.find(name, start)) {
    pieces.push_back(t.substr(start, pos - start));
    start = pos + name.size();
  }
  pieces.push_back(t.substr(start));
}

bool closes(std::string_view text, const std::string& name) {
  // Without "ENDLOOP " the word after it reads as empty.
  if (!match(text, "ENDLOOP ")) return name.empty();
  return extract_string(text, "ENDLOOP ", " ") == name;
}

}  // namespace

int insert_loops(RunContext& run, Lines& lines, const Loops& table) {
  // The last round of the pipeline finds nothing: leave the array alone.
  const size_t cap = static_cast<size_t>(run.options.MAX_LINES);
  bool any = false;
  for (const Line& line : lines)
    if (match(line.text, "LOOP") && !check_loop_param(line.text)) {
      any = true;
      break;
    }
  if (!any) {
    // Copying the lines over would reach the limit as well.
    if (lines.size() >= cap) generr(Err::LOOP_INSERT_FULL, run.options.MAX_LINES);
    if (run.options.VERBOSE) print_debug(run, lines, "insert loops");
    return 0;
  }

  Lines out;
  out.reserve(lines.size());
  auto emit = [&](Line&& line) {
    out.push_back(std::move(line));
    if (out.size() >= cap) generr(Err::LOOP_INSERT_FULL, run.options.MAX_LINES);
  };

  int result = 0;
  bool inside = false;
  Block block;
  for (size_t i = 0; i < lines.size(); ++i) {
    Line& line = lines[i];
    if (!inside) {
      if (match(line.text, "LOOP") && !check_loop_param(line.text)) {
        result = 1;
        inside = true;
        block.opener = i;
        open_block(run, line, table, block);
      } else {
        emit(std::move(line));
      }
      continue;
    }
    if (!closes(line.text, block.name)) {
      block.body.push_back(i);
      continue;
    }
    inside = false;
    if (run.options.VERBOSE) {
      trace(run, "");
      trace(run, std::string("Starting ") + (block.local ? "local" : "global") +
                     " LOOP: " + block.name + " " + std::to_string(block.first) + " -> " +
                     std::to_string(block.last));
    }
    if (block.body.empty()) continue;  // nothing to repeat, however long the range
    // Room for the whole expansion and the rest, when it fits under the limit.
    const unsigned long long need = out.size() + (lines.size() - i) +
        static_cast<unsigned long long>(block.body.size()) *
            static_cast<unsigned long long>(block.last - block.first + 1LL);
    // Growing by at least half keeps many small blocks from moving the lines
    // made so far once per block.
    if (need < cap && need > out.capacity())
      out.reserve(std::min<unsigned long long>(cap, std::max<unsigned long long>(
                                                        need, out.capacity() + out.capacity() / 2)));
    // Each body line is cut once at the occurrences of the name (left to
    // right, never overlapping, as find_and_replace replaces them); every
    // repetition then joins the pieces around its value.
    std::vector<std::vector<std::string_view>> pieces(block.body.size());
    for (size_t k = 0; k < block.body.size(); ++k) {
      const LineText& text = lines[block.body[k]].text;
      if (is_placeholder(text)) continue;
      split_at(text, block.name, pieces[k]);
    }
    std::string value;
    for (long long v = block.first; v <= block.last; ++v) {
      value = std::to_string(v);
      for (size_t k = 0; k < block.body.size(); ++k) {
        const Line& body = lines[block.body[k]];
        // Made in place: the expansion is most of what a large run allocates.
        Line& copy = out.emplace_back();
        copy.file = body.file;
        copy.remark = body.remark;
        copy.num = body.num;
        copy.indent = body.indent;
        copy.pending = 1;
        if (pieces[k].size() <= 1) {
          copy.text = body.text;
        } else {
          size_t size = value.size() * (pieces[k].size() - 1);
          for (std::string_view p : pieces[k]) size += p.size();
          copy.text.reserve(size);
          copy.text.append(pieces[k][0]);
          for (size_t p = 1; p < pieces[k].size(); ++p) {
            copy.text += value;
            copy.text.append(pieces[k][p]);
          }
        }
        charge_text(run, body, copy.text.size());
        if (out.size() >= cap) generr(Err::LOOP_INSERT_FULL, run.options.MAX_LINES);
      }
    }
  }
  // A block that never closes would lose its lines.
  if (inside) linerr(Err::LOOP_NO_ENDLOOP, lines[block.opener], block.name);

  lines = std::move(out);
  if (run.options.VERBOSE) print_debug(run, lines, "insert loops");
  return result;
}

}  // namespace korvex
