// PORTS: header port lists filled from the declarations that follow.
#include "groups/ports.h"

#include "group_test_util.h"

namespace korvex::test {
namespace {

using Ports = korvex::testing::KorvexTest;

using V = std::vector<std::string>;

V ports(const V& texts) {
  Lines lines = lines_of(texts);
  insert_ports(lines);
  return texts_of(lines);
}

TEST_F(Ports, DeclarationsAreTakenBySubstring) {
  EXPECT_EQ(
      ports({"module a (PORTS);", "output reg q;", "input_valid = 1;", "endmodule",
                  "module b (PORTS);", "inout  [3:0]  io ;", "task t;", "input x;", "endtask",
                  "endmodule"}),
      (V{"module a (regq,=1);", "output reg q;", "input_valid = 1;", "endmodule", "module b (io);",
         "inout  [3:0]  io ;", "task t;", "input x;", "endtask", "endmodule"}));
}

TEST_F(Ports, KeywordStaysWhereNothingWasCollected) {
  // Only the last PORTS line loses its keyword at the end.
  EXPECT_EQ(ports({"module a (PORTS);", "endmodule", "module b (PORTS);", "endmodule"}),
            (V{"module a (PORTS);", "endmodule", "module b ();", "endmodule"}));
  // Declarations from group expansion, with the range before the names.
  EXPECT_EQ(
      ports({"module m (PORTS);", "output [31:0]  awaddr,", "input  awready,", "endmodule"}),
      (V{"module m (awaddr,awready);", "output [31:0]  awaddr,", "input  awready,", "endmodule"}));
  EXPECT_EQ(ports({"input a;"}), (V{"input a;"}));
  EXPECT_TRUE(ports({}).empty());
}

TEST_F(Ports, ManyDeclarationsStayLinear) {
  V texts = {"module m (PORTS);"};
  for (int i = 0; i < 50000; ++i) texts.push_back("input p" + std::to_string(i) + ";");
  texts.push_back("endmodule");
  const V out = ports(texts);
  EXPECT_EQ(out[0].substr(0, 20), "module m (p0,p1,p2,p");
  EXPECT_EQ(out[0].substr(out[0].size() - 8), "p49999);");
}

}  // namespace
}  // namespace korvex::test
