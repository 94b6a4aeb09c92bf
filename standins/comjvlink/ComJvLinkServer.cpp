// The JV-Link stand-in as a 32-bit in-process COM server: the feed-folder stand-in (FeedJvLink) behind
// the IDispatch surface of "JVDTLab.JVLink", so that the program's COM adapter (ComJvLink) is tested
// through real COM, late-bound, as it calls JV-Link. Only for tests: a user's machine has the real one.
//
// Methods, by name (any letter case), with their arguments as IDispatch hands them (last first):
//   JVInit(BSTR sid), JVSetUIProperties(), JVOpen(BSTR dataspec, BSTR fromtime, long option,
//   long* readcount, long* downloadcount, BSTR* lastfiletimestamp), JVStatus(), JVRTOpen(BSTR dataspec,
//   BSTR key), JVRead(BSTR* buff, long* size, BSTR* filename), JVCancel(), JVClose(); each returns a long.
// In arguments are taken by value or by reference and converted as IDispatch converts; out arguments
// must be by reference (VT_BYREF|VT_BSTR, VT_BYREF|VT_I4, or VT_BYREF|VT_VARIANT). The record goes out as
// the UTF-16 of its code page 932 bytes, as JV-Link hands it.
//
// The feed folder is the one of the stand-in's settings (FeedSettings). For the tests of the caller, two
// environment variables of the calling process act on the next call: MAROVIX_COMSTANDIN_RAISE names the
// methods (comma-separated) that raise DISP_E_EXCEPTION instead of running, MAROVIX_COMSTANDIN_JVOPEN_DELAY_MS
// holds JVOpen back that long.
#include <windows.h>

#include <objbase.h>
#include <oleauto.h>
#include <olectl.h>

#include <atomic>
#include <cwctype>
#include <string>

#include "platform/SystemClock.h"
#include "platform/win32/WideText.h"
#include "standins/jvlink/FeedJvLink.h"

namespace marovix {
namespace {

// {6B1F3A52-2C7E-4D0B-9A55-3E2D8C41F7A1}: the stand-in's own class; the program finds it by its ProgID.
const CLSID kStandInClsid = {0x6b1f3a52, 0x2c7e, 0x4d0b, {0x9a, 0x55, 0x3e, 0x2d, 0x8c, 0x41, 0xf7, 0xa1}};
const wchar_t* const kClsidText = L"{6B1F3A52-2C7E-4D0B-9A55-3E2D8C41F7A1}";
const wchar_t* const kProgId = L"JVDTLab.JVLink";

std::atomic<long> g_objects{0};
std::atomic<long> g_locks{0};
HMODULE g_module = nullptr;

enum Method : DISPID { kJVInit = 1, kJVSetUIProperties, kJVOpen, kJVStatus, kJVRTOpen, kJVRead, kJVCancel, kJVClose };

struct MethodName {
    const wchar_t* name;
    DISPID id;
    UINT arguments;
};
constexpr MethodName kMethods[] = {
    {L"JVInit", kJVInit, 1},     {L"JVSetUIProperties", kJVSetUIProperties, 0},
    {L"JVOpen", kJVOpen, 6},     {L"JVStatus", kJVStatus, 0},
    {L"JVRTOpen", kJVRTOpen, 2}, {L"JVRead", kJVRead, 3},
    {L"JVCancel", kJVCancel, 0}, {L"JVClose", kJVClose, 0},
};

bool sameName(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return true;
}

std::wstring environment(const wchar_t* name) {
    wchar_t value[512] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 512);
    return length > 0 && length < 512 ? std::wstring(value, length) : std::wstring();
}

bool raisesNow(const wchar_t* method) {
    const std::wstring list = environment(L"MAROVIX_COMSTANDIN_RAISE");
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(L',', start), list.size());
        if (sameName(std::wstring_view(list).substr(start, comma - start), method)) return true;
        start = comma + 1;
    }
    return false;
}

// The argument as a value of `type` (a by-reference argument is followed); false when it cannot be one.
bool inValue(const VARIANT& argument, VARTYPE type, VARIANT& value) {
    VariantInit(&value);
    return SUCCEEDED(VariantChangeType(&value, const_cast<VARIANT*>(&argument), 0, type));
}

bool inText(const VARIANT& argument, std::string& text) {
    VARIANT value;
    if (!inValue(argument, VT_BSTR, value)) return false;
    text = utf8Text(std::wstring_view(value.bstrVal, SysStringLen(value.bstrVal)));
    VariantClear(&value);
    return true;
}

bool inLong(const VARIANT& argument, long& number) {
    VARIANT value;
    if (!inValue(argument, VT_I4, value)) return false;
    number = value.lVal;
    return true;
}

bool outLong(VARIANT& argument, long number) {
    if (argument.vt == (VT_BYREF | VT_I4)) {
        *argument.plVal = number;
        return true;
    }
    if (argument.vt == (VT_BYREF | VT_VARIANT)) {
        VariantClear(argument.pvarVal);
        argument.pvarVal->vt = VT_I4;
        argument.pvarVal->lVal = number;
        return true;
    }
    return false;
}

bool outText(VARIANT& argument, const std::wstring& text) {
    BSTR made = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (argument.vt == (VT_BYREF | VT_BSTR)) {
        SysFreeString(*argument.pbstrVal);
        *argument.pbstrVal = made;
        return true;
    }
    if (argument.vt == (VT_BYREF | VT_VARIANT)) {
        VariantClear(argument.pvarVal);
        argument.pvarVal->vt = VT_BSTR;
        argument.pvarVal->bstrVal = made;
        return true;
    }
    SysFreeString(made);
    return false;
}

class StandInJvLink : public IDispatch {
public:
    StandInJvLink() : m_jvLink(m_clock) { ++g_objects; }
    virtual ~StandInJvLink() { --g_objects; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++m_references); }
    ULONG STDMETHODCALLTYPE Release() override {
        const long left = --m_references;
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;  // no type library: callers bind late, by name
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return TYPE_E_ELEMENTNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        if (!names || !ids || count == 0) return E_INVALIDARG;
        HRESULT result = S_OK;
        for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
        for (const MethodName& method : kMethods)
            if (sameName(names[0], method.name)) ids[0] = method.id;
        if (ids[0] == DISPID_UNKNOWN || count > 1) result = DISP_E_UNKNOWNNAME;  // no named arguments either
        return result;
    }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                     EXCEPINFO* exception, UINT* badArgument) override {
        const MethodName* method = nullptr;
        for (const MethodName& known : kMethods)
            if (known.id == id) method = &known;
        if (!method) return DISP_E_MEMBERNOTFOUND;
        if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
        if (!parameters) return E_INVALIDARG;
        if (parameters->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
        if (parameters->cArgs != method->arguments) return DISP_E_BADPARAMCOUNT;
        if (raisesNow(method->name)) {
            if (exception) {
                *exception = EXCEPINFO{};
                exception->scode = E_FAIL;
                exception->bstrSource = SysAllocString(kProgId);
                exception->bstrDescription = SysAllocString(L"JV-Link stand-in: raised on request");
            }
            return DISP_E_EXCEPTION;
        }
        // Arguments come last first: argument n of the method is rgvarg[count - 1 - n].
        VARIANT* args = parameters->rgvarg;
        auto arg = [&](UINT n) -> VARIANT& { return args[method->arguments - 1 - n]; };
        auto mismatch = [&](UINT n) {
            if (badArgument) *badArgument = method->arguments - 1 - n;
            return DISP_E_TYPEMISMATCH;
        };
        long value = 0;
        switch (id) {
            case kJVInit: {
                std::string softwareId;
                if (!inText(arg(0), softwareId)) return mismatch(0);
                value = m_jvLink.JVInit(softwareId);
                break;
            }
            case kJVSetUIProperties: value = m_jvLink.JVSetUIProperties(); break;
            case kJVOpen: {
                std::string dataspec, fromTime;
                long option = 0;
                if (!inText(arg(0), dataspec)) return mismatch(0);
                if (!inText(arg(1), fromTime)) return mismatch(1);
                if (!inLong(arg(2), option)) return mismatch(2);
                for (UINT n : {3u, 4u})
                    if (!outLong(arg(n), 0)) return mismatch(n);
                if (!outText(arg(5), L"")) return mismatch(5);
                if (const std::wstring delay = environment(L"MAROVIX_COMSTANDIN_JVOPEN_DELAY_MS"); !delay.empty())
                    Sleep(static_cast<DWORD>(std::wcstoul(delay.c_str(), nullptr, 10)));
                int reads = 0, downloads = 0;
                std::string stamp;
                value = m_jvLink.JVOpen(dataspec, fromTime, static_cast<int>(option), reads, downloads, stamp);
                outLong(arg(3), reads);
                outLong(arg(4), downloads);
                outText(arg(5), wideText(stamp));
                break;
            }
            case kJVStatus: value = m_jvLink.JVStatus(); break;
            case kJVRTOpen: {
                std::string dataspec, key;
                if (!inText(arg(0), dataspec)) return mismatch(0);
                if (!inText(arg(1), key)) return mismatch(1);
                value = m_jvLink.JVRTOpen(dataspec, key);
                break;
            }
            case kJVRead: {
                long size = 0;
                if (!inLong(arg(1), size)) return mismatch(1);
                if (!outText(arg(0), L"")) return mismatch(0);
                if (!outText(arg(2), L"")) return mismatch(2);
                std::string record, fileName;
                value = m_jvLink.JVRead(record, static_cast<int>(size), fileName);
                outText(arg(0), wideOfCp932(record));
                outLong(arg(1), value > 0 ? value : size);
                outText(arg(2), wideText(fileName));
                break;
            }
            case kJVCancel: value = m_jvLink.JVCancel(); break;
            case kJVClose: value = m_jvLink.JVClose(); break;
        }
        if (result) {
            VariantInit(result);
            result->vt = VT_I4;
            result->lVal = value;
        }
        return S_OK;
    }

private:
    std::atomic<long> m_references{1};
    SystemClock m_clock;  // first: the stand-in runs on it
    FeedJvLink m_jvLink;
};

class Factory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // one factory for the module's life
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        auto* made = new (std::nothrow) StandInJvLink();
        if (!made) return E_OUTOFMEMORY;
        const HRESULT hr = made->QueryInterface(iid, object);
        made->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        lock ? ++g_locks : --g_locks;
        return S_OK;
    }
};

Factory g_factory;

// Writes one text value under HKEY_CLASSES_ROOT (the machine's classes).
bool writeClassKey(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const bool written =
        RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return written;
}

}  // namespace
}  // namespace marovix

using namespace marovix;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, kStandInClsid)) return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(iid, object);
}

STDAPI DllCanUnloadNow() { return g_objects == 0 && g_locks == 0 ? S_OK : S_FALSE; }

STDAPI DllRegisterServer() {
    wchar_t module[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameW(g_module, module, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return SELFREG_E_CLASS;
    const std::wstring clsidKey = std::wstring(L"CLSID\\") + kClsidText;
    const bool done = writeClassKey(kProgId, nullptr, L"JV-Link stand-in (Marovix tests)") &&
                      writeClassKey(std::wstring(kProgId) + L"\\CLSID", nullptr, kClsidText) &&
                      writeClassKey(clsidKey, nullptr, L"JV-Link stand-in (Marovix tests)") &&
                      writeClassKey(clsidKey + L"\\ProgID", nullptr, kProgId) &&
                      writeClassKey(clsidKey + L"\\InprocServer32", nullptr, module) &&
                      writeClassKey(clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
    return done ? S_OK : SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer() {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + kClsidText).c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
    return S_OK;
}
