#include "tests/support/ShellWords.h"

namespace marovix {

std::vector<std::string> splitShellWords(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;  // a quote opens a word even when nothing is inside it
    char quote = 0;
    for (const char c : line) {
        if (quote != 0) {
            if (c == quote) {
                quote = 0;
            } else {
                word += c;
            }
        } else if (c == '\'' || c == '"') {
            quote = c;
            inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

}  // namespace marovix
