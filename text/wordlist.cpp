// wordlist: the distinct words of a text, folded to lower case, in ascending
// order.
//
// Input: any bytes. They are taken as white-space-delimited tokens by stream
// extraction until an extraction fails at the end of the input. A word is a
// maximal run of the ASCII letters A-Z and a-z (isalpha on the unsigned byte
// in the classic locale, which the program never changes): every other byte,
// a zero byte and bytes above 127 included, separates words.
// Output: each distinct word once, in the set's order (plain alphabetical,
// a word before its longer extensions), each followed by std::endl. An input
// without letters writes nothing.
//
// Method: each token is rewritten in place, letters to lower case and every
// other byte to a space, and the words of the rewritten token (the runs of
// letters between the spaces) go into the ordered set `dic`. The words are
// cut out of the token directly rather than re-read through a string stream
// built per token: the only separator left in the token is the space, so the
// words are the same.
// Cost: one pass over the input, O(L log W) string comparisons for L letters
// and W distinct words, plus one flush per line written.
//
// Outside the contract: nothing; any input is text.
#include <cctype>
#include <iostream>
#include <set>
#include <string>

std::set<std::string> dic;
std::string s;
std::string buff;

int main() {
  while (std::cin >> s) {
    for (int i = 0; std::size_t(i) < s.size(); ++i) {
      unsigned char c = static_cast<unsigned char>(s[i]);
      s[i] = std::isalpha(c) ? static_cast<char>(std::tolower(c)) : ' ';
    }
    std::size_t i = 0;
    while (i < s.size()) {
      while (i < s.size() && s[i] == ' ') ++i;
      std::size_t start = i;
      while (i < s.size() && s[i] != ' ') ++i;
      if (i > start) {
        buff.assign(s, start, i - start);
        dic.insert(buff);
      }
    }
  }
  for (const std::string& word : dic) std::cout << word << std::endl;
  return 0;
}
