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

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string_view>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "base/memory.h"
#include "text/checks.h"
#include "text/keyword.h"
#include "text/paren.h"
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

// Returns whether it rewrote anything. `caps` are the capitals of `s`, or
// more: a form whose capitals are missing is not looked for.
bool rewrite_conditionals(std::string& s, uint32_t caps) {
  std::string name, body;
  bool rewritten = false;
  auto has = [&s, &caps](const Keyword& k) {
    return may_hold(caps, k) && s.find(k.view()) != std::string::npos;
  };
  if (has("IF ") && !has("ENDIF")) {
    name_and_body(s, "IF ", name, body);
    s = "IFDEF " + name + " ;; " + body + " ;; " + "ENDIF " + name;
    rewritten = true;
    caps = ~0u;
  }
  if (has("IFNOT ")) {
    name_and_body(s, "IFNOT ", name, body);
    s = "IFDEF " + name + " ;; " + "ELSE " + name + " ;; " + body + " ;; " + "ENDIF " + name;
    rewritten = true;
    caps = ~0u;
  }
  if (has("IFNDEF ")) {
    name_and_body(s, "IFNDEF ", name, body);
    s = "IFDEF " + name + " ;; " + "ELSE " + name + " ;; " + body;
    rewritten = true;
  }
  return rewritten;
}

void rewrite_enum(const Options& options, const Line& rec, std::string& s) {
  const std::vector<std::string> words = words_of(s);
  // The word array has room for MAX_DEFS - 1 words: "ENUM" and its names.
  if (words.size() > static_cast<size_t>(options.MAX_DEFS) - 1)
    linerr(Err::ENUM_TOO_LONG, rec, options.MAX_DEFS - 2);
  std::string out;
  for (size_t j = 1; j < words.size(); ++j)
    out += "SWAP " + words[j] + " " + std::to_string(j - 1) + " ;; ";
  s = out;
}

// Where the statements go. While every statement can be stored in a slot of
// the input array whose line has already been read, the statements are
// written over the input: no second array of the source's size. Once a
// statement would land on an unread line (a line split in several
// statements, an included file), the statements so far move to `out` and the
// rest is appended there.
class StatementSink {
 public:
  StatementSink(size_t max_lines, Lines& in, Lines& out)
      : max_lines_(max_lines), in_(in), out_(out) {}

  // Stores `text` as the next statement, a copy of `rec` otherwise, once
  // `consumed` input lines have been read. A text that is the end of
  // `kept`, bytes that outlive the lines, refers to them instead of taking
  // a copy.
  Line& store(const Line& rec, std::string_view text, size_t consumed,
              std::string_view kept = {}) {
    check_room();
    if (in_place_ && written_ >= consumed) leave_input();
    // The closing empty line may take the spare slot past the input's last line.
    Line& l = !in_place_ ? out_.emplace_back()
              : written_ < in_.size() ? in_[written_] : in_.emplace_back();
    if (in_place_) ++written_;
    l.file = rec.file;
    l.remark = rec.remark;
    l.num = rec.num;
    l.pending = rec.pending;
    l.indent = rec.indent;
    // A statement that is the name of an empty line is an empty line.
    if (text == kEmptyLine) text = {};
    if (!text.empty() && kept.ends_with(text)) {
      const size_t at = kept.size() - text.size();
      size_t blanks = 0;
      while (blanks < at && kept[at - 1 - blanks] == ' ') ++blanks;
      l.text = LineText::borrowed(kept.substr(at), blanks);
    }
    else
      l.text = text;
    return l;
  }

  // Stores input line k, its text as it is now and given `indent`, as the
  // next statement: in its own slot when no statement has moved it, without
  // copying the record's fields.
  void keep(size_t k, uint32_t indent) {
    Line& input = in_[k];
    input.indent = indent;
    input.pending = 1;
    if (in_place_ && written_ == k) {
      check_room();
      ++written_;
    } else {
      store(input, input.text, k + 1);
    }
  }

  // The statement stored last.
  const Line& last() const { return in_place_ ? in_[written_ - 1] : out_.back(); }

  // Stops writing over the input (before `out` is appended to elsewhere).
  void leave_input() {
    if (!in_place_) return;
    in_place_ = false;
    out_.reserve(in_.size() + 1);
    advise_memory();
    for (size_t i = 0; i < written_; ++i) out_.push_back(std::move(in_[i]));
  }

  // Hands the statements to `out` once every input line has been read.
  void finish() {
    if (!in_place_) return;
    in_.resize(written_);
    out_.swap(in_);
  }

 private:
  size_t count() const { return in_place_ ? written_ : out_.size(); }
  void check_room() const {
    if (count() >= max_lines_) generr(Err::LINE_COPY_FULL, max_lines_);
  }

  const size_t max_lines_;
  Lines& in_;
  Lines& out_;
  bool in_place_ = true;
  size_t written_ = 0;
};

}  // namespace

int set_lines(RunContext& run, Lines& in, Lines& out, Lines& ignored, Stream stream,
              const IncludeSplicer& include) {
  const bool defmode = stream == Stream::kDefinition;
  if (verbose_trace(run))
    trace(run, "set_lines started for " + (in.empty() ? std::string() : in[0].file.str()));
  out.clear();
  const std::string first_file = in.empty() ? std::string() : in[0].file.str();
  StatementSink sink(static_cast<size_t>(run.options.MAX_LINES), in, out);
  // The closing empty line goes into the last slot: without one spare, the
  // input's storage would have to grow.
  if (in.capacity() == in.size()) sink.leave_input();
  int depth = 0;
  bool unparsed = false;
  size_t ignored_count = 0;
  Line rec;  // record k: the statement being built
  std::string scratch;
  bool rec_stale = false;  // the last line took the short way, without `rec`
  // Whether a statement stored holds the marker of a line that was all
  // remark: only then is there anything to delete at the end. A statement
  // without capitals cannot hold it.
  bool marked = false;
  for (size_t k = 0; k < in.size(); ++k) {
    Line& input = in[k];
    const size_t consumed = k + 1;
    if (!unparsed && depth == 0 && is_plain(input.text, true)) {
      // The short way of a plain line: nothing below applies but the
      // indentation and the emptying of a line of one blank.
      LineText& t = input.text;
      // Every byte was read: the later passes need not read it again for
      // its capitals.
      t.note_no_capitals();
      const size_t blanks = std::min<size_t>(indent_of(t), kMaxIndent);
      if (blanks > 0) t.remove_prefix(blanks);
      if (t == " ") t.clear();
      sink.keep(k, static_cast<uint32_t>(blanks));
      rec_stale = true;
      continue;
    }
    // The text is worked on in a buffer kept from line to line.
    std::string& s = scratch;
    s.assign(input.text.view());
    // A statement left as the end of the file's bytes refers to them.
    const std::string_view kept = input.text.borrows() ? input.text.view() : std::string_view();
    rec_stale = false;
    replace_tabs(s);
    const size_t blanks = static_cast<size_t>(remove_leading_spaces(s));
    if (blanks > kMaxIndent) s.insert(0, blanks - kMaxIndent, ' ');
    rec.indent = static_cast<uint32_t>(std::min<size_t>(blanks, kMaxIndent));
    // Without tabs the statement is the end of the line's kept bytes.
    if (!s.empty() && kept.ends_with(s))
      rec.text = LineText::borrowed(kept.substr(kept.size() - s.size()));
    else
      rec.text = s;
    rec.num = input.num;
    rec.file = input.file;
    rec.remark = std::move(input.remark);
    rec.pending = 1;

    // A keyword is looked for only when all its capitals occur; `caps` is
    // worked out again after every step that can bring new letters in.
    uint32_t caps = capitals_of(s);
    auto has = [&s, &caps](const Keyword& k) {
      return may_hold(caps, k) && s.find(k.view()) != std::string::npos;
    };
    if (has("ENDPARSE")) {
      if (defmode) linerr(Err::ENDPARSE_IN_DEF, rec);
      unparsed = true;
      continue;
    }
    if (has("STARTPARSE")) {
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
      sink.store(rec, kIgnoreParse, consumed);
      continue;
    }

    if (depth > 0 || s.find('#') != std::string::npos) {
      s = remove_remark(rec, depth);
      caps = capitals_of(s);
    }
    if (caps == 0 && is_plain(s)) {
      // Nothing below can change a line without capitals, "\\", ";;" or a
      // carriage return, except that a line of one blank is an empty line.
      if (s == " ") s.clear();
      sink.store(rec, s, consumed, kept);
      continue;
    }
    if (s.find('\r') != std::string::npos) find_and_replace(s, "\r", "", 0);
    for (uint32_t allowed = paren_keywords_allowed(caps); allowed != 0; allowed &= allowed - 1) {
      const Keyword& kw = paren_keywords[std::countr_zero(allowed)];
      if (s.find(kw.view()) != std::string::npos) remove_spaces(s, kw.text);
    }
    if (s.empty() || s == " ") {
      // An empty line: no step below applies to it.
      sink.store(rec, std::string_view(), consumed);
      continue;
    }
    if (match(s, "\\\\")) {
      find_and_replace(s, "\\\\", ";;STOMP NEWLINE", 0);
      caps = capitals_of(s);
    }
    if (has("OUTFILE") && defmode) linerr(Err::OUTFILE_IN_DEF, rec);
    if (has("BUILD") && !has("IFDEF") && !has("BUILD_NUM") && !defmode)
      linerr(Err::BUILD_IN_SOURCE, rec);
    if (has("LOG2")) {
      find_and_replace(s, "LOG2(", "EXPR(2@", 0);
      caps = capitals_of(s);
    }
    if (has("TRUE")) {
      std::string before, after;
      splitstring(s, "TRUE", before, after);
      const std::string group = get_paren(rec, after, 0);
      std::string tight = group;
      remove_spaces(tight, "");
      find_and_replace(s, "TRUE" + group, "TRUE" + tight, 0);
      caps = capitals_of(s);
    }
    if (has("IF") && rewrite_conditionals(s, caps)) caps = capitals_of(s);
    if (has("ENUM ")) {
      rewrite_enum(run.options, rec, s);
      caps = capitals_of(s);
    }
    if (defmode && has("INCLUDE")) {
      marked = true;
      sink.leave_input();
      include(rec, s, out, ignored);
      continue;
    }
    // The statements below are pieces of `s`: none holds the marker unless it does.
    if (has(kRemoveRemark)) marked = true;
    std::string piece, rest;
    bool whole = true;
    while (match(s, ";;")) {
      splitstring(s, ";;", piece, rest);
      if (!piece.empty()) sink.store(rec, piece, consumed, kept);
      s.swap(rest);
      whole = false;
    }
    if (s.empty()) continue;
    LineText& stored = sink.store(rec, s, consumed, kept).text;
    // The capitals of a statement that is the whole line are known: every
    // step above that can bring letters in worked them out again.
    if (whole && stored.size() == s.size()) stored.note_capitals(caps);
  }
  // The closing empty line takes the record of the last line.
  if (rec_stale) copy_line(sink.last(), rec, 1);
  sink.store(rec, std::string_view(), in.size() + 1);
  sink.finish();
  // The trace of a verbose run shows the removal, whether or not it deletes anything.
  if (marked || run.options.VERBOSE) remove_lines(run, out, kRemoveRemark);
  if (defmode) {
    check_def_lines(out);
    remove_empty_lines(run, out);
  }
  if (run.options.VERBOSE) print_debug(run, out, "set_lines");
  if (depth > 0) generr(Err::UNCLOSED_BLOCK_REMARK, first_file);
  in.clear();
  return static_cast<int>(out.size()) + 1;
}

}  // namespace korvex
