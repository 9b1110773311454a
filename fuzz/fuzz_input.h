// The fuzzer's input format, shared by the harness and the replay of its
// regression inputs: one option byte, the text of top.v, a NUL byte, the
// text of defs.v. Each option bit adds command-line options to the run.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvex_fuzz {

struct FuzzInput {
  unsigned opts = 0;
  std::string_view top;
  std::string_view defs;
};

inline FuzzInput parse_input(std::string_view all) {
  FuzzInput in;
  if (all.empty()) return in;
  in.opts = static_cast<unsigned char>(all[0]);
  const std::string_view body = all.substr(1);
  const size_t sep = body.find('\0');
  in.top = body.substr(0, sep);
  if (sep != std::string_view::npos) in.defs = body.substr(sep + 1);
  return in;
}

// The command line of the run, program name first.
inline std::vector<std::string> run_args(unsigned opts) {
  std::vector<std::string> args = {"korvex", "top.v", "defs.v", "-max_lines", "20000"};
  if (opts & 1) args.push_back("-header");
  if (opts & 2) args.push_back("-comp");
  if (opts & 4) args.insert(args.end(), {"-o", "out.v"});
  if (opts & 8) args.insert(args.end(), {"-d", "X"});
  if (opts & 16) args.insert(args.end(), {"-list", "files.txt"});
  if (opts & 32) args.insert(args.end(), {"-depfile", "deps.d"});
  if (opts & 64) args.push_back("-lint");
  return args;
}

}  // namespace korvex_fuzz
