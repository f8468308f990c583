// Literal model of wordlist: each token rewritten in place, then re-read word
// by word through a string stream opened for reading and writing.
#include <cctype>
#include <iostream>
#include <set>
#include <sstream>
#include <string>

std::set<std::string> dic;
std::string s;
std::string buff;

int main() {
  while (std::cin >> s) {
    for (int i = 0; std::size_t(i) < s.size(); ++i) {
      unsigned char c = static_cast<unsigned char>(s[i]);
      if (std::isalpha(c))
        s[i] = static_cast<char>(std::tolower(c));
      else
        s[i] = ' ';
    }
    std::stringstream ss(s, std::ios::in | std::ios::out);
    while (ss >> buff) dic.insert(buff);
  }
  for (std::set<std::string>::iterator it = dic.begin(); it != dic.end(); ++it)
    std::cout << *it << std::endl;
  return 0;
}
