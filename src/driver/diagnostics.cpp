// Console messages, the error frame and the debug trace.
#include "driver/diagnostics.h"

#include <cerrno>
#include <cstdio>

#include "driver/settings.h"
#include "text/paths.h"

namespace korvex {

namespace {
bool pipe_closed = false;
}  // namespace

void write_stdout(const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() && errno == EPIPE)
    pipe_closed = true;
}

void flush_stdout() { std::fflush(stdout); }

bool stdout_closed() { return pipe_closed; }

void print_msg(const std::string& text) { write_stdout("\n" + text); }

std::string treeline(int index) {
  const Line& l = settings.create_tree[index];
  return "Create " + l.text + " in " + l.file.str() + ": line " + std::to_string(l.num) + "\n";
}

std::string treeout() {
  if (settings.create_index == 0) return "\n";
  std::string s = "\nError in child file: \n";
  for (int i = 0; i < settings.create_index; ++i) s += treeline(i);
  return s + "\n";
}

std::string get_linerr_str(const Line& line, const std::string& text) {
  return treeout() + "File " + extract_name(line.file) + ": line " + std::to_string(line.num) +
         ": " + shown_text(line) + "\n" + text + "\n";
}

void trace(const std::string& text) {
  if (!settings.DEBUG || !settings.debugfile.is_open()) return;
  settings.debugfile << text << '\n';
}

void print_debug(const Lines& lines, const std::string& title) {
  if (!settings.DEBUG) return;
  trace("---------- print debug start ---------- " + title);
  static const std::string kNothing;
  for (const Line& l : lines) trace(writes_empty(l.text) ? kNothing : l.text);
  trace("---------- print debug end ---------- " + title);
  trace("");
}

}  // namespace korvex
