#include "cli/ConsoleDialogs.h"

#include <cstdio>

namespace marovix {

void ConsoleDialogs::show(std::FILE* to, const std::string& text) {
    m_messages.push_back(text);
    if (!m_options.print) return;
    if (m_beforePrint) m_beforePrint();
    std::fprintf(to, "%s\n", text.c_str());
    std::fflush(to);
}

void ConsoleDialogs::information(const std::string& text) {
    show(m_isFailure && m_isFailure(text) ? stderr : stdout, text);
}

bool ConsoleDialogs::confirm(const std::string& text) {
    show(stdout, text + (m_options.answerYes ? " [Yes]" : " [No]"));
    return m_options.answerYes;
}

void ConsoleDialogs::error(const std::string& text) { show(stderr, text); }

}  // namespace marovix
