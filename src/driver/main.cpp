// The korvex command.
#include <cstdio>

#include "driver/entry.h"
#include "driver/memory.h"
#include "driver/settings.h"
#include "output/staged_file.h"
#include "output/writer.h"

int main(int argc, char** argv) {
  korvex::prepare_memory();
  korvex::prepare_output();
  korvex::prepare_signals();
  korvex::settings.leave_to_exit = true;
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  return korvex::run_korvex(argc, argv);
}
