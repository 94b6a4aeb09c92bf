#include "tests/support/ScriptedJvLink.h"

#include <algorithm>

namespace marovix {
namespace {

// The next queued value, or `fallback` when none is left.
template <class T>
T takeOr(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

}  // namespace

ScriptedJvLink::ReadResult ScriptedJvLink::ReadResult::data(std::string record, std::string fileName) {
    int size = static_cast<int>(record.size());
    return {size, std::move(record), std::move(fileName)};
}

std::string ScriptedJvLink::Call::text() const {
    std::string out = name;
    for (const auto& arg : args) out += " " + arg;
    return out;
}

void ScriptedJvLink::queueStatus(std::vector<int> results) {
    m_status.insert(m_status.end(), results.begin(), results.end());
}

void ScriptedJvLink::queueFile(const std::vector<std::string>& records) {
    for (const auto& r : records) queueRead(ReadResult::data(r));
    queueRead(ReadResult::code(-1));
}

void ScriptedJvLink::queueReadCodes(const std::vector<int>& results) {
    for (int r : results) queueRead(ReadResult::code(r));
}

std::vector<std::string> ScriptedJvLink::callTexts() const {
    std::vector<std::string> out;
    for (const auto& call : m_calls) out.push_back(call.text());
    return out;
}

int ScriptedJvLink::callCount(const std::string& name) const {
    return static_cast<int>(
        std::count_if(m_calls.begin(), m_calls.end(), [&](const Call& c) { return c.name == name; }));
}

void ScriptedJvLink::record(std::string name, std::vector<std::string> args) {
    m_calls.push_back({std::move(name), std::move(args)});
}

bool ScriptedJvLink::isInstalled() {
    record("isInstalled");
    return m_installed;
}

int ScriptedJvLink::JVInit(const std::string& softwareId) {
    record("JVInit", {softwareId});
    return takeOr(m_init, 0);
}

int ScriptedJvLink::JVSetUIProperties() {
    record("JVSetUIProperties");
    return takeOr(m_setUI, 0);
}

int ScriptedJvLink::JVOpen(const std::string& dataspec, const std::string& fromTime, int option, int& readCount,
                           int& downloadCount, std::string& lastFileTimestamp) {
    record("JVOpen", {dataspec, fromTime, std::to_string(option)});
    OpenResult result = takeOr(m_open, OpenResult{-1, 0, 0, {}});
    readCount = result.readCount;
    downloadCount = result.downloadCount;
    lastFileTimestamp = result.lastFileTimestamp;
    return result.result;
}

int ScriptedJvLink::JVStatus() {
    record("JVStatus");
    m_lastStatus = takeOr(m_status, m_lastStatus);
    return m_lastStatus;
}

int ScriptedJvLink::JVRTOpen(const std::string& dataspec, const std::string& key) {
    record("JVRTOpen", {dataspec, key});
    return takeOr(m_rtOpen, -1);
}

int ScriptedJvLink::JVRead(std::string& record, int size, std::string& fileName) {
    this->record("JVRead", {std::to_string(size)});
    if (auto action = m_readActions.find(++m_readCalls); action != m_readActions.end()) action->second();
    ReadResult result = takeOr(m_read, ReadResult::code(0));
    if (result.result > 0) {
        record = std::move(result.record);
        fileName = std::move(result.fileName);
    }
    return result.result;
}

int ScriptedJvLink::JVCancel() {
    record("JVCancel");
    return takeOr(m_cancel, 0);
}

int ScriptedJvLink::JVClose() {
    record("JVClose");
    return takeOr(m_close, 0);
}

}  // namespace marovix
