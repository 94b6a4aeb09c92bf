#pragma once
// The dialogs of the program on the console, shared by every subcommand: information messages go to
// standard output (or are only kept, for commands that print them as JSON), errors to standard error,
// questions are answered as the command says, choosers are cancelled. Every text shown is kept in order.
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ports/Dialogs.h"

namespace marovix {

class ConsoleDialogs : public Dialogs {
public:
    struct Options {
        bool print = true;      // print messages as they come; false: only keep them
        bool answerYes = true;  // the answer to every question
    };
    ConsoleDialogs() : ConsoleDialogs(Options{}) {}
    explicit ConsoleDialogs(Options options) : m_options(options) {}

    // Called before a message is printed (e.g. to end a progress line drawn in place).
    void setBeforePrint(std::function<void()> beforePrint) { m_beforePrint = std::move(beforePrint); }
    // Which information messages report a failure: those go to standard error.
    void setIsFailure(std::function<bool(const std::string&)> isFailure) { m_isFailure = std::move(isFailure); }
    // Prints a text of the command's own (kept with the messages).
    void print(std::FILE* to, const std::string& text) { show(to, text); }
    // Every text shown, in order: messages, questions (followed by the answer given) and errors.
    const std::vector<std::string>& messages() const { return m_messages; }

    void beep() override {}
    void information(const std::string& text) override;
    bool confirm(const std::string& text) override;
    void error(const std::string& text) override;
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> chooseFile(const std::string&, const std::string&, const std::string&) override {
        return {};
    }

private:
    void show(std::FILE* to, const std::string& text);
    Options m_options;
    std::function<void()> m_beforePrint;
    std::function<bool(const std::string&)> m_isFailure;
    std::vector<std::string> m_messages;
};

}  // namespace marovix
