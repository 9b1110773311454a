// The korvex command.
#include <cstdio>

#include "driver/entry.h"
#include "driver/memory.h"

int main(int argc, char** argv) {
  korvex::prepare_memory();
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  return korvex::run_korvex(argc, argv);
}
