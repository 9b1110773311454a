// The one instance of the run settings.
#include "driver/settings.h"

#include "text/input_files.h"

namespace korvex {

Settings settings;

void close_streams() {
  if (settings.outfile.is_open()) settings.outfile.close();
  settings.outfile_staged.discard();
  if (settings.cmpfile.is_open()) settings.cmpfile.close();
  if (settings.debugfile.is_open()) settings.debugfile.close();
}

void reset_settings() {
  close_streams();
  settings = Settings();
  forget_input_files();
}

}  // namespace korvex
