// The hazard scan.
//
// A file is walked line by line as Korvex reads it: remarks first (a line
// remark from "##", block remarks from "<##" to "##>"), then the unparsed
// regions of a source file, whose lines no pass touches. What is left of a
// line is lexed as Verilog (code, comment, string; block comments run on
// across lines) and every keyword occurrence is judged by where it stands.
// Most lines hold no capital letter, no "#", ";;" or "\\" and no name of the
// run: they cost one look at their bytes.
#include "lint/hazard_scan.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "lint/lint_keywords.h"
#include "swaps/name_matcher.h"
#include "text/strings.h"

namespace korvex {
namespace {

enum Ctx : unsigned char { kCode = 0, kComment = 1, kString = 2 };

bool ident_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

const char* const kUnparsed = "keep the line in an unparsed region (ENDPARSE ... STARTPARSE)";

// One line as the passes would see it: its remarks blanked out, so that
// every column still is the column of the line as read.
struct ScanLine {
  int number = 0;
  std::string text;                 // the line without its remarks
  std::string raw;                  // the line as read, kept when it holds a remark
  std::vector<size_t> remark_at;    // where a "##" remark or "<##" block starts
  bool removed = false;             // the whole line lies in a block remark
};

// Follows Korvex's remarks from line to line, leniently: a misplaced marker
// is the run's error to report, the scan takes the text as far as it can.
class RemarkWalker {
 public:
  explicit RemarkWalker(std::string_view text) : rest_(text) {}

  bool next(ScanLine& l) {
    if (done_) return false;
    const size_t nl = rest_.find('\n');
    std::string_view raw = rest_.substr(0, nl);
    if (nl == std::string_view::npos) {
      done_ = true;
      if (raw.empty()) return false;
    } else {
      rest_.remove_prefix(nl + 1);
    }
    l.number = ++number_;
    l.text.assign(raw.data(), raw.size());
    l.remark_at.clear();
    l.removed = false;
    if (depth_ == 0 && raw.find("##") == std::string_view::npos) return true;
    l.raw.assign(raw.data(), raw.size());
    std::string& s = l.text;
    size_t from = 0;
    if (depth_ > 0) {
      const size_t close = s.find("##>");
      if (close == std::string::npos) {
        l.removed = true;
        return true;
      }
      std::fill(s.begin(), s.begin() + static_cast<long>(close + 3), ' ');
      depth_ = 0;
      from = close + 3;
    }
    const size_t open = s.find("<##", from);
    if (open != std::string::npos) {
      l.remark_at.push_back(open);
      const size_t close = s.find("##>", open + 3);
      const size_t end = close == std::string::npos ? s.size() : close + 3;
      std::fill(s.begin() + static_cast<long>(open), s.begin() + static_cast<long>(end), ' ');
      if (close == std::string::npos) depth_ = 1;
    }
    const size_t mark = s.find("##", from);
    if (mark != std::string::npos) {
      l.remark_at.push_back(mark);
      std::fill(s.begin() + static_cast<long>(mark), s.end(), ' ');
    }
    return true;
  }

 private:
  std::string_view rest_;
  int number_ = 0;
  int depth_ = 0;
  bool done_ = false;
};

// Verilog's comments and strings. A string ends at the end of its line; a
// block comment runs on.
class VerilogLexer {
 public:
  // Where each byte of `s` stands.
  void lex(const std::string& s, std::vector<unsigned char>& ctx) {
    ctx.assign(s.size(), kCode);
    size_t i = 0;
    bool line_comment = false, string = false;
    while (i < s.size()) {
      if (line_comment) {
        ctx[i++] = kComment;
      } else if (block_) {
        ctx[i] = kComment;
        if (s[i] == '*' && i + 1 < s.size() && s[i + 1] == '/') {
          ctx[i + 1] = kComment;
          block_ = false;
          i += 2;
        } else {
          ++i;
        }
      } else if (string) {
        ctx[i] = kString;
        if (s[i] == '\\' && i + 1 < s.size()) {
          ctx[i + 1] = kString;
          i += 2;
          continue;
        }
        if (s[i] == '"') string = false;
        ++i;
      } else if (s[i] == '/' && i + 1 < s.size() && (s[i + 1] == '/' || s[i + 1] == '*')) {
        ctx[i] = ctx[i + 1] = kComment;
        if (s[i + 1] == '/') line_comment = true; else block_ = true;
        i += 2;
      } else if (s[i] == '"') {
        ctx[i++] = kString;
        string = true;
      } else {
        ++i;
      }
    }
  }

 private:
  bool block_ = false;
};

std::string_view word_at(const std::string& s, size_t p) {
  size_t b = p, e = p;
  while (b > 0 && (ident_char(s[b - 1]) || s[b - 1] == '.')) --b;
  while (e < s.size() && (ident_char(s[e]) || s[e] == '.')) ++e;
  return std::string_view(s).substr(b, e - b);
}

// "an" before a keyword spoken from a vowel sound (EXPR, OCT, LCASE), else "a".
const char* article(std::string_view word) {
  return std::string_view("AEILO").find(word[0]) != std::string_view::npos ? "an" : "a";
}

size_t skip_blanks(const std::string& s, size_t p) {
  while (p < s.size() && blank(s[p])) ++p;
  return p;
}

// The word of `s` from p on (up to the next blank).
std::string next_word(const std::string& s, size_t p) {
  p = skip_blanks(s, p);
  size_t e = p;
  while (e < s.size() && !blank(s[e])) ++e;
  return s.substr(p, e - p);
}

// Where statements begin: the line's first text, the text after each ";;",
// and the body of a one-line IF, IFNOT or IFNDEF.
std::vector<size_t> statement_starts(const std::string& s) {
  std::vector<size_t> starts;
  auto add = [&](size_t p) {
    p = skip_blanks(s, p);
    if (p >= s.size()) return;
    starts.push_back(p);
    for (const char* kw : {"IF ", "IF\t", "IFNOT ", "IFNOT\t", "IFNDEF ", "IFNDEF\t"}) {
      const size_t n = std::strlen(kw);
      if (s.compare(p, n, kw) == 0) {
        size_t q = skip_blanks(s, p + n);
        while (q < s.size() && !blank(s[q])) ++q;
        q = skip_blanks(s, q);
        if (q < s.size()) starts.push_back(q);
        break;
      }
    }
  };
  add(0);
  for (size_t q = s.find(";;"); q != std::string::npos; q = s.find(";;", q + 2)) add(q + 2);
  return starts;
}

bool starts_statement(const std::vector<size_t>& starts, size_t p) {
  return std::find(starts.begin(), starts.end(), p) != starts.end();
}

// The statement keywords that a definition statement may carry after a dot.
bool takes_dot_suffix(std::string_view w) {
  return w == "SWAP" || w == "DEFINE" || w == "UNDEF" || w == "LOOP";
}

const char* const kDeclarationWords[] = {"parameter", "localparam", "wire",   "reg",
                                         "logic",     "integer",    "genvar", "input",
                                         "output",    "inout",      "int",    "bit",
                                         "real",      "string",     "typedef"};

// Whether a built-in swap name at p stands where Verilog names something it
// declares or sets: after a declaration word, after "." (a named port or
// parameter), or before "=".
bool declared_name(const std::string& s, size_t p, size_t len) {
  if (p > 0 && s[p - 1] == '.') return true;
  const size_t after = skip_blanks(s, p + len);
  if (after < s.size() && s[after] == '=' && (after + 1 >= s.size() || s[after + 1] != '='))
    return true;
  size_t b = p;
  while (b > 0 && blank(s[b - 1])) --b;
  if (b > 0 && s[b - 1] == ']') {  // a range: [7:0] NAME
    const size_t open = s.rfind('[', b - 1);
    if (open == std::string::npos) return false;
    b = open;
    while (b > 0 && blank(s[b - 1])) --b;
  }
  size_t w = b;
  while (w > 0 && ident_char(s[w - 1])) --w;
  const std::string_view prev(s.data() + w, b - w);
  for (const char* d : kDeclarationWords)
    if (prev == d) return true;
  return false;
}

struct Span {
  size_t begin, end;
};

bool covered(const std::vector<Span>& spans, size_t p, size_t len) {
  for (const Span& s : spans)
    if (p < s.end && p + len > s.begin) return true;
  return false;
}

const char* context_phrase(HazardCategory c) {
  switch (c) {
    case HazardCategory::kKeywordInComment: return " in a comment";
    case HazardCategory::kKeywordInString: return " in a string";
    case HazardCategory::kMisplacedKeyword: return " in Verilog code";
    default: return "";
  }
}

const char* keyword_mend(HazardCategory c) {
  switch (c) {
    case HazardCategory::kKeywordInWord:
      return "rename the word (lower case, or split it) or keep the line in an unparsed region "
             "(ENDPARSE ... STARTPARSE)";
    case HazardCategory::kKeywordInComment:
      return "write it in lower case or keep the line in an unparsed region (ENDPARSE ... "
             "STARTPARSE)";
    case HazardCategory::kKeywordInString:
      return "split the string in two joined by a concatenation, or keep the line in an "
             "unparsed region (ENDPARSE ... STARTPARSE)";
    default:
      return "write it in lower case, or open the statement with it";
  }
}

// The operator classes of strict left-to-right evaluation that differ from
// the usual precedence of Verilog and C.
int operator_class(const std::string& s, size_t& i) {
  auto two = [&](const char* op) { return s.compare(i, 2, op) == 0; };
  if (two("<<") || two(">>")) { i += 2; return 3; }
  if (two("<=") || two(">=")) { i += 2; return 4; }
  if (two("==") || two("!=")) { i += 2; return 5; }
  if (two("&&")) { i += 2; return 6; }
  if (two("||")) { i += 2; return 7; }
  switch (s[i]) {
    case '^': ++i; return 0;
    case '*': case '/': case '%': ++i; return 1;
    case '+': case '-': ++i; return 2;
    case '<': case '>': ++i; return 4;
    case '=': ++i; return 5;
    case '@': ++i; return 8;
    default: return -1;
  }
}

// Whether the expression inside the parentheses that open at `open` reads
// otherwise left to right than by the usual precedence: at some level an
// operator binds tighter than one before it (1+2*3), or, for LOG2, an
// operator stands outside inner parentheses (LOG2(x-1) is LOG2(x) minus 1).
bool misleading_order(const std::string& s, size_t open, bool log2) {
  std::vector<int> loosest(1, 99);  // per level: the loosest binding seen so far
  for (size_t i = open + 1; i < s.size();) {
    const char c = s[i];
    if (c == '(') {
      loosest.push_back(99);
      ++i;
    } else if (c == ')') {
      loosest.pop_back();
      if (loosest.empty()) return false;
      ++i;
    } else {
      const int k = operator_class(s, i);
      if (k < 0) {
        ++i;
        continue;
      }
      if (log2 && loosest.size() == 1) return true;
      const int binding = 8 - k;  // classes are numbered from the tightest
      if (binding > loosest.back()) return true;
      loosest.back() = std::min(loosest.back(), binding);
    }
  }
  return false;
}

class Scanner {
 public:
  Scanner(FileRole role, const ScanNames& names) : role_(role), names_(names) {
    swaps_ = names.swaps;
    std::sort(swaps_.begin(), swaps_.end());
    swaps_.erase(std::unique(swaps_.begin(), swaps_.end()), swaps_.end());
    if (!swaps_.empty()) set_name_matcher(matcher_, swaps_);
  }

  std::vector<Hazard> run(std::string_view file) {
    RemarkWalker walker(file);
    ScanLine l;
    while (walker.next(l)) line(l);
    // A file that holds no directive and gets no name from a definition
    // cannot mean a built-in swap either: every VERSION and BUILD_NUM in it
    // is plain text that the run replaces.
    if (!korvex_seen_ && swaps_.empty() && names_.groups.empty() && role_ == FileRole::kSource) {
      out_.insert(out_.end(), unmeant_.begin(), unmeant_.end());
      std::stable_sort(out_.begin(), out_.end(), [](const Hazard& a, const Hazard& b) {
        return a.line != b.line ? a.line < b.line : a.col < b.col;
      });
    }
    return std::move(out_);
  }

 private:
  void add(const ScanLine& l, size_t p, HazardCategory c, std::string text) {
    out_.push_back({l.number, static_cast<int>(p) + 1, c, std::move(text)});
  }

  // The hazards of a line, in the order of their columns.
  void line(const ScanLine& l) {
    const size_t first = out_.size();
    line_body(l);
    std::stable_sort(out_.begin() + static_cast<long>(first), out_.end(),
                     [](const Hazard& a, const Hazard& b) { return a.col < b.col; });
  }

  void line_body(const ScanLine& l) {
    if (l.removed) return;
    const std::string& s = l.text;
    const bool caps = has_capital(s);
    const bool specials = !l.remark_at.empty() || s.find(";;") != std::string::npos ||
                          s.find("\\\\") != std::string::npos;
    const bool names = (!swaps_.empty() && may_hold_name(matcher_, s)) || !loops_.empty();
    const bool slash = s.find('/') != std::string::npos;
    if (!caps && !specials && !names) {
      if (slash) lexer_.lex(s, ctx_);
      return;
    }
    lexer_.lex(s, ctx_);
    remarks(l);
    if (role_ == FileRole::kSource && caps) {
      if (s.find("ENDPARSE") != std::string::npos) {
        keywords(l);
        unparsed_ = true;
        return;
      }
      if (s.find("STARTPARSE") != std::string::npos) {
        keywords(l);
        unparsed_ = false;
        return;
      }
    }
    if (unparsed_) return;
    if (caps) keywords(l);
    if (specials) splits_and_joins(l);
    // The statements that close a block are not in its body; those that open
    // one are in the bodies of the blocks around it.
    if (caps && role_ == FileRole::kSource) blocks(l, false);
    if (names) this->names(l);
    if (caps && role_ == FileRole::kSource) blocks(l, true);
  }

  // "##" that is not a Korvex remark by intent: a cycle delay, or a marker
  // inside a string or a comment, which cuts the text.
  void remarks(const ScanLine& l) {
    for (size_t p : l.remark_at) {
      const Ctx c = p < ctx_.size() ? static_cast<Ctx>(ctx_[p]) : kCode;
      if (c == kString) {
        add(l, p, HazardCategory::kRemarkMarker,
            "## in a string starts a Korvex remark: the rest of the line is cut; write "
            "#CONST(#) for ## or split the string");
      } else if (c == kComment) {
        add(l, p, HazardCategory::kRemarkMarker,
            "## in a comment starts a Korvex remark: the rest of the line is cut; write "
            "#CONST(#) for ## or drop the marks");
      } else {
        const std::string& raw = l.raw;
        const size_t q = p + 2;
        size_t r = q;
        while (r < raw.size() && blank(raw[r])) ++r;
        // ##1, ##[1:3], ##(N), ##DELAY, ## 2: a cycle delay; a Korvex remark
        // leaves a blank after the marks and goes on with words.
        const bool delay =
            (q < raw.size() && (ident_char(raw[q]) || raw[q] == '[' || raw[q] == '(')) ||
            (r > q && r < raw.size() &&
             (std::isdigit(static_cast<unsigned char>(raw[r])) || raw[r] == '['));
        if (!delay) korvex_seen_ = true;
        if (delay) {
          add(l, p, HazardCategory::kRemarkMarker,
              "## before a delay is read as a Korvex remark: the rest of the line is cut; write "
              "#CONST(#) for a cycle delay (#CONST(#)1)");
        }
      }
    }
  }

  void keywords(const ScanLine& l) {
    const std::string& s = l.text;
    const uint32_t caps = capitals_of(s);
    const std::vector<size_t> starts = statement_starts(s);
    spans_.clear();
    const uint8_t file = role_ == FileRole::kSource ? kInSource : kInDefinition;
    for (const LintKeyword& k : lint_keywords()) {
      if (!may_hold(caps, k.word)) continue;
      const size_t len = std::strlen(k.word.text);
      for (size_t p = s.find(k.word.text); p != std::string::npos;
           p = s.find(k.word.text, p + 1)) {
        if (covered(spans_, p, len)) continue;
        spans_.push_back({p, p + len});
        if ((k.files & file) == 0) continue;
        const char after = p + len < s.size() ? s[p + len] : '\0';
        if (k.blank_after && after != ' ' && after != '\t') continue;
        const bool build_in_definition =
            role_ == FileRole::kDefinition && std::strcmp(k.word.text, "BUILD") == 0;
        if (!build_in_definition && ((*k.unless && match(s, k.unless)) ||
                                     (*k.unless2 && match(s, k.unless2))))
          continue;
        judge(l, k, p, len, starts);
      }
    }
    if (role_ == FileRole::kSource) {
      const size_t b = skip_blanks(s, 0);
      size_t e = s.size();
      while (e > b && blank(s[e - 1])) --e;
      if (s.compare(b, e - b, "IGNOREPARSE") == 0 && e - b == 11)
        add(l, b, HazardCategory::kInternalMarker,
            "IGNOREPARSE alone on a line is a text Korvex uses to mark unparsed lines: the "
            "line is replaced; rename it");
    }
  }

  void judge(const ScanLine& l, const LintKeyword& k, size_t p, size_t len,
             const std::vector<size_t>& starts) {
    const std::string& s = l.text;
    const Ctx c = static_cast<Ctx>(ctx_[p]);
    const char before = p > 0 ? s[p - 1] : ' ';
    const char after = p + len < s.size() ? s[p + len] : ' ';
    const std::string_view word = k.word.text;
    // A name after a backtick is a Verilog macro: `CHECK(x) is no directive.
    const bool macro = before == '`';
    bool in_word = ident_char(before) || ident_char(after) || macro;
    bool directive = false;
    bool builtin_reported = false;
    std::string effect = k.effect;
    switch (k.form) {
      case KeywordForm::kStatement: {
        const bool dot_ok = after == '.' && takes_dot_suffix(word);
        const bool paren_ok = after == '(' && word == "CHECK";
        const bool ends = blank(after) || p + len == s.size() || dot_ok || paren_ok;
        const bool allowed_suffix = word == "BUILD" && after == '_';
        if (allowed_suffix && !ident_char(before)) in_word = false;
        const bool defcmd_loop = word == "LOOP" && after_defcmd(s, p);
        if (word == "LIST" && p >= 7 && s.compare(p - 7, 7, "NOT_IN_") == 0) return;
        directive = c == kCode && ((starts_statement(starts, p) && ends) || defcmd_loop);
        break;
      }
      case KeywordForm::kInline: {
        const size_t q = skip_blanks(s, p + len);
        const bool paren = q < s.size() && s[q] == '(';
        if (!paren) {
          // TRUE is taken apart before the parenthesis check, as DUPL is
          // after it: both stop the run with error 300 instead of 313.
          const bool checked = takes_parenthesis(k) && word != "TRUE";
          effect = std::string("read as ") + article(word) + " " + k.word.text +
                   " form without its parenthesis: the run stops (error " +
                   (checked ? "313" : "300") + ")";
          in_word = ident_char(before) || ident_char(after);
        } else {
          // Right after the base of a Verilog literal (4'bDUPL(01 2)) a form
          // makes the literal's digits.
          const bool literal = p >= 2 && s[p - 2] == '\'' &&
                               std::string_view("bBoOdDhH").find(before) != std::string_view::npos;
          in_word = (ident_char(before) && !literal) || macro;
        }
        directive = paren && !in_word;
        if (directive && (word == "EXPR" || word == "LOG2") && misleading_order(s, q, word == "LOG2"))
          add(l, p, HazardCategory::kExprOrder,
              std::string(k.word.text) +
                  "( ) is evaluated strictly from left to right, without precedence" +
                  (word == "LOG2" ? " (LOG2(x-1) is LOG2(x) minus 1)" : "") +
                  "; put parentheses around each sub-expression");
        break;
      }
      case KeywordForm::kGroupRef:
        // A reference to a declared group is meant wherever it stands: text
        // before or after it stays attached to every member name.
        in_word = ident_char(before);
        if (names_group(s, p + len)) return;
        effect = "read as a group reference to a group that is not declared: the run stops "
                 "(error 308)";
        break;
      case KeywordForm::kPorts: {
        // Only in a port list, (PORTS) or beside other ports, does the pass
        // fill it in; anywhere else the line is taken for one and changed.
        size_t b = p;
        while (b > 0 && blank(s[b - 1])) --b;
        const size_t a = skip_blanks(s, p + len);
        const bool in_list = b > 0 && (s[b - 1] == '(' || s[b - 1] == ',') && a < s.size() &&
                             (s[a] == ')' || s[a] == ',');
        directive = c == kCode && !in_word && in_list;
        if (!in_word && c == kCode && !in_list)
          effect = "read as a PORTS statement outside a module's port list: the line takes the "
                   "names of the port declarations after it";
        break;
      }
      case KeywordForm::kBuiltin: {
        // Like a user swap, a built-in one is joined to other text with "_"
        // on purpose (out_BUILD_NUM.v), except VERSION in Verilog text, a
        // word real designs use in their own names.
        const bool strict = word == "VERSION" && !opens_directive_line(s);
        auto joins = [strict](char ch) {
          return strict ? ident_char(ch) : std::isalnum(static_cast<unsigned char>(ch)) != 0;
        };
        in_word = joins(before) || joins(after) || macro;
        directive = !in_word;
        // In Verilog code 1.2 makes no sense as a name or a value: VERSION
        // is meant in comments, strings and directive statements only.
        const bool misplaced_version = strict && c == kCode;
        if (directive && c == kCode && (misplaced_version || declared_name(s, p, len))) {
          builtin_reported = true;
          add(l, p, HazardCategory::kBuiltinSwap,
              std::string(k.word.text) +
                  (misplaced_version ? " in Verilog code is "
                                     : " where Verilog names what it declares or sets is ") +
                  k.effect + "; rename the identifier");
        }
        break;
      }
      case KeywordForm::kMarker:
        add(l, p, HazardCategory::kInternalMarker,
            std::string(k.word.text) + " " + k.effect + "; rename it");
        return;
    }
    if (directive) {
      if (k.form != KeywordForm::kBuiltin) korvex_seen_ = true;
      else if (!builtin_reported) unmeant_.push_back({l.number, static_cast<int>(p) + 1,
                                               HazardCategory::kBuiltinSwap,
                                               std::string(k.word.text) + " in a file without directives is " +
                                                   k.effect + "; write it in lower case"});
      return;
    }
    HazardCategory cat = c == kString    ? HazardCategory::kKeywordInString
                         : c == kComment ? HazardCategory::kKeywordInComment
                         : in_word       ? HazardCategory::kKeywordInWord
                                         : HazardCategory::kMisplacedKeyword;
    std::string text = k.word.text;
    if (in_word) text += " inside \"" + std::string(word_at(s, p)) + "\"";
    text += context_phrase(cat);
    text += " is " + effect + "; " + keyword_mend(cat);
    add(l, p, cat, std::move(text));
  }

  bool names_group(const std::string& s, size_t p) const {
    for (const std::string& g : names_.groups)
      if (!g.empty() && s.compare(p, g.size(), g) == 0) return true;
    return false;
  }

  static bool after_defcmd(const std::string& s, size_t p) {
    size_t b = p;
    while (b > 0 && blank(s[b - 1])) --b;
    return b >= 7 && s.compare(b - 7, 7, "DEFCMD(") == 0;
  }

  // ";;" that takes a semicolon of the Verilog with it, or splits a string,
  // a comment or a parenthesis; "\\" that joins lines inside a string or a
  // comment, or cuts the text after it.
  void splits_and_joins(const ScanLine& l) {
    const std::string& s = l.text;
    for (size_t q = s.find(";;"); q != std::string::npos; q = s.find(";;", q + 2)) {
      const Ctx c = static_cast<Ctx>(ctx_[q]);
      const char before = q > 0 ? s[q - 1] : ' ';
      const bool adjacent = before == ';' || (q + 2 < s.size() && s[q + 2] == ';');
      int depth = 0;
      for (size_t i = 0; i < q; ++i) {
        if (ctx_[i] != kCode) continue;
        if (s[i] == '(') ++depth;
        if (s[i] == ')') --depth;
      }
      const bool glued = !blank(before) && q > 0 && !opens_directive(s, q);
      const bool first = skip_blanks(s, 0) == q;  // a line of ";;" vanishes
      const char* why = c == kString    ? "in a string"
                        : c == kComment ? "in a comment"
                        : depth > 0     ? "inside parentheses"
                        : adjacent      ? "next to another semicolon"
                        : glued         ? "right after Verilog text"
                        : first         ? "at the start of the line"
                                        : nullptr;
      if (why == nullptr) continue;
      add(l, q, HazardCategory::kStatementSplit,
          std::string(";; ") + why +
              " splits the line into statements and the semicolons are lost; write them "
              "apart (; ;) or " + kUnparsed);
    }
    for (size_t q = s.find("\\\\"); q != std::string::npos; q = s.find("\\\\", q + 2)) {
      const Ctx c = static_cast<Ctx>(ctx_[q]);
      const bool more = skip_blanks(s, q + 2) < s.size();
      const char* why = c == kString ? "in a string" : c == kComment ? "in a comment" : more ? "before more text" : nullptr;
      if (why == nullptr) continue;
      add(l, q, HazardCategory::kLineJoin,
          std::string("\\\\ ") + why +
              " joins the next line onto this one and cuts the text after it; " + kUnparsed);
    }
  }

  // Whether the line opens with a directive keyword.
  bool opens_directive_line(const std::string& s) const {
    const size_t b = skip_blanks(s, 0);
    size_t e = b;
    while (e < s.size() && !blank(s[e])) ++e;
    return e > b && opens_directive(s, e);
  }

  // Whether the statement that ends at q opens with a directive keyword.
  bool opens_directive(const std::string& s, size_t q) const {
    size_t b = s.rfind(";;", q > 0 ? q - 1 : 0);
    b = (b == std::string::npos || b >= q) ? 0 : b + 2;
    b = skip_blanks(s, b);
    size_t e = b;
    while (e < q && (std::isupper(static_cast<unsigned char>(s[e])) || s[e] == '.' ||
                     std::isdigit(static_cast<unsigned char>(s[e]))))
      ++e;
    if (e == b) return false;
    const std::string_view w(s.data() + b, e - b);
    for (const LintKeyword& k : lint_keywords())
      if (k.form == KeywordForm::kStatement && w.substr(0, w.find('.')) == k.word.text) return true;
    return false;
  }

  // Swap names replaced inside longer identifiers or keywords, and the names
  // of open LOOP and ITER blocks inside the words of their bodies.
  void names(const ScanLine& l) {
    const std::string& s = l.text;
    if (!swaps_.empty() && !match(s, "CHECK") && !read_before_swaps(s)) {
      found_.clear();
      get_matched_names(matcher_, s, found_);
      std::string own;
      if (role_ == FileRole::kDefinition && s.compare(skip_blanks(s, 0), 4, "SWAP") == 0)
        own = get_split(s, 1);
      const bool swap_statement = !own.empty();
      for (int i : found_) {
        const std::string& n = swaps_[static_cast<size_t>(i)];
        if (n == own) continue;
        const bool deleter =
            std::find(names_.deleters.begin(), names_.deleters.end(), n) != names_.deleters.end();
        name_in_words(l, n, true, deleter, swap_statement);
      }
    }
    for (const Block& b : loops_) {
      if (b.iter && s.find(b.name) == std::string::npos) continue;
      name_in_words(l, b.name, false, false, false);
    }
  }

  // Definition statements that the run reads before it substitutes swaps
  // into the definition lines: a swap name inside them changes nothing.
  bool read_before_swaps(const std::string& s) const {
    if (role_ != FileRole::kDefinition) return false;
    std::string first = get_split(s, 0);
    first = first.substr(0, first.find('.'));
    for (const char* w : {"DEFINE", "UNDEF", "IFDEF", "IFNDEF", "ELSE", "ENDIF", "BUILD",
                          "ENDBUILD", "INCLUDE"})
      if (first == w) return true;
    return false;
  }

  // `deleter`: a NULL swap, meant to delete its name also inside words.
  // `swap_statement`: the line is a SWAP statement of a definition file,
  // whose keyword no pass reads again once the swap table is made.
  void name_in_words(const ScanLine& l, const std::string& n, bool swap, bool deleter,
                     bool swap_statement) {
    const std::string& s = l.text;
    // Names are joined to others with "_" on purpose (lane_LANE,
    // VARIANT_files): only a letter or a digit next to one makes it part of
    // a longer word.
    auto joins = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    for (size_t p = s.find(n); p != std::string::npos; p = s.find(n, p + n.size())) {
      if (swap && p >= 6 && s.compare(p - 6, 6, "CONST(") == 0) continue;
      const char before = p > 0 ? s[p - 1] : ' ';
      const char after = p + n.size() < s.size() ? s[p + n.size()] : ' ';
      if (!joins(before) && !joins(after)) continue;
      const std::string word(word_at(s, p));
      const bool keyword = in_keyword(word);
      if (keyword ? swap_statement && p < skip_blanks(s, 0) + 5 : deleter) continue;
      const char* what = swap ? "swap " : "loop name ";
      std::string text = std::string(what) + n + " is replaced inside \"" + word + "\"";
      if (keyword)
        text += ", a directive keyword, which the run then misreads; rename the " +
                std::string(swap ? "swap" : "loop");
      else if (swap)
        text += " (swaps replace every occurrence, also inside words); rename the word or the swap";
      else
        text += " (a loop replaces its name everywhere in its body); give the loop a name no word of its body holds";
      add(l, p,
          keyword ? HazardCategory::kNameInKeyword
                  : swap ? HazardCategory::kSwapInWord : HazardCategory::kLoopNameInWord,
          std::move(text));
      return;  // one report per name and line
    }
  }

  static bool in_keyword(const std::string& word) {
    for (const LintKeyword& k : lint_keywords())
      if (k.form == KeywordForm::kStatement || k.form == KeywordForm::kInline)
        if (word.find(k.word.text) != std::string::npos && std::strlen(k.word.text) > 2) return true;
    return false;
  }

  // LOOP and ITER blocks of a source file, as they open and close.
  void blocks(const ScanLine& l, bool opening) {
    const std::string& s = l.text;
    for (size_t p : statement_starts(s)) {
      if (ctx_[p] != kCode) continue;
      const bool loop = s.compare(p, 5, "LOOP ") == 0;
      const bool iter = s.compare(p, 5, "ITER ") == 0;
      if (opening) {
        if (!loop && !iter) continue;
        const std::string name = next_word(s, p + 5);
        if (!name.empty() && !match(name, "DEFCMD")) loops_.push_back({name, iter});
      } else if (s.compare(p, 8, "ENDLOOP ") == 0 || s.compare(p, 8, "ENDITER ") == 0) {
        const std::string name = next_word(s, p + 8);
        for (size_t i = loops_.size(); i-- > 0;) {
          if (loops_[i].name == name) {
            loops_.erase(loops_.begin() + static_cast<long>(i));
            break;
          }
        }
      }
    }
  }

  struct Block {
    std::string name;
    bool iter;
  };

  FileRole role_;
  const ScanNames& names_;
  std::vector<std::string> swaps_;  // each name once
  NameMatcher matcher_;
  VerilogLexer lexer_;
  std::vector<unsigned char> ctx_;
  std::vector<Span> spans_;
  std::vector<int> found_;
  std::vector<Block> loops_;
  std::vector<Hazard> out_;
  bool unparsed_ = false;
  bool korvex_seen_ = false;      // the file holds a directive written as one
  std::vector<Hazard> unmeant_;   // built-in swap names, meant only in a Korvex file
};

}  // namespace

const char* category_name(HazardCategory c) {
  switch (c) {
    case HazardCategory::kKeywordInWord: return "keyword-in-word";
    case HazardCategory::kKeywordInComment: return "keyword-in-comment";
    case HazardCategory::kKeywordInString: return "keyword-in-string";
    case HazardCategory::kMisplacedKeyword: return "misplaced-keyword";
    case HazardCategory::kRemarkMarker: return "remark-marker";
    case HazardCategory::kStatementSplit: return "statement-split";
    case HazardCategory::kLineJoin: return "line-join";
    case HazardCategory::kInternalMarker: return "internal-marker";
    case HazardCategory::kSwapInWord: return "swap-in-word";
    case HazardCategory::kLoopNameInWord: return "loop-name-in-word";
    case HazardCategory::kNameInKeyword: return "name-in-keyword";
    case HazardCategory::kBuiltinSwap: return "builtin-swap";
    case HazardCategory::kExprOrder: return "expr-order";
  }
  return "";
}

std::vector<Hazard> scan_hazards(std::string_view text, FileRole role, const ScanNames& names) {
  return Scanner(role, names).run(text);
}

FileRefs collect_refs(std::string_view text, FileRole role) {
  FileRefs refs;
  RemarkWalker walker(text);
  ScanLine l;
  while (walker.next(l)) {
    if (l.removed || !has_capital(l.text)) continue;
    for (size_t p : statement_starts(l.text)) {
      std::string st = l.text.substr(p);
      const size_t split = st.find(";;");
      if (split != std::string::npos) st.resize(split);
      remove_last_spaces(st);
      const std::string first = get_split(st, 0);
      if (first == "INCLUDE") {
        std::string name = st.substr(7);
        remove_leading_spaces(name);
        shrink_spaces(name);
        remove_last_spaces(name);
        if (!name.empty()) refs.includes.push_back(name);
      } else if (role == FileRole::kSource && first == "CREATE") {
        FileRefs::Child child;
        std::string head = l.text.substr(p);
        const size_t defcmd = head.find("DEFCMD");
        if (defcmd != std::string::npos) {
          for (size_t d = head.find("DEFCMD(", defcmd); d != std::string::npos;
               d = head.find("DEFCMD(", d + 7)) {
            const std::string inner = head.substr(d + 7);
            if (get_split(inner, 0).rfind("SWAP", 0) == 0) {
              std::string name = get_split(inner, 1);
              if (!name.empty() && name.back() == ')') name.pop_back();
              if (!name.empty()) child.swaps.push_back(name);
            }
          }
          head.resize(defcmd);
        }
        child.source = get_split(head, 1);
        child.definition = get_split(head, 2);
        if (!child.source.empty()) refs.children.push_back(std::move(child));
      } else if (role == FileRole::kDefinition && first.rfind("SWAP", 0) == 0 &&
                 (first.size() == 4 || first[4] == '.')) {
        const std::string name = get_split(st, 1);
        if (name.empty()) continue;
        refs.swaps.push_back(name);
        if (first == "SWAP.GLOBAL") refs.global_swaps.push_back(name);
        if (get_split(st, 2) == "NULL" && get_split(st, 3).empty()) refs.deleters.push_back(name);
      } else if (role == FileRole::kDefinition && first == "GROUP") {
        const std::string name = get_split(st, 1);
        if (!name.empty()) refs.groups.push_back(name);
      } else if (role == FileRole::kDefinition && first == "ENUM") {
        const std::vector<std::string> words = words_of(st);
        for (size_t i = 1; i < words.size(); ++i) refs.swaps.push_back(words[i]);
      }
    }
  }
  return refs;
}

}  // namespace korvex
