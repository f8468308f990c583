// Builds inputs for the two group-minimum programs: "n m", the costs, then
// one link a line.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace suite {

inline std::string graph_input(const std::vector<long long>& costs,
                               const std::vector<std::pair<int, int>>& links) {
  std::string s = std::to_string(costs.size()) + " " + std::to_string(links.size()) + "\n";
  for (long long c : costs) s += std::to_string(c) + " ";
  s += "\n";
  for (const auto& [x, y] : links) s += std::to_string(x) + " " + std::to_string(y) + "\n";
  return s;
}

// A chain 1-2, 2-3, ..., (n-1)-n; each link is given larger vertex first when
// `reversed`. Costs count down from n, so the last vertex is the cheapest.
inline std::string chain_input(int n, bool reversed) {
  std::vector<long long> costs;
  for (int i = 1; i <= n; ++i) costs.push_back(n - i + 1);
  std::vector<std::pair<int, int>> links;
  for (int i = 1; i < n; ++i) links.emplace_back(reversed ? i + 1 : i, reversed ? i : i + 1);
  return graph_input(costs, links);
}

}  // namespace suite
