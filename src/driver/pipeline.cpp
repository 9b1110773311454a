// The file pipeline.
//
// The start: read, normalise, check and count the source; assemble, normalise
// and count the definition stream. Then, per build: read both files again
// for every build after the first, build the definition tables, run the
// source passes in their fixed order and write the result. Apart from the
// substitution runs, the final group expansion and the return of unparsed
// regions, a pass runs only when the census counted its directive.
#include "driver/pipeline.h"

#include "base/diagnostics.h"
#include "base/errors.h"
#include "base/memory.h"
#include "base/run_state.h"
#include "defines/builds.h"
#include "defines/conditional_blocks.h"
#include "defines/define_table.h"
#include "driver/child_files.h"
#include "driver/include_splicing.h"
#include "expr/conditions.h"
#include "expr/inline_funcs.h"
#include "groups/group_definitions.h"
#include "groups/group_expansion.h"
#include "groups/ports.h"
#include "loops/iter_expansion.h"
#include "loops/loop_expansion.h"
#include "loops/loop_table.h"
#include "output/depfile.h"
#include "output/file_list.h"
#include "output/out_files.h"
#include "output/output_state.h"
#include "output/writer.h"
#include "swaps/check.h"
#include "swaps/swap_table.h"
#include "text/census.h"
#include "text/checks.h"
#include "text/includes.h"
#include "text/normalize.h"
#include "text/paths.h"
#include "text/reader.h"

namespace korvex {
namespace {

// Everything one call of create owns.
struct FileRun {
  std::string flags;
  int level = 0;
  std::string parent;
  std::string source;
  std::string definition;
  const Defs* cmd_defs = nullptr;
  const Lines* forwarded = nullptr;

  Lines source_lines;
  Lines ignored;
  Lines includes;
  Lines definition_lines;
  Lines aside;
  Swaps cmd_swaps;
  Swaps swaps;
  Defs defs;
  Groups groups;
  Loops loops;
  cntr src_census;
  cntr def_census;
  std::string filelist_name;
  bool uses_definition = false;
  bool builds_named = false;  // errors name the build: the file has several, or its parent had
};

const Line& context(const Lines& forwarded) {
  static const Line none;
  return forwarded.empty() ? none : forwarded[0];
}

// A name without directory part is looked for in the include directories.
std::string located(RunContext& run, const std::string& name, const Lines& forwarded) {
  if (!extract_path(name).empty()) return name;
  return find_path(run, context(forwarded), name) + name;
}

// Reads and normalises the source (again for every build after the first).
void read_source(RunContext& run, FileRun& r) {
  Lines raw;
  read_file(run, r.source, raw);
  note_file_read(run.state.inputs, r.source);
  set_lines(run, raw, r.source_lines, r.ignored, Stream::kSource);
}

// Assembles the definition stream: the source's INCLUDE statements and the
// definition file's lines, normalised with their includes spliced, then the
// lines a parent forwarded.
void read_definition(RunContext& run, FileRun& r) {
  Lines raw;
  if (r.src_census.include_count > 0) raw = r.includes;
  if (!r.definition.empty()) {
    Lines file;
    read_file(run, r.definition, file);
    note_file_read(run.state.inputs, r.definition);
    copy_lines(run.options, raw, file, 1);
    raw.swap(file);
  }
  set_definition_lines(run, raw, r.definition_lines, r.ignored, r.cmd_swaps, r.definition);
  copy_lines(run.options, *r.forwarded, r.definition_lines, 1);
}

void start(RunContext& run, FileRun& r) {
  if (run.options.DEBUG) {
    trace(run, "");
    trace(run, r.parent + " -> source file: " + r.source);
    trace(run, "definition file: " + r.definition);
    trace(run, "DEFCMDs: ");
    print_debug(run, *r.forwarded, "create");
  }
  if (!r.forwarded->empty()) {
    trace(run, "command swaps:");
    set_swaps(run, *r.forwarded, r.cmd_swaps, 0);
  }
  r.source = located(run, r.source, *r.forwarded);

  read_source(run, r);
  check_lines(r.source_lines, &r.src_census);
  if (r.src_census.include_count > 0) set_includes(run, r.source_lines, r.includes);

  r.uses_definition =
      !r.definition.empty() || !r.forwarded->empty() || r.src_census.include_count > 0;
  if (!r.uses_definition) {
    trace(run, "Warning: definition file not used");
    r.def_census.build_count = 1;
    return;
  }
  if (!r.definition.empty()) r.definition = located(run, r.definition, *r.forwarded);
  read_definition(run, r);
  count(*r.forwarded, r.def_census);
  count(r.definition_lines, r.def_census);
  if (r.def_census.true_ifdef_count > 0) remove_ifdef_true(run, r.definition_lines, r.aside);
  if (r.def_census.build_count > 0) {
    set_builds(run, r.definition_lines);
    remove_builds(run, r.definition_lines, 0);
  } else {
    r.def_census.build_count = 1;
  }
}

// Every build after the first reads both files again.
void reread(RunContext& run, FileRun& r, int b) {
  r.definition_lines.clear();
  r.aside.clear();
  read_definition(run, r);
  if (r.def_census.true_ifdef_count > 0) remove_ifdef_true(run, r.definition_lines, r.aside);
  set_builds(run, r.definition_lines);
  remove_builds(run, r.definition_lines, b);
  r.source_lines.clear();
  read_source(run, r);
  remove_lines(run, r.source_lines, "INCLUDE");
}

// The definition tables of one build.
void definition_tables(RunContext& run, FileRun& r, int b) {
  cntr& dc = r.def_census;
  trace(run, "Starting build " + std::to_string(b) + " / " + std::to_string(dc.build_count - 1));
  r.defs.clear();
  r.groups.clear();
  r.loops.clear();
  if (dc.line_count < 1) {
    r.swaps.clear();
    dc.swap_count = set_swaps(run, Lines(), r.swaps, b);
    trace(run, "Warning: definition file is empty");
    return;
  }
  Lines& d = r.definition_lines;
  dc.define_count = set_defs(run, d, r.defs, *r.cmd_defs);
  insert_defs(run, d, r.defs, Scope::kAll, Blocks::kEvery);
  r.swaps.clear();
  dc.swap_count = set_swaps(run, d, r.swaps, b);
  insert_swaps(run, d, r.swaps, Scope::kPending);
  if (dc.true_ifdef_count > 0) {
    copy_lines(run.options, r.aside, d, 1);
    insert_swaps(run, d, r.swaps, Scope::kPending);
    insert_defs(run, d, r.defs, Scope::kAll, Blocks::kEvery);
    r.swaps.clear();
    dc.swap_count = set_swaps(run, d, r.swaps, b);
  }
  if (dc.group_count > 0) set_groups(run, d, r.groups);
  if (dc.loop_count > 0) set_loops(run, d, r.loops);
  if (dc.case_count > 0) insert_case(d);
  if (dc.check_count > 0) check_swaps(run, d, r.swaps);
  if (dc.verify_count > 0) check_verify(run, d);
  if (dc.list_count > 0) r.filelist_name = set_filelist(run, d);
  if (run.options.DEBUG) {
    trace(run, "Final definition file start:");
    print_debug(run, d, "");
    trace(run, "Final definition file end");
    trace(run, "");
  }
  d.clear();
}

// Expands group references until a pass changes nothing, then substitutes
// the swaps into what the groups brought in.
void expand_groups_repeatedly(RunContext& run, Lines& s, const Groups& groups, const Swaps& swaps) {
  int changed = 1;
  while (changed && insert_groups(run, s, groups, GroupPass::kRepeated, &changed) >= 0) {}
  insert_swaps(run, s, swaps, Scope::kPending);
}

// Writes the build's per-file list; a lint run only checks that the list it
// would write is no input of the run.
void list_build_files(RunContext& run, OutputState& output, std::string filelist_name) {
  if (run.options.LINT) {
    if (!filelist_name.empty() && output.outname != "STDO")
      check_not_input(run.state.inputs, filelist_name);
  } else {
    print_filelist(run, output, filelist_name, output.local_outfiles, true);
  }
}

// The source passes of one build, in their fixed order: one line a pass,
// with the condition it runs under.
int source_passes(RunContext& run, OutputState& output, FileRun& r, int b) {
  Lines& s = r.source_lines;
  const cntr& sc = r.src_census;
  const cntr& dc = r.def_census;
  // A substitution run over the lines a pass made or changed.
  auto substitute_pending = [&] {
    insert_swaps_defs(run, dc, s, r.swaps, r.defs, Scope::kPending);
  };
  int differences = 0;

  substitute_pending();
  if (sc.check_count > 0) check_swaps(run, s, r.swaps);
  if (sc.verify_count > 0) check_verify(run, s);
  if (sc.loop_count > 0) while (insert_loops(run, s, r.loops)) substitute_pending();
  if (sc.iter_count > 0) while (insert_iters(run, s, r.loops)) substitute_pending();
  if (sc.group_count > 0) expand_groups_repeatedly(run, s, r.groups, r.swaps);
  if (sc.expr_count > 0 || dc.expr_count > 0) { if (insert_expr(run, s)) substitute_pending(); }
  if (sc.dupl_count > 0) { if (insert_dupl(run, s)) substitute_pending(); }
  insert_swaps_defs(run, dc, s, r.swaps, r.defs, Scope::kAll);
  insert_groups(run, s, r.groups, GroupPass::kFinal);
  if (sc.const_count > 0) remove_const(s);
  if (sc.ports_count > 0) insert_ports(s);
  if (sc.case_count > 0) insert_case(s);
  if (sc.stomp_count > 0) remove_stomp(run, s);
  if (sc.outdir_count > 0) set_outdir(run, output, s);
  if (sc.create_count > 0) note_create_inputs(run, s);
  if (sc.outfile_count > 0) set_outfile(run, output, s);
  else if (!run.options.OUTFLAG) output.OUT = false;
  insert_ignored(s, r.ignored);
  if (run.options.HEADER) insert_header(run, r.flags, r.parent, s, r.source);
  differences += print_lines(run, output, r.level, s, r.defs);
  if (sc.create_count > 0)
    differences += insert_create(run, output, r.flags, r.level, r.source, s, *r.cmd_defs,
                                 r.swaps, r.defs, r.loops, b, r.builds_named);
  if (dc.list_count > 0) list_build_files(run, output, r.filelist_name);
  return differences;
}

}  // namespace

int create(RunContext& run, OutputState& output, const std::string& flags, int level,
           const std::string& parent, std::string source, std::string definition,
           const Defs& cmd_defs, const Lines& forwarded, int build, bool parent_builds_named) {
  FileRun r;
  r.flags = flags;
  r.level = level;
  r.parent = parent;
  r.source = std::move(source);
  r.definition = std::move(definition);
  r.cmd_defs = &cmd_defs;
  r.forwarded = &forwarded;
  SourceChain chain(run.state, r.source);

  start(run, r);
  const int first = build >= 0 ? build : 0;
  const int last = build >= 0 ? build : r.def_census.build_count - 1;
  // Errors name the build when the file has several, or its parent had.
  r.builds_named = r.def_census.build_count > 1 || parent_builds_named;
  int differences = 0;
  for (int b = first; b <= last; ++b) {
    try {
      if (b > 0) reread(run, r, b);
      definition_tables(run, r, b);
      differences += source_passes(run, output, r, b);
    } catch (KorvexError& e) {
      e.name_build(r.builds_named ? b : -1);
      throw;
    }
  }
  if (level == 0 && run.options.leave_to_exit) leave_to_exit(std::move(r.source_lines));
  return differences;
}

}  // namespace korvex
