// Console messages, the error frame and the debug trace.
#include "base/diagnostics.h"

#include <cerrno>
#include <cstdio>

#include "base/file_names.h"

namespace korvex {

bool write_stdout(const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() || errno != EPIPE;
}

void flush_stdout() { std::fflush(stdout); }

void print_msg(const std::string& text) { write_stdout("\n" + text); }

std::string create_chain_line(const RunState& state, int index) {
  const Line& l = state.create_tree[index];
  return "Create " + l.text + " in " + l.file.str() + ": line " + std::to_string(l.num) + "\n";
}

std::string create_chain_block(const RunState& state) {
  if (state.create_index == 0) return "\n";
  std::string s = "\nError in child file: \n";
  for (int i = 0; i < state.create_index; ++i) s += create_chain_line(state, i);
  return s + "\n";
}

std::string line_error_body(const Line& line, const std::string& text) {
  return "File " + extract_name(line.file) + ": line " + std::to_string(line.num) + ": " +
         std::string(shown_text(line)) + "\n" + text + "\n";
}

void trace(RunContext& run, std::string_view text) {
  if (!run.options.DEBUG || !run.state.debugfile.is_open()) return;
  run.state.debugfile.get() << text << '\n';
}

void print_debug(RunContext& run, const Lines& lines, const std::string& title) {
  if (!run.options.DEBUG) return;
  trace(run, "---------- print debug start ---------- " + title);
  for (const Line& l : lines) trace(run, writes_empty(l.text) ? std::string_view() : l.text.view());
  trace(run, "---------- print debug end ---------- " + title);
  trace(run, "");
}

}  // namespace korvex
