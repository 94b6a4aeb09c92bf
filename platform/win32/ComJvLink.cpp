#include "platform/win32/ComJvLink.h"

#include <windows.h>

#include <objbase.h>
#include <oleauto.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/win32/WideText.h"

namespace marovix {
namespace {

std::string hresultText(HRESULT hr) { return "HRESULT " + windowsErrorText(static_cast<unsigned long>(hr)); }

// An in argument: a BSTR of the UTF-8 text, freed with the VARIANT.
// An empty VARIANT of `type`, whose matching member the caller fills.
VARIANT variantOf(VARTYPE type) {
    VARIANT v;
    VariantInit(&v);
    v.vt = type;
    return v;
}

// A text argument: its BSTR is freed by the call that passes it (ComJvLink::call).
VARIANT textArgument(const std::string& text) {
    VARIANT v = variantOf(VT_BSTR);
    const std::wstring wide = wideText(text);
    v.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return v;
}

VARIANT longArgument(long value) {
    VARIANT v = variantOf(VT_I4);
    v.lVal = value;
    return v;
}

VARIANT longOut(long* value) {
    VARIANT v = variantOf(VT_BYREF | VT_I4);
    v.plVal = value;
    return v;
}

VARIANT textOut(BSTR* text) {
    VARIANT v = variantOf(VT_BYREF | VT_BSTR);
    v.pbstrVal = text;
    return v;
}

// The component made from its identifier, in process or out; the failure's HRESULT otherwise.
HRESULT createComponent(IDispatch** instance) {
    *instance = nullptr;
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(wideText(ComJvLink::kProgId).c_str(), &clsid);
    if (SUCCEEDED(hr))
        hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(instance));
    if (FAILED(hr)) *instance = nullptr;
    return hr;
}

// An out BSTR, freed whatever the call did with it.
struct OutText {
    BSTR text = nullptr;
    OutText() = default;
    OutText(const OutText&) = delete;
    OutText& operator=(const OutText&) = delete;
    ~OutText() { SysFreeString(text); }
    std::wstring_view view() const { return text ? std::wstring_view(text, SysStringLen(text)) : std::wstring_view(); }
};

// Reports a call that has not returned in time, once, from a thread of its own.
class CallWatchdog {
public:
    CallWatchdog(std::chrono::milliseconds limit, std::function<void()> late) {
        if (!late || limit.count() <= 0) return;
        m_thread = std::thread([this, limit, late = std::move(late)] {
            std::unique_lock lock(m_mutex);
            if (!m_done.wait_for(lock, limit, [this] { return m_returned; })) late();
        });
    }
    ~CallWatchdog() {
        if (!m_thread.joinable()) return;
        {
            std::lock_guard lock(m_mutex);
            m_returned = true;
        }
        m_done.notify_all();
        m_thread.join();
    }
    CallWatchdog(const CallWatchdog&) = delete;
    CallWatchdog& operator=(const CallWatchdog&) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_returned = false;
    std::thread m_thread;
};

}  // namespace

ComJvLink::ComJvLink(Options options) : m_options(std::move(options)) {
    // A window program's thread: a single-threaded apartment. A thread some other part already made a
    // multi-threaded apartment keeps it (and this object does not undo it).
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    m_uninitialise = SUCCEEDED(hr);
}

ComJvLink::~ComJvLink() {
    if (m_component) m_component->Release();
    if (m_uninitialise) CoUninitialize();
}

void ComJvLink::fault(const std::wstring& name, const std::string& reason) {
    if (m_options.report) m_options.report(utf8Text(name) + "の呼び出しでエラーが発生しました(" + reason + ")");
}

bool ComJvLink::isInstalled() {
    IDispatch* instance = nullptr;
    if (FAILED(createComponent(&instance))) return false;
    instance->Release();
    return true;
}

IDispatch* ComJvLink::component() {
    if (m_component) return m_component;
    if (const HRESULT hr = createComponent(&m_component); FAILED(hr))
        fault(wideText(kProgId), "作成できません " + hresultText(hr));
    return m_component;
}

int ComJvLink::call(const wchar_t* name, VARIANT* arguments, unsigned count) {
    IDispatch* dispatch = component();
    const auto clearArguments = [&] {
        for (unsigned i = 0; i < count; ++i) VariantClear(&arguments[i]);
    };
    if (!dispatch) {
        clearArguments();
        return kCallFailed;
    }
    auto known = m_dispids.find(name);
    if (known == m_dispids.end()) {
        DISPID id = 0;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        const HRESULT hr = dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
        if (FAILED(hr)) {
            fault(name, "名前が見つかりません " + hresultText(hr));
            clearArguments();
            return kCallFailed;
        }
        known = m_dispids.emplace(name, id).first;
    }
    DISPPARAMS parameters{arguments, nullptr, count, 0};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception{};
    UINT badArgument = 0;
    HRESULT hr = dispatch->Invoke(known->second, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, &result,
                                  &exception, &badArgument);
    // The text arguments' BSTRs are freed here, whatever became of the call; a by-reference argument is
    // only emptied, its value stays with its owner (OutText, the caller's numbers).
    clearArguments();
    if (hr == DISP_E_EXCEPTION && exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
    std::string reason;
    if (FAILED(hr)) {
        reason = hresultText(hr);
        if (hr == DISP_E_EXCEPTION) {
            if (FAILED(exception.scode)) reason += " " + hresultText(exception.scode);
            if (exception.bstrDescription)
                reason += " " + utf8Text(std::wstring_view(exception.bstrDescription,
                                                           SysStringLen(exception.bstrDescription)));
        } else if (hr == DISP_E_TYPEMISMATCH || hr == DISP_E_PARAMNOTFOUND) {
            reason += " 引数 " + std::to_string(count - badArgument);
        }
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    long value = kCallFailed;
    if (SUCCEEDED(hr)) {
        hr = VariantChangeType(&result, &result, 0, VT_I4);
        if (SUCCEEDED(hr))
            value = result.lVal;
        else
            reason = "結果が数値ではありません " + hresultText(hr);
    }
    VariantClear(&result);
    if (!reason.empty()) {
        fault(name, reason);
        return kCallFailed;
    }
    return static_cast<int>(value);
}

int ComJvLink::JVInit(const std::string& softwareId) {
    VARIANT arguments[] = {textArgument(softwareId)};
    return call(L"JVInit", arguments, 1);
}

int ComJvLink::JVSetUIProperties() { return call(L"JVSetUIProperties", nullptr, 0); }

int ComJvLink::JVOpen(const std::string& dataspec, const std::string& fromTime, int option, int& readCount,
                      int& downloadCount, std::string& lastFileTimestamp) {
    long reads = 0, downloads = 0;
    OutText stamp;
    VARIANT arguments[] = {textOut(&stamp.text), longOut(&downloads),    longOut(&reads),
                           longArgument(option), textArgument(fromTime), textArgument(dataspec)};
    int result;
    {
        const auto limit = m_options.openWatchdog;
        CallWatchdog watchdog(
            limit, m_options.late ? std::function<void()>([this, limit] {
                m_options.late("JVOpenが" + std::to_string(limit.count() / 1000) +
                               "秒たっても戻りません。JV-Linkが表示した画面が隠れていないか確かめてください。");
            })
                                  : std::function<void()>());
        result = call(L"JVOpen", arguments, 6);
    }
    readCount = static_cast<int>(reads);
    downloadCount = static_cast<int>(downloads);
    lastFileTimestamp = utf8Text(stamp.view());
    return result;
}

int ComJvLink::JVStatus() { return call(L"JVStatus", nullptr, 0); }

int ComJvLink::JVRTOpen(const std::string& dataspec, const std::string& key) {
    VARIANT arguments[] = {textArgument(key), textArgument(dataspec)};
    return call(L"JVRTOpen", arguments, 2);
}

int ComJvLink::JVRead(std::string& record, int size, std::string& fileName) {
    OutText buffer, name;
    long bufferSize = size;
    VARIANT arguments[] = {textOut(&name.text), longOut(&bufferSize), textOut(&buffer.text)};
    const int result = call(L"JVRead", arguments, 3);
    fileName = utf8Text(name.view());
    if (result <= 0) {
        record.clear();
        return result;
    }
    // The component hands the record as UTF-16; the program cuts its fields by CP932 byte positions.
    record = cp932OfWide(buffer.view());
    return static_cast<int>(record.size());
}

int ComJvLink::JVCancel() { return call(L"JVCancel", nullptr, 0); }

int ComJvLink::JVClose() { return call(L"JVClose", nullptr, 0); }

}  // namespace marovix
