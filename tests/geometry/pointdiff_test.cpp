#include "support/runner.hpp"

namespace {

TEST(Pointdiff, FixedLineWhateverTheInput) {
  for (const std::string& input : {std::string(), std::string("1 2\n(3,4)\n"), std::string(1 << 20, 'x')})
    EXPECT_TRUE(suite::Produces("pointdiff", input, "(1,2)\n"));
}

}  // namespace
