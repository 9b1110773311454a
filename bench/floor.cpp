// The least a line-array design can cost: reads a file into one record with a
// std::string per line (a record of Korvex's size) and writes the lines out.
// Nothing in Korvex uses it; it measures what any pass over the lines has to
// fit beside. Build and run:
//   g++ -O2 -std=c++20 bench/floor.cpp -o /tmp/floor
//   export GLIBC_TUNABLES=glibc.malloc.hugetlb=1:glibc.malloc.top_pad=1073741824
//   /tmp/floor big.v > /dev/null
#include <cstdio>
#include <string>
#include <vector>

struct Record {
  const void* file = nullptr;
  std::string text;
  const void* remark = nullptr;
  int num = 0, pending = 0, indent = 0;
};

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::FILE* f = std::fopen(argv[1], "rb");
  if (f == nullptr) return 1;
  std::string all;
  char block[1 << 16];
  for (size_t n; (n = std::fread(block, 1, sizeof block, f)) > 0;) all.append(block, n);
  std::fclose(f);
  size_t count = 1;
  for (const char c : all) count += c == '\n';
  std::vector<Record> lines;
  lines.reserve(count);
  for (size_t start = 0;;) {
    const size_t end = all.find('\n', start);
    Record& r = lines.emplace_back();
    r.text.assign(all, start, (end == std::string::npos ? all.size() : end) - start);
    r.num = static_cast<int>(lines.size());
    if (end == std::string::npos) break;
    start = end + 1;
  }
  std::string out;
  out.reserve(all.size() + count);
  for (const Record& r : lines) {
    out += r.text;
    out += '\n';
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
