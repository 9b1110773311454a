// Module port lists filled from the declarations that follow PORTS.
//
// The PORTS line holds the names collected so far in front of the keyword,
// which marks where the next names go. Names are gathered and written into
// the PORTS line when the list closes (endmodule, task, function, the next
// PORTS line or the end of the lines), so a module with many ports costs no
// more than its declarations.
#include "groups/ports.h"

#include "text/strings.h"

namespace korvex {
namespace {

struct PortList {
  Lines* lines = nullptr;
  size_t at = 0;       // the current PORTS line
  std::string names;   // collected and not yet written into it

  void flush() {
    if (names.empty() || lines->empty()) return;
    find_and_replace((*lines)[at].text, "PORTS", names + "PORTS", 0);
    names.clear();
  }
  void remove(const std::string& what) {
    flush();
    if (!lines->empty()) find_and_replace((*lines)[at].text, what, "", 0);
  }
};

bool starts_with(const std::string& s, const char* p) { return s.rfind(p, 0) == 0; }

}  // namespace

void insert_ports(Lines& lines) {
  PortList list;
  list.lines = &lines;
  bool collecting = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const LineText& text = lines[i].text;
    if (match(text, "PORTS")) {
      list.flush();
      list.at = i;
      collecting = true;
    } else if (match(text, "endmodule") || match(text, "task ") || match(text, "function ")) {
      list.remove(",PORTS");
      collecting = false;
    } else if (collecting) {
      const std::string w = get_first_word(text.str());
      if (!starts_with(w, "input") && !starts_with(w, "output") && !starts_with(w, "inout"))
        continue;
      std::string names, before;
      if (match(text, "]"))
        splitstring(text, "]", before, names);
      else
        splitstring(text, w, before, names);
      std::string compact;
      compact.reserve(names.size());
      for (char c : names) {
        if (c == ' ') continue;
        compact += c == ';' ? ',' : c;
      }
      list.names += compact;
    }
  }
  list.remove("PORTS");
}

}  // namespace korvex
