// The run: every error is raised as a KorvexError and caught here, printed
// through print_msg, and turned into the exit status after every open stream
// has been flushed and closed. A generated file the run had not completed is
// left as it was before the run (its temporary is removed); the trace and
// the compare report stay as far as they got.
#include "driver/entry.h"

#include <cstdio>
#include <new>
#include <string>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "base/options.h"
#include "base/run_state.h"
#include "bignum/big_error.h"
#include "driver/command_line.h"
#include "driver/lint_run.h"
#include "driver/pipeline.h"
#include "output/compare.h"
#include "output/depfile.h"
#include "output/file_list.h"
#include "output/out_files.h"
#include "output/output_state.h"
#include "output/writer.h"
#include "text/input_files.h"

namespace korvex {
namespace {

// Completes what stays open to the run's end: the -o file (a run that wrote
// nothing to it, the help run included, leaves it empty), the compare
// report, the trace and standard output. A trace that could not be made at
// all is a failure too, not a run that went well.
void finish_outputs(RunContext& run, OutputState& output) {
  finish_output_file(run.state.inputs, output);
  if (output.cmpfile.is_open()) {
    output.cmpfile.close();
    if (output.cmpfile.fail()) generr(Err::WRITE_FAILED, kDiffFileName);
  }
  if (run.state.debugfile.is_open()) {
    run.state.debugfile.close();
    if (run.state.debugfile.fail()) generr(Err::WRITE_FAILED, kDebugFileName);
  } else if (run.options.DEBUG) {
    generr(Err::WRITE_FAILED, kDebugFileName);
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) generr(Err::WRITE_FAILED, "standard output");
}

// Flushes and closes every open stream (output file, trace, compare report);
// an output file that is not complete is removed, its old file kept.
void close_streams(RunState& state, OutputState& output) {
  if (output.outfile.is_open()) output.outfile.close();
  output.outfile_staged.discard();
  if (output.cmpfile.is_open()) output.cmpfile.close();
  if (state.debugfile.is_open()) state.debugfile.close();
}

int run(Options& options, RunState& state, OutputState& output, int argc, const char* const* argv) {
  RunContext run{options, state};
  Defs cmd_defs;
  const Lines forwarded;
  std::string source, definition;
  const auto flags = parse_flags(options, state, output, argc, argv, source, definition, cmd_defs);
  if (!flags) {
    finish_outputs(run, output);
    return 0;
  }
  if (options.LINT) {
    const int status = run_lint(run, output, *flags, source, definition, cmd_defs);
    finish_outputs(run, output);
    if (!options.depfile.empty() && (status == 0 || status == error_def(Err::LINT_HAZARDS).number))
      write_depfile(state.inputs, output, options.depfile);
    return status;
  }
  const int differences =
      create(run, output, *flags, 0, "None", source, definition, cmd_defs, forwarded, -1, false);
  print_filelist(run, output, options.filelist, output.outfiles, false);
  if (options.COMP) print_comp(output, differences);
  finish_outputs(run, output);
  if (!options.depfile.empty()) write_depfile(state.inputs, output, options.depfile);
  // A compare that found differences is a failure to a script or a build
  // only when it asks for that; the summary says it either way.
  if (options.COMP && options.EXIT_CODE && differences > 0)
    return error_def(Err::COMPARE_DIFFERENCES).number;
  return 0;
}

int report(const Options& options, const KorvexError& e) {
  if (options.LINT) return report_lint_error(e);
  if (options.ERROR_LOCATION) write_stdout(error_location(e));
  print_msg(e.message);
  return e.number;
}

// Turns an unexpected failure into a numbered general error.
template <class F>
int as_general_error(const Options& options, F&& raise) {
  try {
    raise();
  } catch (const KorvexError& e) {
    return report(options, e);
  }
  return 0;
}

}  // namespace

int run_korvex(int argc, const char* const* argv, bool leave_to_exit) {
  Options options;
  options.leave_to_exit = leave_to_exit;
  RunState state;
  OutputState output;
  prepare_output(output);
  int status = 0;
  try {
    status = run(options, state, output, argc, argv);
  } catch (const KorvexError& e) {
    status = report(options, e);
  } catch (const BigIntegerError& e) {
    const std::string text = e.what();
    status = as_general_error(options, [&] { generr(Err::ARITHMETIC, text); });
  } catch (const std::bad_alloc&) {
    status = as_general_error(options, [] { generr(Err::INTERNAL, "out of memory"); });
  } catch (const std::exception& e) {
    const std::string text = e.what();
    status = as_general_error(options, [&] { generr(Err::INTERNAL, text); });
  }
  close_streams(state, output);
  flush_stdout();
  return status;
}

}  // namespace korvex
