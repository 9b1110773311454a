// Child files. Children run strictly one after another, depth first, after
// the parent's own output has been written. A file that creates itself,
// directly or through others, would recurse without end; it is reported
// with the chain of files instead, and so is nesting beyond the size of the
// CREATE chain.
#include "driver/child_files.h"

#include <climits>
#include <cstdlib>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "base/limits.h"
#include "base/run_state.h"
#include "driver/pipeline.h"
#include "output/depfile.h"
#include "text/paren.h"
#include "text/paths.h"
#include "text/strings.h"

namespace korvex {
namespace {

// One level of the CREATE chain used in error messages.
class TreeLevel {
 public:
  TreeLevel(RunState& state, const Line& create, const std::string& child) : state_(state) {
    if (state_.create_index >= kMaxCreateDepth)
      linerr(Err::CREATE_TOO_DEEP, create, kMaxCreateDepth);
    if (state_.create_tree.size() <= static_cast<size_t>(state_.create_index))
      state_.create_tree.resize(static_cast<size_t>(state_.create_index) + 1);
    Line& entry = state_.create_tree[static_cast<size_t>(state_.create_index)];
    entry = create;
    entry.text = child;
    ++state_.create_index;
  }
  ~TreeLevel() { --state_.create_index; }
  TreeLevel(const TreeLevel&) = delete;
  TreeLevel& operator=(const TreeLevel&) = delete;

 private:
  RunState& state_;
};

Line statement(const Line& create, std::string text) {
  Line l;
  l.file = create.file;
  l.num = create.num;
  l.text = std::move(text);
  return l;
}

// The source and definition names of a CREATE statement (DEFCMD part cut).
void create_names(const Line& line, std::string& child_src, std::string& child_def,
                  std::string& defcmds) {
  std::string head, keyword;
  if (match(line.text, "DEFCMD"))
    splitstring(line.text, "DEFCMD", head, defcmds);
  else
    head = line.text;
  first_three_words(head, keyword, child_src, child_def);
}

// Where insert_create will look for `name`, without reporting a missing
// file. A name with a control character is left to insert_create to report.
std::string quietly_located(RunContext& run, const Line& line, const std::string& name) {
  for (const std::string& d : run.options.incdirs)
    if (file_exists(run, line, d + name, true)) return d + name;
  return name;
}

}  // namespace

void note_create_inputs(RunContext& run, const Lines& lines) {
  std::string child_src, child_def, defcmds;
  for (const Line& line : lines) {
    if (!match(line.text, "CREATE")) continue;
    create_names(line, child_src, child_def, defcmds);
    for (const std::string* name : {&child_src, &child_def})
      if (!name->empty() && !holds_control_char(*name))
        note_file_to_read(run.state.inputs, quietly_located(run, line, *name));
  }
}

SourceChain::SourceChain(RunState& state, const std::string& source) : state_(state) {
  state_.source_chain.push_back(canonical_path(source));
}

SourceChain::~SourceChain() { state_.source_chain.pop_back(); }

Lines forwarded_lines(const Line& create, const Swaps& swaps, const Defs& defs,
                      const Loops& loops, const std::string& defcmds) {
  Lines out;
  for (const Swap& s : swaps)
    if (s.global) out.push_back(statement(create, "SWAP.GLOBAL " + s.name + " " + s.value));
  for (const Def& d : defs)
    if (d.global)
      out.push_back(statement(create, (d.defined ? "DEFINE.GLOBAL " : "UNDEF.GLOBAL ") + d.name));
  for (const Loop& l : loops)
    if (l.global)
      out.push_back(statement(create, "LOOP.GLOBAL " + l.name + " " + std::to_string(l.first) +
                                          " " + std::to_string(l.last)));
  std::string rest = defcmds;
  while (!rest.empty()) {
    std::string cmd = get_paren(create, rest, 1);
    find_and_replace(cmd, "SWAP", "SWAP.CMD", 0);
    find_and_replace(cmd, "DEFINE", "DEFINE.CMD", 0);
    find_and_replace(cmd, "UNDEF", "UNDEF.CMD", 0);
    out.push_back(statement(create, cmd));
    std::string before, after;
    splitstring(rest, "DEFCMD", before, after);
    rest = after;
  }
  return out;
}

int insert_create(RunContext& run, OutputState& output, const std::string& flags, int level,
                  const std::string& source, Lines& lines, const Defs& cmd_defs, const Swaps& swaps,
                  const Defs& defs, const Loops& loops, int build, bool builds_named) {
  int result = 0;
  for (const Line& line : lines) {
    if (!match(line.text, "CREATE") || line.unparsed) continue;
    std::string child_src, child_def, rest;
    create_names(line, child_src, child_def, rest);

    TreeLevel tree(run.state, line, child_src);
    // An error raised under this statement names the chain of CREATE
    // statements down to it; a deeper level has named its own already.
    try {
      child_src = find_path(run, line, child_src) + child_src;
      if (!child_def.empty()) child_def = find_path(run, line, child_def) + child_def;

      Lines forwarded = forwarded_lines(line, swaps, defs, loops, rest);
      if (forwarded.size() > static_cast<size_t>(run.options.MAX_DEFS) - 1)
        generr(Err::FORWARDED_FULL, extract_name(child_src), run.options.MAX_DEFS - 1);

      const std::string key = canonical_path(child_src);
      const std::vector<std::string>& source_chain = run.state.source_chain;
      for (size_t i = 0; i < source_chain.size(); ++i) {
        if (source_chain[i] != key) continue;
        std::string chain;
        for (size_t j = i; j < source_chain.size(); ++j)
          chain += extract_name(source_chain[j]) + " -> ";
        linerr(Err::CREATE_CYCLE, line, extract_name(child_src), chain + extract_name(key));
      }
      result += create(run, output, flags, level + 1, source, child_src, child_def, cmd_defs,
                       forwarded, build, builds_named);
    } catch (KorvexError& e) {
      e.frame(create_chain_block(run.state));
      throw;
    }
  }
  remove_lines(run, lines, "CREATE");
  return result;
}

}  // namespace korvex
