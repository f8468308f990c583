#include "support/runner.hpp"

namespace {

TEST(Twoprint, FixedLinesWhateverTheInput) {
  for (const std::string& input : {std::string(), std::string("5\n-3 0\n"), std::string(1 << 20, '7')})
    EXPECT_TRUE(suite::Produces("twoprint", input, "1\n9\n"));
}

}  // namespace
