// The hazard scan: the places of a file where Korvex would change or reject
// text that is not written as a directive.
//
// The scan reads a file as its lines were written, not as the passes see
// them: it follows Korvex's remarks and unparsed regions, and Verilog's
// comments and strings, and looks at every keyword, swap name and loop name
// that a pass would act on. An occurrence in the shape the language gives
// the directive (a statement keyword opening its statement, an inline form
// followed by its parenthesis, a name standing as a whole word) is left
// alone; any other is a hazard, with a category saying where it stands.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvex {

enum class HazardCategory {
  kKeywordInWord,     // a keyword inside a longer identifier
  kKeywordInComment,  // a keyword in a Verilog comment, not in its directive shape
  kKeywordInString,   // a keyword in a string literal, not in its directive shape
  kMisplacedKeyword,  // a keyword in Verilog code where its directive cannot stand
  kRemarkMarker,      // ## that is a cycle delay, or stands in a string or comment
  kStatementSplit,    // ;; that takes a semicolon of the Verilog with it
  kLineJoin,          // \\ in a string, a comment, or before more text
  kInternalMarker,    // a text Korvex uses to mark lines
  kSwapInWord,        // a swap name replaced inside a longer identifier
  kLoopNameInWord,    // a LOOP or ITER name replaced inside a longer identifier
  kNameInKeyword,     // a swap or loop name replaced inside a directive keyword
  kBuiltinSwap,       // VERSION or BUILD_NUM where Verilog declares a name
  kExprOrder,         // an expression whose strict left-to-right order misleads
};

// The name printed in brackets after the warning: "keyword-in-word", ...
const char* category_name(HazardCategory c);

struct Hazard {
  int line = 0;  // 1-based, in the file as read
  int col = 0;   // 1-based byte column of what is found
  HazardCategory category;
  std::string text;
};

enum class FileRole { kSource, kDefinition };

// The directives of a file that bring other files or names into the run.
struct FileRefs {
  struct Child {
    std::string source;
    std::string definition;
    std::vector<std::string> swaps;  // the names of its DEFCMD swaps
  };
  std::vector<std::string> includes;      // INCLUDE names as written
  std::vector<Child> children;            // CREATE statements (source files)
  std::vector<std::string> swaps;         // names of SWAP and ENUM statements
  std::vector<std::string> global_swaps;  // names of SWAP.GLOBAL statements
  std::vector<std::string> deleters;      // names of swaps whose value is NULL
  std::vector<std::string> groups;        // names of GROUP definitions
};

// The names of the run that the scan of a file needs.
struct ScanNames {
  std::vector<std::string> swaps;     // user swaps applied to the file
  std::vector<std::string> deleters;  // those whose value is NULL: meant to delete text anywhere
  std::vector<std::string> groups;    // declared groups
};

// The INCLUDE, CREATE, SWAP and ENUM statements of `text`.
FileRefs collect_refs(std::string_view text, FileRole role);

// The hazards of `text`, in line order.
std::vector<Hazard> scan_hazards(std::string_view text, FileRole role, const ScanNames& names);

}  // namespace korvex
