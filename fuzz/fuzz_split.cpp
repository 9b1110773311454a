// Splits a fuzz input into the files and the command line of its run, as the
// harness makes them, so that a find can be replayed with another build:
// writes DIR/top.v and DIR/defs.v and prints the arguments after the
// program name, one per line.
// Usage: fuzz_split INPUT DIR
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_input.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fuzz_split INPUT DIR\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "fuzz_split: cannot read %s\n", argv[1]);
    return 2;
  }
  const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const korvex_fuzz::FuzzInput input = korvex_fuzz::parse_input(all);
  const std::string dir = argv[2];
  std::ofstream(dir + "/top.v", std::ios::binary) << input.top;
  std::ofstream(dir + "/defs.v", std::ios::binary) << input.defs;
  const std::vector<std::string> args = korvex_fuzz::run_args(input.opts);
  for (size_t i = 1; i < args.size(); ++i) std::printf("%s\n", args[i].c_str());
  return 0;
}
