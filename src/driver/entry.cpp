// The run: every error is raised as a KorvexError and caught here, printed
// through print_msg, and turned into the exit status after every open stream
// has been flushed and closed. A generated file the run had not completed is
// left as it was before the run (its temporary is removed); the trace and
// the compare report stay as far as they got.
#include "driver/entry.h"

#include <cstdio>
#include <new>
#include <string>

#include "bignum/big_error.h"
#include "driver/command_line.h"
#include "driver/diagnostics.h"
#include "driver/errors.h"
#include "driver/lint_run.h"
#include "driver/pipeline.h"
#include "driver/settings.h"
#include "output/compare.h"
#include "output/depfile.h"
#include "output/file_list.h"
#include "output/out_files.h"
#include "text/input_files.h"

namespace korvex {
namespace {

// Completes what stays open to the run's end: the -o file (a run that wrote
// nothing to it, the help run included, leaves it empty), the compare
// report, the trace and standard output. A trace that could not be made at
// all is a failure too, not a run that went well.
void finish_outputs() {
  finish_output_file();
  if (settings.cmpfile.is_open()) {
    settings.cmpfile.close();
    if (settings.cmpfile.fail()) generr(Err::WRITE_FAILED, kDiffFileName);
  }
  if (settings.debugfile.is_open()) {
    settings.debugfile.close();
    if (settings.debugfile.fail()) generr(Err::WRITE_FAILED, kDebugFileName);
  } else if (settings.DEBUG) {
    generr(Err::WRITE_FAILED, kDebugFileName);
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) generr(Err::WRITE_FAILED, "standard output");
}

int run(int argc, const char* const* argv) {
  forget_dependencies();
  forget_input_files();
  Defs cmd_defs;
  const Lines forwarded;
  std::string source, definition;
  const auto flags = parse_flags(argc, argv, source, definition, cmd_defs);
  if (!flags) {
    finish_outputs();
    return 0;
  }
  if (settings.LINT) {
    const int status = run_lint(*flags, source, definition, cmd_defs);
    finish_outputs();
    if (!settings.depfile.empty() && (status == 0 || status == error_def(Err::LINT_HAZARDS).number))
      write_depfile(settings.depfile);
    return status;
  }
  const int differences = create(*flags, 0, "None", source, definition, cmd_defs, forwarded, -1);
  print_filelist(settings.filelist, settings.outfiles, false);
  if (settings.COMP) print_comp(differences);
  finish_outputs();
  if (!settings.depfile.empty()) write_depfile(settings.depfile);
  // A compare that found differences is a failure to a script or a build
  // only when it asks for that; the summary says it either way.
  if (settings.COMP && settings.EXIT_CODE && differences > 0)
    return error_def(Err::COMPARE_DIFFERENCES).number;
  return 0;
}

int report(const KorvexError& e) {
  if (settings.LINT) return report_lint_error(e);
  if (settings.ERROR_LOCATION) write_stdout(error_location(e));
  print_msg(e.message);
  return e.number;
}

// Turns an unexpected failure into a numbered general error.
template <class F>
int as_general_error(F&& raise) {
  try {
    raise();
  } catch (const KorvexError& e) {
    return report(e);
  }
  return 0;
}

}  // namespace

int run_korvex(int argc, const char* const* argv) {
  int status = 0;
  try {
    status = run(argc, argv);
  } catch (const KorvexError& e) {
    status = report(e);
  } catch (const BigIntegerError& e) {
    const std::string text = e.what();
    status = as_general_error([&] { generr(Err::ARITHMETIC, text); });
  } catch (const std::bad_alloc&) {
    status = as_general_error([] { generr(Err::INTERNAL, "out of memory"); });
  } catch (const std::exception& e) {
    const std::string text = e.what();
    status = as_general_error([&] { generr(Err::INTERNAL, text); });
  }
  close_streams();
  flush_stdout();
  return status;
}

}  // namespace korvex
