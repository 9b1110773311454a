// The -lint run.
//
// The run itself finds the error a normal run would stop with; the scan
// then follows the files lexically, as far as they can be found, whether
// the run got to them or not: the source, its definition file, every
// INCLUDE, and every CREATE child with the swaps handed down to it.
#include "driver/lint_run.h"

#include <sys/stat.h>

#include <fstream>
#include <set>
#include <utility>

#include "base/diagnostics.h"
#include "base/limits.h"
#include "bignum/big_error.h"
#include "driver/pipeline.h"
#include "lint/lint_report.h"
#include "output/depfile.h"
#include "output/output_state.h"
#include "text/input_files.h"
#include "text/paths.h"
#include "text/strings.h"

namespace korvex {
namespace {

bool is_directory(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The scan reads the bytes the run read, or reads the file for the rest of
// the run: a pipe could not be read a second time. A directory counts as a
// file without text.
bool read_whole(RunContext& run, const std::string& path, std::string& text) {
  const InputFile* file = input_file(run, path);
  if (file == nullptr) {
    if (!is_directory(path)) return false;
    text.clear();
    return true;
  }
  if (file->read_failed) return false;
  text.assign(file->bytes());
  return true;
}

bool readable(RunContext& run, const std::string& path) {
  return input_file(run, path) != nullptr || is_directory(path);
}

// A file named by a statement, as the run looks for it: in the include
// directories, then as written; "" when it is in neither.
std::string find_quietly(RunContext& run, std::string name) {
  remove_last_spaces(name);
  if (name.empty()) return "";
  for (const std::string& d : run.options.incdirs)
    if (readable(run, d + name)) return d + name;
  return readable(run, name) ? name : "";
}

// A path for the report, as the user would type it.
std::string shown(const std::string& path) { return relative_to_cwd(path); }

class FileWalk {
 public:
  explicit FileWalk(RunContext& run) : run_(run) {}

  void source(const std::string& path, const std::string& definition,
              const std::vector<std::string>& inherited_globals,
              const std::vector<std::string>& handed_down, int depth) {
    if (depth > kMaxCreateDepth || !visited_.insert(path).second) return;
    std::string text;
    if (!read_whole(run_, path, text)) return;
    const FileRefs refs = collect_refs(text, FileRole::kSource);

    std::vector<std::pair<std::string, std::string>> definitions;  // path, text
    ScanNames names;
    names.swaps = inherited_globals;
    names.swaps.insert(names.swaps.end(), handed_down.begin(), handed_down.end());
    names.deleters = deleters_;
    std::vector<std::string> globals = inherited_globals;
    auto add_definition = [&](const std::string& p, auto& self, int level) -> void {
      if (p.empty() || level > kMaxIncludeDepth) return;
      for (const auto& d : definitions)
        if (d.first == p) return;
      std::string t;
      if (!read_whole(run_, p, t)) return;
      const FileRefs r = collect_refs(t, FileRole::kDefinition);
      definitions.emplace_back(p, std::move(t));
      names.swaps.insert(names.swaps.end(), r.swaps.begin(), r.swaps.end());
      names.groups.insert(names.groups.end(), r.groups.begin(), r.groups.end());
      // A NULL swap handed down stays one in the children.
      deleters_.insert(deleters_.end(), r.deleters.begin(), r.deleters.end());
      names.deleters.insert(names.deleters.end(), r.deleters.begin(), r.deleters.end());
      globals.insert(globals.end(), r.global_swaps.begin(), r.global_swaps.end());
      for (const std::string& inc : r.includes) self(find_quietly(run_, inc), self, level + 1);
    };
    add_definition(definition, add_definition, 0);
    for (const std::string& inc : refs.includes)
      add_definition(find_quietly(run_, inc), add_definition, 1);

    files_.push_back({shown(path), scan_hazards(text, FileRole::kSource, names)});
    for (const auto& [p, t] : definitions) {
      if (!scanned_definitions_.insert(p).second) continue;
      files_.push_back({shown(p), scan_hazards(t, FileRole::kDefinition, names)});
    }
    for (const FileRefs::Child& c : refs.children) {
      const std::string child = find_quietly(run_, c.source);
      if (child.empty()) continue;
      source(child, c.definition.empty() ? "" : find_quietly(run_, c.definition), globals, c.swaps,
             depth + 1);
    }
  }

  std::vector<FileHazards>& files() { return files_; }

 private:
  RunContext& run_;
  std::set<std::string> visited_;
  std::vector<std::string> deleters_;
  std::set<std::string> scanned_definitions_;
  std::vector<FileHazards> files_;
};

LintError lint_error_of(const KorvexError& e) {
  LintError error;
  error.number = e.number;
  error.file = e.file.empty() ? "" : shown(e.file);
  error.line = e.line;
  error.text = e.text.empty() ? e.message : e.text;
  return error;
}

// The run as a normal run makes it, writing nothing; the error it stops
// with, if any.
LintError dry_run(RunContext& run, OutputState& output, const std::string& flags,
                  const std::string& source, const std::string& definition, const Defs& cmd_defs) {
  const Lines forwarded;
  try {
    try {
      create(run, output, flags, 0, "None", source, definition, cmd_defs, forwarded, -1, false);
      // The -o file and the run list a run would write, checked against
      // its inputs once every input is known; a lint run writes neither.
      if (run.options.OUTFLAG && output.outname != "STDO")
        check_not_input(run.state.inputs, run.options.outdir_base + output.outname);
      if (!run.options.filelist.empty() && output.outname != "STDO")
        check_not_input(run.state.inputs, run.options.filelist);
    } catch (const BigIntegerError& e) {
      generr(Err::ARITHMETIC, std::string(e.what()));
    } catch (const std::bad_alloc&) {
      generr(Err::INTERNAL, "out of memory");
    } catch (const KorvexError&) {
      throw;
    } catch (const std::exception& e) {
      generr(Err::INTERNAL, std::string(e.what()));
    }
  } catch (const KorvexError& e) {
    return lint_error_of(e);
  }
  return {};
}

}  // namespace

int run_lint(RunContext& run, OutputState& output, const std::string& flags,
             const std::string& source, const std::string& definition, const Defs& cmd_defs) {
  const LintError error = dry_run(run, output, flags, source, definition, cmd_defs);
  FileWalk walk(run);
  walk.source(source, definition, {}, {}, 0);
  const size_t checked = walk.files().size();
  write_stdout(format_report(walk.files(), error, checked));
  return lint_status(walk.files(), error);
}

int report_lint_error(const KorvexError& e) {
  const std::vector<FileHazards> none;
  const LintError error = lint_error_of(e);
  write_stdout(format_report(none, error, 0));
  return lint_status(none, error);
}

}  // namespace korvex
