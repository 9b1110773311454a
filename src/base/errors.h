// Raising Korvex errors.
//
// Every error is fatal. A pass raises one through generr() or linerr(), which
// build the whole message (title, CREATE chain, location, text) and throw a
// KorvexError; only main() catches it, prints the message and returns its
// number as the exit status. Texts come from the one table in error_table.h.
#pragma once

#include <exception>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "base/error_table.h"

namespace korvex {

struct Line;

enum class Err {
#define KORVEX_ERROR_ENUM(id, number, text) id,
  KORVEX_ERRORS(KORVEX_ERROR_ENUM)
#undef KORVEX_ERROR_ENUM
};

struct ErrorDef {
  Err id;
  int number;        // 100..199 general, 300..399 line error
  const char* name;  // the identifier, for documentation
  const char* text;  // message template, "{}" per argument
};

const ErrorDef& error_def(Err e);
std::span<const ErrorDef> error_table();

// The message text of `e` with its "{}" placeholders filled in order.
std::string error_text(Err e, const std::vector<std::string>& args);

// The one exception type of Korvex: the error's number and its whole message,
// exactly as print_msg() is to print it.
//
// The message names the CREATE chain and the build the error was raised in.
// The code that raises it knows neither: the levels it unwinds through name
// them, the innermost first (frame() and name_build() keep what an inner
// level named).
class KorvexError : public std::exception {
 public:
  // `title` ends with a line break; the chain block of an error raised
  // outside every CREATE level is an empty line.
  KorvexError(int number, std::string title, std::string body, std::string text = "",
              std::string file = "", int line = 0)
      : number(number),
        message(title + "\n" + body),
        text(std::move(text)),
        file(std::move(file)),
        line(line),
        title_(std::move(title)),
        body_(std::move(body)) {}
  const char* what() const noexcept override { return message.c_str(); }
  // `chain_block` (from create_chain_block()) goes between the title and the
  // location, unless an inner level has named its chain already.
  void frame(const std::string& chain_block);
  void name_build(int b);
  int number;
  std::string message;
  // The message without its frame, and for a line error the line it names
  // (its file as read and its number), for reports that frame it otherwise.
  std::string text;
  std::string file;
  int line;
  int build = -1;  // the build being processed when its file has several, else -1

 private:
  std::string title_;
  std::string body_;
  bool framed_ = false;
  bool build_named_ = false;
};

// "FILE:LINE: error NNN: text" (or "korvex: error NNN: text" for an error
// that names no line), with " [build N]" when the file has several builds.
std::string error_location(const KorvexError& e);

// Reporters: build the message around `text` and throw. `code` is the number
// less 100 (general) or less 300 (line error).
[[noreturn]] void generr_str(int code, const std::string& text);
[[noreturn]] void linerr_str(int code, const Line& line, const std::string& text);

namespace detail {
inline std::string to_text(const std::string& s) { return s; }
inline std::string to_text(const char* s) { return s; }
inline std::string to_text(std::string_view s) { return std::string(s); }
template <class T>
  requires std::is_integral_v<T>
std::string to_text(T v) {
  return std::to_string(v);
}
}  // namespace detail

template <class... A>
[[noreturn]] void generr(Err e, const A&... args) {
  generr_str(error_def(e).number - 100, error_text(e, {detail::to_text(args)...}));
}

template <class... A>
[[noreturn]] void linerr(Err e, const Line& line, const A&... args) {
  linerr_str(error_def(e).number - 300, line, error_text(e, {detail::to_text(args)...}));
}

}  // namespace korvex
