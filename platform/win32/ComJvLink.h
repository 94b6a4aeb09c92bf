#pragma once
// JV-Link through COM: the component registered as "JVDTLab.JVLink" (JRA-VAN's JV-Link on a user's
// machine), created in this 32-bit process and called late-bound through IDispatch (GetIDsOfNames,
// Invoke) by the names of its operations. No type library is used: its declaration of JVRead does not
// match what the component accepts early-bound, while the late-bound call works.
//
// Out parameters go as VT_BYREF|VT_BSTR and VT_BYREF|VT_I4; every BSTR is freed; the record text comes
// back as UTF-16 and is converted to code page 932 before use, so positions count its CP932 bytes. COM
// is initialised once on the thread that makes this object (a single-threaded apartment, as a window
// program's), and every call must come from that thread.
//
// A call that raises (DISP_E_EXCEPTION, an RPC fault, a missing component) gives -401, JV-Link's own
// "internal error", and its HRESULT and description go to the fault report; nothing is thrown. A JVOpen
// that has not returned within the watchdog's time is reported while it goes on (the real component has
// been seen to wait a quarter of an hour on a dialog nobody sees).
#include <chrono>
#include <functional>
#include <map>
#include <string>

#include "core/ports/JvLink.h"

struct IDispatch;
struct tagVARIANT;

namespace marovix {

class ComJvLink : public JvLink {
public:
    // JV-Link's result for a call that raised: "JV-Link 内部エラーが発生しました。"
    static constexpr int kCallFailed = -401;
    static constexpr const char* kProgId = "JVDTLab.JVLink";

    struct Options {
        // A JVOpen running longer than this is reported through `late`, once.
        std::chrono::milliseconds openWatchdog = std::chrono::minutes(5);
        // Called on the calling thread with the text of each failed call (the operation and the HRESULT).
        std::function<void(const std::string&)> report;
        // Called on the watchdog's own thread, while JVOpen still runs: it must not touch what the
        // program's thread uses without a lock (a console prints, a window posts a message).
        std::function<void(const std::string&)> late;
    };

    explicit ComJvLink(Options options);
    ~ComJvLink() override;
    ComJvLink(const ComJvLink&) = delete;
    ComJvLink& operator=(const ComJvLink&) = delete;

    // The component is registered and an instance can be made; the instance is released at once.
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
    // Calls the operation with its arguments (last first, as IDispatch takes them); its result as a long,
    // or kCallFailed with the fault reported. The arguments are cleared afterwards, whatever happened:
    // their own texts freed, by-reference ones only emptied.
    int call(const wchar_t* name, tagVARIANT* arguments, unsigned count);
    IDispatch* component();
    void fault(const std::wstring& name, const std::string& reason);

    Options m_options;
    bool m_uninitialise = false;
    IDispatch* m_component = nullptr;
    std::map<std::wstring, long> m_dispids;
};

}  // namespace marovix
