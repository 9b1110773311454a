// Cycles of group references among member texts, found with Tarjan's
// strongly connected components (iterative, linear in the references).
#include "groups/group_cycles.h"

#include <algorithm>
#include <string>
#include <utility>

#include "groups/group_table.h"
#include "text/line.h"

namespace korvex {
namespace {

// The groups referenced by one text, appended to `out`.
void references_of(const std::string& text, const Groups& table, std::vector<int>& out) {
  static const Line none;
  size_t at = text.find("GROUP_");
  while (at != std::string::npos) {
    const int h = get_group_index(none, get_group_name_text(text.substr(at)), table, 1, 0);
    if (h >= 0) out.push_back(h);
    at = text.find("GROUP_", at + 6);
  }
}

}  // namespace

std::vector<char> get_cyclic_groups(const Groups& table) {
  size_t n = 0;
  while (n < table.size() && !table[n].name.empty()) ++n;
  std::vector<std::vector<int>> edges(n);
  bool any = false;
  for (size_t g = 0; g < n; ++g) {
    for (const Signl& m : table[g].members) {
      references_of(m.name, table, edges[g]);
      references_of(m.width, table, edges[g]);
      references_of(m.dir, table, edges[g]);
      for (const Signl_son& s : m.sons) references_of(s.value, table, edges[g]);
    }
    any = any || !edges[g].empty();
  }
  std::vector<char> cyclic(table.size(), 0);
  if (!any) return cyclic;

  std::vector<int> index(n, -1), low(n, 0);
  std::vector<char> on_stack(n, 0);
  std::vector<int> stack;
  std::vector<std::pair<int, size_t>> calls;  // node, next edge
  int counter = 0;
  for (size_t root = 0; root < n; ++root) {
    if (index[root] >= 0) continue;
    calls.push_back({static_cast<int>(root), 0});
    while (!calls.empty()) {
      auto& [v, next] = calls.back();
      if (next == 0 && index[v] < 0) {
        index[v] = low[v] = counter++;
        stack.push_back(v);
        on_stack[v] = 1;
      }
      if (next < edges[v].size()) {
        const int w = edges[v][next++];
        if (index[w] < 0) {
          calls.push_back({w, 0});
        } else if (on_stack[w]) {
          low[v] = std::min(low[v], index[w]);
        }
        continue;
      }
      const int done = v;
      calls.pop_back();
      if (!calls.empty()) {
        const int parent = calls.back().first;
        low[parent] = std::min(low[parent], low[done]);
      }
      if (low[done] != index[done]) continue;
      std::vector<int> component;
      int w;
      do {
        w = stack.back();
        stack.pop_back();
        on_stack[w] = 0;
        component.push_back(w);
      } while (w != done);
      bool loop = component.size() > 1;
      for (int e : edges[done]) loop = loop || e == done;
      if (loop)
        for (int c : component) cyclic[c] = 1;
    }
  }
  return cyclic;
}

}  // namespace korvex
