// Reading files and removing remarks.
//
// The block markers are looked for before the line remark, and both contain
// "##", so "##>" and "<##" are never taken for the start of a line remark.
// A line opens at most one block remark.
#include "text/reader.h"

#include <fstream>
#include <sstream>

#include "driver/diagnostics.h"
#include "driver/errors.h"
#include "driver/settings.h"
#include "text/strings.h"

namespace korvex {

std::string remove_remark(Line& line, int& depth) {
  std::string s = line.text;
  std::string before, after;
  if (depth >= 1) {
    if (match(s, "##>")) {
      splitstring(s, "##>", before, after);
      s = after;
      --depth;
      if (match(before, "<##")) linerr(Err::BLOCK_REMARK_REOPENED, line);
    } else if (match(s, "<##")) {
      linerr(Err::BLOCK_REMARK_REOPENED, line);
    } else {
      return kRemoveRemark;
    }
  }
  if (match(s, "<##") || match(s, "##>")) {
    const size_t close = s.find("##>");
    if (close != std::string::npos) {
      const size_t open = s.find("<##");
      if (open == std::string::npos || open > close) linerr(Err::BLOCK_REMARK_NOT_OPEN, line);
    }
    std::string head, rest;
    splitstring(s, "<##", head, rest);
    if (match(rest, "<##")) linerr(Err::BLOCK_REMARK_REOPENED, line);
    if (match(rest, "##>")) {
      splitstring(rest, "##>", before, after);
      s = head + after;
      if (match(s, "##>")) linerr(Err::BLOCK_REMARK_NOT_OPEN, line);
    } else {
      s = head;
      ++depth;
    }
  }
  if (match(s, "##")) {
    splitstring(s, "##", before, after);
    line.remark = after;
    s = before;
    if (s.empty()) return kRemoveRemark;
  }
  return s;
}

int read_file(std::string path, Lines& lines, int) {
  remove_last_spaces(path);
  lines.clear();
  std::string data;
  {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) generr(Err::FILE_OPEN, path);
    // Read the whole file in one piece: its size when it has one (a regular
    // file), else chunk by chunk (a pipe or device).
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size > 0) {
      data.resize(static_cast<size_t>(size));
      in.read(data.data(), size);
      data.resize(static_cast<size_t>(in.gcount()));
    } else {
      in.clear();
      std::ostringstream buf;
      buf << in.rdbuf();
      data = std::move(buf).str();
    }
  }
  // Every newline ends one record and starts the next, so a final newline
  // yields one more, empty, record, and an empty file yields one record.
  int depth = 0;
  size_t start = 0;
  const size_t limit = static_cast<size_t>(settings.MAX_LINES) - 1;
  size_t count = 1;
  for (char c : data)
    if (c == '\n') ++count;
  lines.reserve(std::min(count, limit));
  for (size_t i = 0;; ++i) {
    if (i == limit) generr(Err::FILE_TOO_LONG, path, settings.MAX_LINES);
    const size_t nl = data.find('\n', start);
    const size_t end = nl == std::string::npos ? data.size() : nl;
    Line& l = lines.emplace_back();
    l.text.assign(data, start, end - start);
    l.num = static_cast<int>(i) + 1;
    l.file = path;
    if (depth > 0 || l.text.find('#') != std::string::npos) l.text = remove_remark(l, depth);
    if (l.text.empty()) l.text = kEmptyLine;
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  if (depth > 0) generr(Err::UNCLOSED_BLOCK_REMARK, path);
  trace("read file " + path);
  return static_cast<int>(lines.size());
}

}  // namespace korvex
