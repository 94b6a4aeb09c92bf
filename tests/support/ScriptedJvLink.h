#pragma once
// A scripted JV-Link for tests: each operation returns the results queued for it, in order, and every
// call is recorded with its arguments. When a queue runs dry the operation gives its quiet default:
// JVInit, JVSetUIProperties, JVCancel, JVClose 0; JVOpen and JVRTOpen -1 (nothing newer); JVStatus the
// last status given (0 before any); JVRead 0 (all read).
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/ports/JvLink.h"

namespace marovix {

class ScriptedJvLink : public JvLink {
public:
    struct OpenResult {
        int result = 0;
        int readCount = 0;
        int downloadCount = 0;
        std::string lastFileTimestamp;
    };
    // One JVRead result: a record (the result is its byte size) or a bare code.
    struct ReadResult {
        int result = 0;
        std::string record;
        std::string fileName;

        static ReadResult data(std::string record, std::string fileName = {});
        static ReadResult code(int result) { return {result, {}, {}}; }
    };
    struct Call {
        std::string name;               // "JVOpen", "JVRead" ...
        std::vector<std::string> args;  // the arguments passed in, as text

        // The name and arguments separated by blanks: "JVOpen RACEMING 20240101000000 1".
        std::string text() const;
    };

    void setInstalled(bool installed) { m_installed = installed; }
    void queueInit(int result) { m_init.push_back(result); }
    void queueSetUIProperties(int result) { m_setUI.push_back(result); }
    void queueOpen(OpenResult result) { m_open.push_back(std::move(result)); }
    void queueStatus(std::vector<int> results);
    void queueRTOpen(int result) { m_rtOpen.push_back(result); }
    void queueRead(ReadResult result) { m_read.push_back(std::move(result)); }
    // Queues each record, then -1 (the file ends).
    void queueFile(const std::vector<std::string>& records);
    void queueReadCodes(const std::vector<int>& results);
    void queueCancel(int result) { m_cancel.push_back(result); }
    void queueClose(int result) { m_close.push_back(result); }
    // Runs `action` when JVRead is called for the `callNumber`-th time (from 1), before that call returns
    // its result: a cancel clicked while that record is being read.
    void atRead(int callNumber, std::function<void()> action) { m_readActions[callNumber] = std::move(action); }

    const std::vector<Call>& calls() const { return m_calls; }
    // Call::text() of every call, in order.
    std::vector<std::string> callTexts() const;
    // How many times `name` was called.
    int callCount(const std::string& name) const;
    // Results still queued for JVRead.
    std::size_t readsLeft() const { return m_read.size(); }

    bool isInstalled() override;
    int JVInit(const std::string& softwareId) override;
    int JVSetUIProperties() override;
    int JVOpen(const std::string& dataspec, const std::string& fromTime, int option, int& readCount, int& downloadCount,
               std::string& lastFileTimestamp) override;
    int JVStatus() override;
    int JVRTOpen(const std::string& dataspec, const std::string& key) override;
    int JVRead(std::string& record, int size, std::string& fileName) override;
    int JVCancel() override;
    int JVClose() override;

private:
    void record(std::string name, std::vector<std::string> args = {});

    bool m_installed = true;
    std::deque<int> m_init, m_setUI, m_status, m_rtOpen, m_cancel, m_close;
    std::deque<OpenResult> m_open;
    std::deque<ReadResult> m_read;
    int m_lastStatus = 0;
    int m_readCalls = 0;
    std::map<int, std::function<void()>> m_readActions;
    std::vector<Call> m_calls;
};

}  // namespace marovix
