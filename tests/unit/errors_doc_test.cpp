// docs/errors.md must document every row of the error table: each row has a
// heading "### <number> `<message template>`", with the template's "{}"
// placeholders kept and a line break written as \n. A row added to
// error_table.h without its documentation fails here, and so does a heading
// whose number or text drifted from the table.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "base/errors.h"

namespace korvex {
namespace {

std::string read_doc(const std::string& rel) {
  std::ifstream in(std::string(KORVEX_SOURCE_DIR) + "/" + rel);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The heading under which docs/errors.md documents one table row.
std::string doc_heading(const ErrorDef& row) {
  std::string text;
  for (const char* p = row.text; *p; ++p) text += (*p == '\n') ? std::string("\\n") : std::string(1, *p);
  return "### " + std::to_string(row.number) + " `" + text + "`";
}

TEST(ErrorsDoc, EveryTableRowIsDocumentedWithItsNumberAndTemplate) {
  const std::string doc = read_doc("docs/errors.md");
  ASSERT_FALSE(doc.empty()) << "docs/errors.md is missing";
  ASSERT_GT(error_table().size(), 50u);
  for (const ErrorDef& row : error_table()) {
    // The heading ends the line, so a template that is only a prefix of the
    // documented one does not pass.
    EXPECT_NE(doc.find(doc_heading(row) + "\n"), std::string::npos)
        << row.name << ": docs/errors.md lacks the heading\n" << doc_heading(row);
  }
}

TEST(ErrorsDoc, EveryDocumentedHeadingIsATableRow) {
  const std::string doc = read_doc("docs/errors.md");
  std::set<std::string> headings;
  for (const ErrorDef& row : error_table()) headings.insert(doc_heading(row));
  std::istringstream lines(doc);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("### ", 0) == 0) {
      EXPECT_TRUE(headings.count(line)) << "docs/errors.md documents an error the table lacks:\n" << line;
    }
  }
}

}  // namespace
}  // namespace korvex
