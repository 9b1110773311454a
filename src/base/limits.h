// The limits that keep runaway input from running for hours, exhausting
// memory or overflowing the stack. Each is checked before the work it
// protects and reported as a numbered error that names the limit; all of
// them live here so that they can be read and tuned in one place.
#pragma once

#include <cstddef>
#include <cstdint>

namespace korvex {

// Bits of any value the evaluator or the number formats produce (349).
inline constexpr std::uint64_t kMaxValueBits = 1'000'000;
// Bytes of a line an inline form or a swap rewrites, and of a swap name or
// value the cross-substitution of the swap table rewrites (350).
inline constexpr std::size_t kMaxLineBytes = std::size_t{64} * 1024 * 1024;
// Work of the swap table's cross-substitution, in bytes written by its
// steps (357): a floor, plus a multiple of the table's size per entry, which
// leaves room for values that take in the values of others.
inline constexpr std::uint64_t kSwapWorkFloor = std::uint64_t{32} * 1024 * 1024;
inline constexpr std::uint64_t kSwapWorkPerEntryByte = 64;
// Text made in one run by expansion and substitution (every generated or
// lengthened line counts its size): the floor, or this many bytes per line
// of MAX_LINES when that is more (358). It bounds the memory and time of
// loops, groups and swaps that multiply each other's output.
inline constexpr std::uint64_t kGeneratedTextFloor = std::uint64_t{256} * 1024 * 1024;
inline constexpr std::uint64_t kGeneratedTextPerLine = 1024;
// Big-number arithmetic in one run, in units of one 64-bit word times one
// (a product of an a-word and a b-word value costs a*b; turning a w-word
// value into decimal digits or back costs w*w) (359). About a second of work.
inline constexpr std::uint64_t kMaxArithWork = std::uint64_t{1} << 30;
// Nesting of parentheses and EXPR forms within one expression (349).
inline constexpr int kMaxExprDepth = 256;
// Files included within each other, the top-level file not counted (356).
// Include cycles are reported whatever the depth (351).
inline constexpr int kMaxIncludeDepth = 200;
// Files created within each other, the top-level file not counted (353).
// CREATE cycles are reported whatever the depth (352).
inline constexpr int kMaxCreateDepth = 100;
// Bytes of one line of an input file, its newline not counted (131), and
// bytes of input read in one run, each file counted once however often it
// is read (132): the floor, or this many bytes per line of MAX_LINES when
// that is more. Reading stops at either limit, so a device or a pipe that
// never ends costs no more memory than the limits allow.
inline constexpr std::uint64_t kInputLineFloor = std::uint64_t{16} * 1024 * 1024;
inline constexpr std::uint64_t kInputLinePerLine = 1024;
inline constexpr std::uint64_t kInputTotalFloor = std::uint64_t{256} * 1024 * 1024;
inline constexpr std::uint64_t kInputTotalPerLine = 4096;
// Lines of a file, loop expansions included, are bounded by the run's
// MAX_LINES option (default kDefaultMaxLines in base/options.h, 102).

}  // namespace korvex
