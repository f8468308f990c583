#include "support/runner.hpp"

namespace {

using suite::Produces;

TEST(Campsum, Example) {
  EXPECT_TRUE(Produces("campsum", suite::example_input("campsum"), suite::example_output("campsum")));
}

TEST(Campsum, PlaceholderCheck) {
  EXPECT_TRUE(Produces("campsum", "1\n1\n7\nQ 0 0\nE\n", "Case 1:\n7\n"));
}

}  // namespace
