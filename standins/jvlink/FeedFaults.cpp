#include "standins/jvlink/FeedFaults.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "core/common/TextFile.h"
#include "standins/jvlink/FeedLayout.h"

namespace marovix {
namespace {

constexpr std::string_view kOperations[] = {"JVInit", "JVSetUIProperties", "JVOpen", "JVStatus", "JVRTOpen",
                                            "JVRead", "JVCancel",          "JVClose"};

std::optional<int> integer(std::string_view text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool matches(const FeedFaults::Rule& rule, std::string_view operation, std::string_view dataspec) {
    return rule.operation == operation && (rule.dataspec.empty() || rule.dataspec == dataspec);
}

std::optional<FeedFaults::Rule> parseRule(const std::vector<std::string>& words) {
    if (words.size() < 2) return std::nullopt;
    FeedFaults::Rule rule;
    if (std::find(std::begin(kOperations), std::end(kOperations), words[0]) == std::end(kOperations))
        return std::nullopt;
    rule.operation = words[0];
    // JVRead's positive result is the length of the record it hands over: a rule cannot make one up.
    auto code = integer(words[1]);
    if (!code || (rule.operation == "JVRead" && *code > 0)) return std::nullopt;
    rule.code = *code;
    for (std::size_t i = 2; i < words.size(); ++i) {
        if (words[i] == "after") {
            auto count = i + 1 < words.size() ? integer(words[i + 1]) : std::nullopt;
            if (!count || *count < 0) return std::nullopt;
            rule.after = *count;
            ++i;
        } else if (rule.dataspec.empty() &&
                   (feedlayout::validStoredDataspec(words[i]) || feedlayout::isRealtimeDataspec(words[i]))) {
            // A word that is no dataspec the stand-in serves ("afer") would make a rule that never fires.
            rule.dataspec = words[i];
        } else {
            return std::nullopt;
        }
    }
    return rule;
}

}  // namespace

FeedFaults FeedFaults::parse(std::string_view text) {
    FeedFaults faults;
    auto lines = splitLines(text);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        std::string line = lines[n].substr(0, lines[n].find('#'));
        std::istringstream in(line);
        std::vector<std::string> words;
        for (std::string word; in >> word;) words.push_back(word);
        if (words.empty()) continue;
        if (auto rule = parseRule(words))
            faults.m_rules.push_back(std::move(*rule));
        else
            faults.m_problems.push_back("line " + std::to_string(n + 1) + ": " + lines[n]);
    }
    return faults;
}

std::optional<int> FeedFaults::failure(std::string_view operation, std::string_view dataspec) const {
    for (const auto& rule : m_rules)
        if (matches(rule, operation, dataspec) && rule.passed >= rule.after) return rule.code;
    return std::nullopt;
}

void FeedFaults::passed(std::string_view operation, std::string_view dataspec) {
    for (auto& rule : m_rules)
        if (matches(rule, operation, dataspec)) ++rule.passed;
}

void FeedFaults::restart(std::string_view operation) {
    for (auto& rule : m_rules)
        if (rule.operation == operation) rule.passed = 0;
}

}  // namespace marovix
