// The korvex command.
#include <malloc.h>

#include <cstdio>

#include "driver/entry.h"

int main(int argc, char** argv) {
  // Large line arrays are allocated and released pass after pass: keep the
  // memory in the process rather than handing it back and faulting it in anew.
  mallopt(M_MMAP_THRESHOLD, 512 << 20);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  return korvex::run_korvex(argc, argv);
}
