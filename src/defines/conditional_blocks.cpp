// Conditional blocks: keeps or drops the branches of IFDEF / ELSE / ENDIF
// blocks by the define table, and turns every DVAL(name) into 1 or 0.
//
// Normalisation has already reduced every conditional form to the three
// statements "IFDEF name", "ELSE name" and "ENDIF name". Lines to drop get the
// text "REMOVE_DEF" and are deleted at the end of the pass, so indices stay
// valid while blocks are resolved. A non-final run (all == 0) looks only at
// pending lines and resolves only blocks whose name is defined; the final run
// resolves everything. Nested blocks are followed with an explicit stack of
// open blocks, so deep nesting cannot exhaust the call stack.
#include "defines/conditional_blocks.h"

#include <vector>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "defines/define_table.h"
#include "expr/concat.h"
#include "text/strings.h"

namespace korvex {
namespace {

constexpr const char* kRemoveDef = "REMOVE_DEF";

// Marks `line` for deletion at the end of the pass.
void mark(Line& line) {
  static const LineText kMark = LineText::literal(kRemoveDef);
  line.text = kMark;
}

// The word after `keyword` (which ends in a blank), runs of blanks counted as one.
std::string word_after(std::string_view text, const char* keyword) {
  return extract_string(text, keyword, " ");
}

// Whether the word after `keyword` is `name`, as word_after gives it; a text
// without a run of blanks is compared where it is.
bool word_after_is(std::string_view text, std::string_view keyword, std::string_view name) {
  if (text.find("  ") != std::string_view::npos) return word_after(text, keyword.data()) == name;
  const size_t at = text.find(keyword);
  if (at == std::string_view::npos) return name.empty();
  const size_t from = at + keyword.size();
  const size_t end = text.find(' ', from);
  return text.substr(from, end == std::string_view::npos ? end : end - from) == name;
}

// One block being resolved.
struct OpenBlock {
  int a0;             // index of its IFDEF line
  std::string name;
  LineText text;      // its text before it was marked
  bool removing;      // the block lies in a branch being dropped
  bool active;        // the branch being walked is kept
  bool skip;          // undefined nested block in a non-final run: left whole
};

// `name` is the block's name when the caller has it already; `defined`,
// that the caller has looked it up and found it defined.
OpenBlock open_block(RunContext& run, int a0, const Lines& lines, const Defs& table, bool removing,
                     int all, bool build_only, const std::string* name = nullptr,
                     bool defined = false) {
  OpenBlock b;
  b.a0 = a0;
  b.text = lines[a0].text;
  b.name = name ? *name : word_after(b.text, "IFDEF ");
  b.removing = removing;
  if (verbose_trace(run)) {
    trace(run, "");
    trace(run, "Starting def " + b.name);
  }
  // The build selection resolves only BUILD blocks: another block met in a
  // kept build is left whole for the define pass (one in a dropped build
  // goes with it).
  if (build_only && !removing && !match(b.name, "BUILD")) {
    b.active = false;
    b.skip = true;
    return b;
  }
  b.active = removing ? false : defined || get_def_index(run, lines[a0], b.name, table) >= 0;
  b.skip = !removing && !b.active && all == 0;
  return b;
}

// The blocks open while one is resolved, kept from block to block.
using OpenBlocks = std::vector<OpenBlock>;

// Resolves the block whose IFDEF is at a0; returns the index of its ENDIF.
int resolve_block(RunContext& run, int a0, Lines& lines, const Defs& table, bool removing, int all,
                  bool build_only, OpenBlocks& open, const std::string* name = nullptr,
                  bool defined = false) {
  open.clear();
  open.push_back(open_block(run, a0, lines, table, removing, all, build_only, name, defined));
  int a = a0;
  if (!open.back().skip) {
    mark(lines[a0]);
    a = a0 + 1;
  }
  const int n = static_cast<int>(lines.size());
  for (;;) {
    if (a >= n) {
      Line shown = lines[open.back().a0];
      shown.text = open.back().text;
      linerr(Err::IFDEF_NO_ENDIF, shown);
    }
    OpenBlock& b = open.back();
    const LineText& text = lines[a].text;
    if (!has_capital(text)) {
      // No keyword: a line like any other of its branch.
      if (!b.skip && !b.active) mark(lines[a]);
      ++a;
      continue;
    }
    int closed = -1;  // set when line a closes block b
    if (b.skip) {
      if (match(text, "ENDIF ") && word_after_is(text, "ENDIF ", b.name)) closed = a;
    } else if (match(text, "ELSE ")) {
      if (!word_after_is(text, "ELSE ", b.name)) linerr(Err::ELSE_MISMATCH, lines[a], b.a0);
      b.active = b.removing ? false : !b.active;
      mark(lines[a]);
    } else if (match(text, "ENDIF ")) {
      if (!word_after_is(text, "ENDIF ", b.name)) linerr(Err::ENDIF_MISMATCH, lines[a], b.a0);
      mark(lines[a]);
      if (run.options.VERBOSE) print_debug(run, lines, "mark_defs");
      closed = a;
    } else if (match(text, "IFDEF ")) {
      const bool drop = !b.active;
      open.push_back(open_block(run, a, lines, table, drop, all, build_only));
      if (open.back().skip) continue;  // a skipped block is scanned from its IFDEF line
      mark(lines[a]);
    } else if (!b.active) {
      mark(lines[a]);
    }
    if (closed >= 0) {
      open.pop_back();
      if (open.empty()) return closed;
    }
    ++a;
  }
}

// Replaces every DVAL form of the line by 1 (its name is defined) or 0.
void replace_dvals(RunContext& run, Line& line, const Defs& table) {
  while (match(line.text, "DVAL(")) {
    std::string whole, item, sep;
    get_concat(line, "DVAL", whole, item, sep);
    const std::string before = line.text.str();
    find_and_replace(line.text, whole, get_def_index(run, line, item, table) >= 0 ? "1" : "0", 0);
    // A "DVAL" before the first form that is not one itself (DVALX(..) DVAL(..))
    // names a form that is not in the text: nothing more can be replaced.
    if (line.text == before) break;
  }
}

}  // namespace

int mark_defs(RunContext& run, int a0, Lines& lines, const Defs& table, bool removing, int all) {
  OpenBlocks open;
  return resolve_block(run, a0, lines, table, removing, all, false, open);
}

void insert_defs(RunContext& run, Lines& lines, const Defs& table, Scope scope, Blocks blocks) {
  const int all = scope == Scope::kAll ? 1 : 0;
  const bool build_only = blocks == Blocks::kBuildOnly;
  if (verbose_trace(run)) {
    trace(run, "");
    trace(run, "Starting def ");
  }
  // A resolved block leaves its kept lines in place and marks the others, so
  // the walk goes on with the line after the IFDEF: the kept lines get their
  // own DVAL forms and pending IFDEFs handled like any other line. The marked
  // lines are deleted after the walk.
  const size_t n = lines.size();
  OpenBlocks open;
  for (size_t i = 0; i < n; ++i) {
    Line& line = lines[i];
    if (has_capital(line.text) && (all || line.pending)) {
      if (match(line.text, "IFDEF")) {
        // The build selection leaves blocks other than BUILD ones to the define pass.
        const std::string name = word_after(line.text, "IFDEF ");
        const int at = static_cast<int>(i);
        const bool considered = !build_only || match(name, "BUILD");
        if (considered && all) {
          resolve_block(run, at, lines, table, false, all, build_only, open, &name);
        } else if (considered && get_def_index(run, line, name, table) >= 0) {
          // A TRUE(...) condition is decided again, as every lookup decides it.
          const bool decided = !match(name, "TRUE(");
          resolve_block(run, at, lines, table, false, all, build_only, open, &name, decided);
        }
      } else if (match(line.text, "DVAL(")) {
        replace_dvals(run, line, table);
      }
    }
  }
  remove_lines(run, lines, kRemoveDef);
  if (run.options.VERBOSE) print_debug(run, lines, "insert_defs");
}

void remove_ifdef_true(RunContext& run, Lines& lines, Lines& aside) {
  aside.clear();
  int depth = 0;
  for (Line& line : lines) {
    if (!(match(line.text, "IF") && match(line.text, "TRUE")) && depth <= 0) continue;
    Line kept;
    copy_line(line, kept, 1);
    push_line(run.options, aside, std::move(kept));
    const std::string was = line.text.str();
    line.text = "IFDEFTRUE";
    if (match(was, "IFDEF"))
      ++depth;
    else if (match(was, "ENDIF"))
      --depth;
  }
  remove_lines(run, lines, "IFDEFTRUE");
}

}  // namespace korvex
