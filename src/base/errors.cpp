// The error table and the two reporters that turn a table row into the
// printed message.
#include "base/errors.h"

#include "base/diagnostics.h"
#include "base/file_names.h"
#include "base/line_record.h"

namespace korvex {
namespace {

constexpr ErrorDef kErrors[] = {
#define KORVEX_ERROR_ROW(id, number, text) {Err::id, number, #id, text},
    KORVEX_ERRORS(KORVEX_ERROR_ROW)
#undef KORVEX_ERROR_ROW
};

}  // namespace

const ErrorDef& error_def(Err e) { return kErrors[static_cast<int>(e)]; }

std::span<const ErrorDef> error_table() { return kErrors; }

std::string error_text(Err e, const std::vector<std::string>& args) {
  const std::string tmpl = error_def(e).text;
  std::string out;
  size_t next = 0;
  for (size_t i = 0; i < tmpl.size(); ++i) {
    if (tmpl[i] == '{' && i + 1 < tmpl.size() && tmpl[i + 1] == '}') {
      if (next < args.size()) out += args[next];
      ++next;
      ++i;
    } else {
      out += tmpl[i];
    }
  }
  return out;
}

void generr_str(int code, const std::string& text) {
  const int number = 100 + code;
  throw KorvexError(number, "Korvex General error " + std::to_string(number) + "\n", text + "\n",
                    text);
}

void linerr_str(int code, const Line& line, const std::string& text) {
  const int number = 300 + code;
  throw KorvexError(number, "Korvex Line error " + std::to_string(number) + "\n",
                    line_error_body(line, text), text, line.file, line.num);
}

void KorvexError::frame(const std::string& chain_block) {
  if (framed_) return;
  framed_ = true;
  message = title_ + chain_block + body_;
}

void KorvexError::name_build(int b) {
  if (build_named_) return;
  build_named_ = true;
  build = b;
}

std::string error_location(const KorvexError& e) {
  std::string where = e.file.empty() ? std::string("korvex")
                                     : relative_to_cwd(e.file) + ":" + std::to_string(e.line);
  std::string text = e.text.empty() ? e.message : e.text;
  while (!text.empty() && text.back() == '\n') text.pop_back();
  for (char& c : text)
    if (c == '\n') c = ' ';
  std::string out = where + ": error " + std::to_string(e.number) + ": " + text;
  if (e.build >= 0) out += " [build " + std::to_string(e.build) + "]";
  return out + "\n";
}

}  // namespace korvex
