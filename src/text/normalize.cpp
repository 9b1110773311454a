// Statement normalisation.
//
// Per line, in order: unparsed regions set aside; tabs, indentation and
// carriage returns; blanks after the parenthesis keywords closed up; the
// shorthand forms (line joining, LOG2, TRUE groups, one-line IF / IFNOT,
// IFNDEF, ENUM) rewritten; directives in the wrong kind of file rejected;
// INCLUDE replaced in the definition stream; ";;" split into statements.
// Every test is a case-sensitive substring search, and each step works on
// the result of the previous ones.
#include "text/normalize.h"

#include "driver/diagnostics.h"
#include "driver/errors.h"
#include "driver/settings.h"
#include "expr/paren.h"
#include "text/checks.h"
#include "text/includes.h"
#include "text/reader.h"
#include "text/strings.h"

namespace korvex {
namespace {

// Rewrites of step 12: the text after the first `keyword`, leading blanks
// removed, gives the name (up to the first blank) and the body (the rest).
void name_and_body(const std::string& s, const std::string& keyword, std::string& name,
                   std::string& body) {
  std::string before, rest;
  splitstring(s, keyword, before, rest);
  size_t i = 0;
  while (i < rest.size() && rest[i] == ' ') ++i;
  rest.erase(0, i);
  const size_t b = rest.find(' ');
  if (b == std::string::npos) {
    name = rest;
    body.clear();
  } else {
    name = rest.substr(0, b);
    body = rest.substr(b + 1);
  }
}

void rewrite_conditionals(std::string& s) {
  std::string name, body;
  if (match(s, "IF ") && !match(s, "ENDIF")) {
    name_and_body(s, "IF ", name, body);
    s = "IFDEF " + name + " ;; " + body + " ;; " + "ENDIF " + name;
  }
  if (match(s, "IFNOT ")) {
    name_and_body(s, "IFNOT ", name, body);
    s = "IFDEF " + name + " ;; " + "ELSE " + name + " ;; " + body + " ;; " + "ENDIF " + name;
  }
  if (match(s, "IFNDEF ")) {
    name_and_body(s, "IFNDEF ", name, body);
    s = "IFDEF " + name + " ;; " + "ELSE " + name + " ;; " + body;
  }
}

void rewrite_enum(const Line& rec, std::string& s) {
  const std::vector<std::string> words = words_of(s);
  // The word array has room for MAX_DEFS - 1 words: "ENUM" and its names.
  if (words.size() > static_cast<size_t>(settings.MAX_DEFS) - 1)
    linerr(Err::ENUM_TOO_LONG, rec, settings.MAX_DEFS - 2);
  std::string out;
  for (size_t j = 1; j < words.size(); ++j)
    out += "SWAP " + words[j] + " " + std::to_string(j - 1) + " ;; ";
  s = out;
}

// True when no keyword, separator or carriage return can occur in `s`: every
// keyword holds a capital letter.
bool is_plain(const std::string& s) {
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c >= 'A' && c <= 'Z') return false;
    if (c == '\r' || c == '\\') return false;
    if (c == ';' && i + 1 < s.size() && s[i + 1] == ';') return false;
  }
  return true;
}

// Stores `text` as the next statement, a copy of `rec` otherwise.
void store(Lines& out, const Line& rec, std::string text) {
  if (out.size() >= static_cast<size_t>(settings.MAX_LINES))
    generr(Err::LINE_COPY_FULL, settings.MAX_LINES);
  Line& l = out.emplace_back();
  l.file = rec.file;
  l.remark = rec.remark;
  l.num = rec.num;
  l.pending = rec.pending;
  l.indent = rec.indent;
  l.text = std::move(text);
}

}  // namespace

int set_lines(Lines& in, Lines& out, Lines& ignored, const Swaps& swaps, int defmode,
              const std::string& cmdfile) {
  if (settings.VERBOSE && settings.DEBUG)
    trace("set_lines started for " + (in.empty() ? std::string() : in[0].file));
  out.clear();
  out.reserve(in.size() + 1);
  int depth = 0;
  bool unparsed = false;
  size_t ignored_count = 0;
  Line rec;  // record k: the statement being built
  for (Line& input : in) {
    std::string s = std::move(input.text);
    replace_tabs(s);
    rec.indent = remove_leading_spaces(s);
    rec.text = s;
    rec.num = input.num;
    if (rec.file != input.file) rec.file = input.file;
    rec.remark = std::move(input.remark);
    rec.pending = 1;

    if (match(s, "ENDPARSE")) {
      if (defmode) linerr(Err::ENDPARSE_IN_DEF, rec);
      unparsed = true;
      continue;
    }
    if (match(s, "STARTPARSE")) {
      if (defmode) linerr(Err::STARTPARSE_IN_DEF, rec);
      unparsed = false;
      continue;
    }
    if (unparsed) {
      if (s == kRemoveRemark) continue;
      if (ignored_count < ignored.size())
        copy_line(rec, ignored[ignored_count], 0);
      else
        ignored.push_back(rec);
      ++ignored_count;
      store(out, rec, kIgnoreParse);
      continue;
    }

    if (depth > 0 || s.find('#') != std::string::npos) s = remove_remark(rec, depth);
    if (is_plain(s)) {
      // Nothing below can change a line without capitals, "\\", ";;" or a
      // carriage return, except that an empty line gets its marker.
      if (s.empty() || s == " ") s = kEmptyLine;
      store(out, rec, std::move(s));
      continue;
    }
    find_and_replace(s, "\r", "", 0);
    for (const char* kw : paren_keywords)
      if (s.find(kw) != std::string::npos) remove_spaces(s, kw);
    if (s.empty() || s == " ") s = kEmptyLine;
    if (match(s, "\\\\")) find_and_replace(s, "\\\\", ";;STOMP NEWLINE", 0);
    if (match(s, "OUTFILE") && defmode) linerr(Err::OUTFILE_IN_DEF, rec);
    if (match(s, "BUILD") && !match(s, "IFDEF") && !match(s, "BUILD_NUM") && !defmode)
      linerr(Err::BUILD_IN_SOURCE, rec);
    if (match(s, "LOG2")) find_and_replace(s, "LOG2(", "EXPR(2@", 0);
    if (match(s, "TRUE")) {
      std::string before, after;
      splitstring(s, "TRUE", before, after);
      const std::string group = get_paren(rec, after, 0);
      std::string tight = group;
      remove_spaces(tight, "");
      find_and_replace(s, "TRUE" + group, "TRUE" + tight, 0);
    }
    rewrite_conditionals(s);
    if (match(s, "ENUM ")) rewrite_enum(rec, s);
    if (defmode && match(s, "INCLUDE")) {
      include_file(rec, s, out, ignored, swaps, defmode, cmdfile);
      continue;
    }
    std::string piece, rest;
    while (match(s, ";;")) {
      splitstring(s, ";;", piece, rest);
      if (!piece.empty()) store(out, rec, piece);
      s.swap(rest);
    }
    if (!s.empty()) store(out, rec, std::move(s));
  }
  store(out, rec, kEmptyLine);
  remove_lines(out, kRemoveRemark);
  if (defmode) {
    check_def_lines(out);
    remove_lines(out, kEmptyLine);
  }
  if (settings.VERBOSE) print_debug(out, "set_lines");
  if (depth > 0) generr(Err::UNCLOSED_BLOCK_REMARK, in.empty() ? std::string() : in[0].file);
  in.clear();
  return static_cast<int>(out.size()) + 1;
}

}  // namespace korvex
