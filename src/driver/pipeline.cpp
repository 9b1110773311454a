// The file pipeline.
//
// Start (A): read, normalise, check and count the source; assemble, normalise
// and count the definition stream. Then, per build (B, C): re-read both files
// for every build after the first, build the definition tables (D), run the
// source passes in their fixed order (E) and write the result. Apart from the
// substitution runs, the final group expansion and the return of unparsed
// regions, a pass runs only when the census counted its directive.
#include "driver/pipeline.h"

#include "defines/builds.h"
#include "defines/conditional_blocks.h"
#include "defines/define_table.h"
#include "driver/census.h"
#include "driver/child_files.h"
#include "driver/diagnostics.h"
#include "driver/memory.h"
#include "driver/settings.h"
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
#include "output/writer.h"
#include "swaps/check.h"
#include "swaps/swap_table.h"
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
};

const Line& context(const Lines& forwarded) {
  static const Line none;
  return forwarded.empty() ? none : forwarded[0];
}

// A name without directory part is looked for in the include directories.
std::string located(const std::string& name, const Lines& forwarded) {
  if (!extract_path(name).empty()) return name;
  return find_path(context(forwarded), name) + name;
}

// Reads and normalises the source (A4, and C for later builds).
void read_source(FileRun& r) {
  Lines raw;
  read_file(r.source, raw, 0);
  note_file_read(r.source);
  set_lines(raw, r.source_lines, r.ignored, r.cmd_swaps, 0, r.definition);
}

// Assembles the definition stream (A7.1 to A7.4): the definition file's lines,
// the source's INCLUDE statements, normalised, then the forwarded lines.
void read_definition(FileRun& r) {
  Lines raw;
  if (r.src_census.include_count > 0) raw = r.includes;
  if (!r.definition.empty()) {
    Lines file;
    read_file(r.definition, file, 0);
    note_file_read(r.definition);
    copy_lines(raw, file, 1);
    raw.swap(file);
  }
  set_lines(raw, r.definition_lines, r.ignored, r.cmd_swaps, 1, r.definition);
  copy_lines(*r.forwarded, r.definition_lines, 1);
}

void start(FileRun& r) {
  if (settings.DEBUG) {
    trace("");
    trace(r.parent + " -> source file: " + r.source);
    trace("definition file: " + r.definition);
    trace("DEFCMDs: ");
    print_debug(*r.forwarded, "create");
  }
  if (!r.forwarded->empty()) {
    trace("command swaps:");
    set_swaps(*r.forwarded, r.cmd_swaps, 0);
  }
  r.source = located(r.source, *r.forwarded);

  read_source(r);
  check_lines(r.source_lines, &r.src_census);
  if (r.src_census.include_count > 0) set_includes(r.source_lines, r.includes);

  r.uses_definition =
      !r.definition.empty() || !r.forwarded->empty() || r.src_census.include_count > 0;
  if (!r.uses_definition) {
    trace("Warning: definition file not used");
    r.def_census.build_count = 1;
    return;
  }
  if (!r.definition.empty()) r.definition = located(r.definition, *r.forwarded);
  read_definition(r);
  count(*r.forwarded, r.def_census);
  count(r.definition_lines, r.def_census);
  if (r.def_census.true_ifdef_count > 0) remove_ifdef_true(r.definition_lines, r.aside);
  if (r.def_census.build_count > 0) {
    set_builds(r.definition_lines);
    remove_builds(r.definition_lines, 0);
  } else {
    r.def_census.build_count = 1;
  }
}

// C: every build after the first reads both files again.
void reread(FileRun& r, int b) {
  r.definition_lines.clear();
  r.aside.clear();
  read_definition(r);
  if (r.def_census.true_ifdef_count > 0) remove_ifdef_true(r.definition_lines, r.aside);
  set_builds(r.definition_lines);
  remove_builds(r.definition_lines, b);
  r.source_lines.clear();
  read_source(r);
  remove_lines(r.source_lines, "INCLUDE");
}

// D: the definition tables of one build.
void definition_tables(FileRun& r, int b) {
  cntr& dc = r.def_census;
  trace("Starting build " + std::to_string(b) + " / " + std::to_string(dc.build_count - 1));
  r.defs.clear();
  r.groups.clear();
  r.loops.clear();
  if (dc.line_count < 1) {
    r.swaps.clear();
    dc.swap_count = set_swaps(Lines(), r.swaps, b);
    trace("Warning: definition file is empty");
    return;
  }
  Lines& d = r.definition_lines;
  dc.define_count = set_defs(d, r.defs, *r.cmd_defs);
  insert_defs(d, r.defs, 1, 0);
  r.swaps.clear();
  dc.swap_count = set_swaps(d, r.swaps, b);
  insert_swaps(d, r.swaps, 0);
  if (dc.true_ifdef_count > 0) {
    copy_lines(r.aside, d, 1);
    insert_swaps(d, r.swaps, 0);
    insert_defs(d, r.defs, 1, 0);
    r.swaps.clear();
    dc.swap_count = set_swaps(d, r.swaps, b);
  }
  if (dc.group_count > 0) set_groups(d, r.groups);
  if (dc.loop_count > 0) set_loops(d, r.loops);
  if (dc.case_count > 0) insert_case(d);
  if (dc.check_count > 0) check_swaps(d, r.swaps);
  if (dc.verify_count > 0) check_verify(d);
  if (dc.list_count > 0) r.filelist_name = set_filelist(d);
  if (settings.DEBUG) {
    trace("Final definition file start:");
    print_debug(d, "");
    trace("Final definition file end");
    trace("");
  }
  d.clear();
}

// E: the source passes of one build, in their fixed order.
int source_passes(FileRun& r, int b) {
  Lines& s = r.source_lines;
  const cntr& sc = r.src_census;
  const cntr& dc = r.def_census;
  auto SD = [&] { insert_swaps_defs(dc, s, r.swaps, r.defs, 0); };
  int differences = 0;

  /*  1 */ SD();
  /*  2 */ if (sc.check_count > 0) check_swaps(s, r.swaps);
  /*  3 */ if (sc.verify_count > 0) check_verify(s);
  /*  4 */ if (sc.loop_count > 0) while (insert_loops(s, r.loops)) SD();
  /*  5 */ if (sc.iter_count > 0) while (insert_iters(s, r.loops)) SD();
  /*  6 */ if (sc.group_count > 0) {
             int changed = 1;
             while (changed && insert_groups(s, r.groups, 1, &changed) >= 0) {}
             insert_swaps(s, r.swaps, 0);
           }
  /*  7 */ if (sc.expr_count > 0 || dc.expr_count > 0) { if (insert_expr(s)) SD(); }
  /*  8 */ if (sc.dupl_count > 0) { if (insert_dupl(s)) SD(); }
  /*  9 */ insert_swaps_defs(dc, s, r.swaps, r.defs, 1);
  /* 10 */ insert_groups(s, r.groups, 0);
  /* 11 */ if (sc.const_count > 0) remove_const(s);
  /* 12 */ if (sc.ports_count > 0) insert_ports(s);
  /* 13 */ if (sc.case_count > 0) insert_case(s);
  /* 14 */ if (sc.stomp_count > 0) remove_stomp(s);
  /* 15 */ insert_ignored(s, r.ignored);
  /* 16 */ if (sc.outdir_count > 0) set_outdir(s);
           if (sc.create_count > 0) note_create_inputs(s);
  /* 17 */ if (sc.outfile_count > 0) set_outfile(s); else if (!settings.OUTFLAG) settings.OUT = false;
  /* 18 */ if (settings.HEADER) insert_header(r.flags, r.parent, s, r.source);
  /* 19 */ differences += print_lines(r.level, s, r.defs);
  /* 20 */ if (sc.create_count > 0)
             differences += insert_create(r.flags, r.level, r.source, s, *r.cmd_defs, r.swaps,
                                          r.defs, r.loops, b);
  /* 21 */ if (dc.list_count > 0) {
             if (settings.LINT) {  // the list a run would write
               if (!r.filelist_name.empty() && settings.outname != "STDO")
                 check_not_input(r.filelist_name);
             } else {
               print_filelist(r.filelist_name, settings.local_outfiles, true);
             }
           }
  return differences;
}

}  // namespace

int create(const std::string& flags, int level, const std::string& parent, std::string source,
           std::string definition, const Defs& cmd_defs, const Lines& forwarded, int build) {
  FileRun r;
  r.flags = flags;
  r.level = level;
  r.parent = parent;
  r.source = std::move(source);
  r.definition = std::move(definition);
  r.cmd_defs = &cmd_defs;
  r.forwarded = &forwarded;
  SourceChain chain(r.source);

  // Errors name the build when the file has several, or its parent had.
  struct BuildNamed {
    int saved = settings.error_build;
    ~BuildNamed() { settings.error_build = saved; }
  } named;
  start(r);
  const int first = build >= 0 ? build : 0;
  const int last = build >= 0 ? build : r.def_census.build_count - 1;
  const bool several = r.def_census.build_count > 1 || named.saved >= 0;
  int differences = 0;
  for (int b = first; b <= last; ++b) {
    settings.error_build = several ? b : -1;
    if (b > 0) reread(r, b);
    definition_tables(r, b);
    differences += source_passes(r, b);
  }
  if (level == 0 && settings.leave_to_exit) leave_to_exit(std::move(r.source_lines));
  return differences;
}

}  // namespace korvex
