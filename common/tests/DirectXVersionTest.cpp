#include "common/DirectXVersion.h"
#include <dxdiag.h>
#include <gtest/gtest.h>
#include <cwctype>
#include <map>
#include <string>
#include <thread>

namespace
{
// A "DxDiag_SystemInfo" container holding the given properties.
class FakeSystemInfo : public IDxDiagContainer
{
public:
    ~FakeSystemInfo()
    {
        for (auto& entry : m_props)
            VariantClear(&entry.second);
    }
    void SetUnsigned(const wchar_t* name, DWORD value)
    {
        VARIANT& prop = Slot(name);
        prop.vt = VT_UI4;
        prop.ulVal = value;
    }
    void SetSigned(const wchar_t* name, LONG value)
    {
        VARIANT& prop = Slot(name);
        prop.vt = VT_I4;
        prop.lVal = value;
    }
    void SetText(const wchar_t* name, const wchar_t* value)
    {
        VARIANT& prop = Slot(name);
        prop.vt = VT_BSTR;
        prop.bstrVal = SysAllocString(value);
    }
    void Remove(const wchar_t* name)
    {
        VariantClear(&Slot(name));
        m_props.erase(name);
    }

    STDMETHODIMP QueryInterface(REFIID, void** object) override
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 1; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetNumberOfChildContainers(DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP EnumChildContainerNames(DWORD, LPWSTR, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetChildContainer(LPCWSTR, IDxDiagContainer**) override { return E_NOTIMPL; }
    STDMETHODIMP GetNumberOfProps(DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP EnumPropNames(DWORD, LPWSTR, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetProp(LPCWSTR name, VARIANT* value) override
    {
        auto found = m_props.find(name);
        return found == m_props.end() ? E_INVALIDARG : VariantCopy(value, &found->second);
    }

private:
    VARIANT& Slot(const wchar_t* name)
    {
        VARIANT& prop = m_props[name];
        VariantClear(&prop);
        return prop;
    }

    std::map<std::wstring, VARIANT> m_props;
};

// A provider that reports version 9.0c.
void FillNineZeroC(FakeSystemInfo& info)
{
    info.SetUnsigned(L"dwDirectXVersionMajor", 9);
    info.SetUnsigned(L"dwDirectXVersionMinor", 0);
    info.SetText(L"szDirectXVersionLetter", L"c");
}

// The result of a COM initialisation of the calling thread, undone again when it worked.
HRESULT ProbeApartment(DWORD model)
{
    const HRESULT hr = CoInitializeEx(nullptr, model);
    if (SUCCEEDED(hr))
        CoUninitialize();
    return hr;
}
} // namespace

TEST(DirectXVersionTest, ReadsTheInstalledVersion)
{
    DWORD major = 0;
    DWORD minor = 99;
    wchar_t letter = 0;
    ASSERT_EQ(S_OK, GetDirectXVersion(major, minor, letter));
    EXPECT_GE(major, 9u);
    EXPECT_LT(minor, 10u);
    EXPECT_TRUE(std::iswalpha(letter)) << static_cast<int>(letter);
}

// The call balances its own COM initialisation and leaves a caller's apartment alone,
// also one of the other threading model.
TEST(DirectXVersionTest, LeavesTheThreadsComStateAsItFoundIt)
{
    std::thread([] {
        DWORD major, minor;
        wchar_t letter;
        EXPECT_EQ(S_OK, GetDirectXVersion(major, minor, letter));
        EXPECT_EQ(S_OK, ProbeApartment(COINIT_APARTMENTTHREADED)) << "an apartment was left behind";
    }).join();

    std::thread([] {
        ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        DWORD major, minor;
        wchar_t letter;
        // The provider is apartment-threaded and has no marshaller: a multithreaded
        // caller cannot reach it.
        EXPECT_EQ(E_FAIL, GetDirectXVersion(major, minor, letter));
        EXPECT_EQ(S_FALSE, ProbeApartment(COINIT_MULTITHREADED)) << "the caller's apartment was ended";
        CoUninitialize();
    }).join();
}

TEST(DirectXVersionTest, ReadsMajorMinorAndTheLettersFirstCharacter)
{
    FakeSystemInfo info;
    FillNineZeroC(info);
    info.SetText(L"szDirectXVersionLetter", L"cx");
    DWORD major = 0;
    DWORD minor = 99;
    wchar_t letter = 0;
    EXPECT_EQ(S_OK, ReadDirectXVersion(&info, major, minor, letter));
    EXPECT_EQ(9u, major);
    EXPECT_EQ(0u, minor);
    EXPECT_EQ(L'c', letter);
}

TEST(DirectXVersionTest, FailsWhenAValueIsMissingOrOfAnotherType)
{
    const struct
    {
        const char* what;
        void (*change)(FakeSystemInfo&);
    } cases[] = {
        {"empty letter", [](FakeSystemInfo& info) { info.SetText(L"szDirectXVersionLetter", L""); }},
        {"letter as a number", [](FakeSystemInfo& info) { info.SetUnsigned(L"szDirectXVersionLetter", 'c'); }},
        {"signed major", [](FakeSystemInfo& info) { info.SetSigned(L"dwDirectXVersionMajor", 9); }},
        {"minor as text", [](FakeSystemInfo& info) { info.SetText(L"dwDirectXVersionMinor", L"0"); }},
        {"no minor", [](FakeSystemInfo& info) { info.Remove(L"dwDirectXVersionMinor"); }},
        {"no letter", [](FakeSystemInfo& info) { info.Remove(L"szDirectXVersionLetter"); }},
    };
    for (const auto& c : cases)
    {
        FakeSystemInfo info;
        FillNineZeroC(info);
        c.change(info);
        DWORD major, minor;
        wchar_t letter;
        EXPECT_EQ(E_FAIL, ReadDirectXVersion(&info, major, minor, letter)) << c.what;
    }
}
