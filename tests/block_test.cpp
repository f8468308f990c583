// The reading and writing code is pasted into the programs, since they share
// no code at build time; every copy must stay the same text.
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "support/runner.hpp"

namespace {

// The text from the line `begin` to the line `end`, both included; empty
// when the file has no such block.
std::string block_of(const std::string& path, const std::string& begin, const std::string& end) {
  std::ifstream in(path);
  std::ostringstream all;
  all << in.rdbuf();
  std::string text = all.str();
  std::size_t from = text.find(begin), to = text.find(end, from);
  return from == std::string::npos || to == std::string::npos ? "" : text.substr(from, to + end.size() - from);
}

TEST(PastedBlock, EveryCopyIsTheSameText) {
  const std::pair<const char*, const char*> blocks[] = {
      {"// ---- reading and writing:", "// ---- end of reading and writing ----"},
      {"// ---- reading a token:", "// ---- end of reading a token ----"},
      {"// ---- reading a double:", "// ---- end of reading a double ----"}};
  for (auto [begin, end] : blocks) {
    std::map<std::string, std::string> copies;  // text -> first program holding it
    int holders = 0;
    for (const std::string& path : suite::all_program_sources()) {
      std::string text = block_of(path, begin, end);
      if (text.empty()) continue;
      ++holders;
      copies.emplace(text, path);
      EXPECT_EQ(copies.size(), 1u) << path << " holds a copy of \"" << begin << "\" that differs from "
                                   << copies.begin()->second << "'s";
    }
    if (std::string(begin).find("writing") != std::string::npos) {
      EXPECT_GT(holders, 0) << begin;
    }
  }
}

}  // namespace
