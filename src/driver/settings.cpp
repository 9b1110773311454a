// Resetting a run.
#include "driver/settings.h"

#include "base/options.h"
#include "base/run_state.h"
#include "output/output_state.h"
#include "text/input_files.h"

namespace korvex {

void close_streams() {
  if (output_state.outfile.is_open()) output_state.outfile.close();
  output_state.outfile_staged.discard();
  if (output_state.cmpfile.is_open()) output_state.cmpfile.close();
  if (run_state.debugfile.is_open()) run_state.debugfile.close();
}

void reset_settings() {
  close_streams();
  options = Options();
  run_state = RunState();
  output_state = OutputState();
  forget_input_files();
}

}  // namespace korvex
