// The korvex command.
#include <cstdio>

#include "base/memory.h"
#include "driver/entry.h"
#include "output/staged_file.h"

int main(int argc, char** argv) {
  korvex::prepare_memory();
  korvex::prepare_signals();
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  return korvex::run_korvex(argc, argv, true);
}
