#pragma once
// Dialogs for tests: records every text shown and answers questions from a queue.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ports/Dialogs.h"

namespace marovix {

class FakeDialogs : public Dialogs {
public:
    int beeps = 0;
    std::vector<std::string> informations;
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    std::deque<bool> answers;                            // for confirm(); No when empty
    std::deque<std::optional<std::string>> chosenPaths;  // for the choosers; cancel when empty
    // Runs inside information(), after the text was recorded (a test's chance to act "while the box is up").
    std::function<void(const std::string&)> onInformation;
    // Runs inside confirm(), after the question was recorded and before it is answered.
    std::function<void(const std::string&)> onConfirm;

    void setNextAnswer(bool yes) { answers.push_back(yes); }

    void beep() override { ++beeps; }
    void information(const std::string& text) override {
        informations.push_back(text);
        if (onInformation) onInformation(text);
    }
    bool confirm(const std::string& text) override {
        questions.push_back(text);
        if (onConfirm) onConfirm(text);
        if (answers.empty()) return false;
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void error(const std::string& text) override { errors.push_back(text); }
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return nextPath(); }
    std::optional<std::string> chooseFile(const std::string&, const std::string&, const std::string&) override {
        return nextPath();
    }

private:
    std::optional<std::string> nextPath() {
        if (chosenPaths.empty()) return std::nullopt;
        auto path = chosenPaths.front();
        chosenPaths.pop_front();
        return path;
    }
};

}  // namespace marovix
