#include "framework/CDispatchDriver.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// An automation object that records what reaches it: the member "Echo" (id 7) answers
// with the text of its arguments as received; "Fail" (id 8) raises an exception.
class RecordingObject : public IDispatch
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (!IsEqualIID(id, IID_IUnknown) && !IsEqualIID(id, IID_IDispatch))
        {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return DISP_E_BADINDEX; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override
    {
        const std::wstring name = names[0];
        *ids = name == L"Echo" ? 7 : name == L"Fail" ? 8 : DISPID_UNKNOWN;
        return *ids == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD kind, DISPPARAMS* parameters, VARIANT* result,
                                     EXCEPINFO* exception, UINT*) override
    {
        lastKind = kind;
        named.assign(parameters->rgdispidNamedArgs, parameters->rgdispidNamedArgs + parameters->cNamedArgs);
        if (id == 8)
        {
            exception->bstrDescription = SysAllocString(L"refused");
            exception->scode = exceptionCode;
            exception->wCode = exceptionWCode;
            return DISP_E_EXCEPTION;
        }
        std::wstring received;
        for (UINT i = 0; i < parameters->cArgs; ++i)
        {
            VARIANT text;
            VariantInit(&text);
            VariantChangeType(&text, &parameters->rgvarg[i], 0, VT_BSTR);
            received += std::wstring(text.bstrVal ? text.bstrVal : L"") + L";";
            VariantClear(&text);
        }
        if (result)
        {
            result->vt = VT_BSTR;
            result->bstrVal = SysAllocString(received.c_str());
        }
        return S_OK;
    }

    ULONG references = 1;
    WORD lastKind = 0;
    std::vector<DISPID> named;
    SCODE exceptionCode = 0;
    WORD exceptionWCode = 0;
};

std::wstring Text(const CVariant& value)
{
    return value.Get().vt == VT_BSTR && value.Get().bstrVal ? value.Get().bstrVal : L"";
}

// Holds the object through a driver that attached it from a returned variant.
void Attach(CDispatchDriver& driver, RecordingObject& object)
{
    CVariant returned;
    VARIANT* value = returned.Receive();
    value->vt = VT_DISPATCH;
    value->pdispVal = &object;
    object.AddRef();
    ASSERT_EQ(S_OK, driver.Attach(returned));
}
} // namespace

TEST(CDispatchDriverTest, ArgumentsGoLastFirstAndAPutIsTheNamedPropertyArgument)
{
    RecordingObject object;
    {
        CDispatchDriver driver;
        Attach(driver, object);
        CVariant result;
        ASSERT_EQ(S_OK, driver.Call(L"Echo", {CVariant(L"first"), CVariant(2L), CVariant(true)}, &result));
        EXPECT_EQ(DISPATCH_METHOD, object.lastKind);
        EXPECT_EQ(L"-1;2;first;", Text(result));
        EXPECT_TRUE(object.named.empty());

        ASSERT_EQ(S_OK, driver.Put(L"Echo", CVariant(static_cast<const wchar_t*>(nullptr))));
        EXPECT_EQ(DISPATCH_PROPERTYPUT, object.lastKind);
        EXPECT_EQ(std::vector<DISPID>{DISPID_PROPERTYPUT}, object.named);
        EXPECT_EQ(DISP_E_UNKNOWNNAME, driver.Call(L"Missing", {}));
    }
    // The driver gave back the reference it took.
    EXPECT_EQ(1u, object.references);
}

TEST(CDispatchDriverTest, AnExceptionReportsTheObjectsOwnCode)
{
    const struct
    {
        SCODE scode;
        WORD wCode;
        HRESULT expected;
    } cases[] = {
        {HRESULT_FROM_WIN32(ERROR_NOT_CONNECTED), 0, HRESULT_FROM_WIN32(ERROR_NOT_CONNECTED)},
        {0, 1001, MAKE_HRESULT(SEVERITY_ERROR, FACILITY_DISPATCH, 1001)},
        {0, 0, DISP_E_EXCEPTION},
    };
    for (const auto& c : cases)
    {
        RecordingObject object;
        object.exceptionCode = c.scode;
        object.exceptionWCode = c.wCode;
        CDispatchDriver driver;
        Attach(driver, object);
        EXPECT_EQ(c.expected, driver.Call(L"Fail", {})) << std::hex << c.expected;
    }
}

TEST(CDispatchDriverTest, OnlyObjectsCanBeAttachedAndAnEmptyDriverFailsCleanly)
{
    CDispatchDriver driver;
    EXPECT_EQ(E_POINTER, driver.Call(L"Echo", {}));
    EXPECT_EQ(E_NOINTERFACE, driver.Attach(CVariant(L"not an object")));
    EXPECT_EQ(E_NOINTERFACE, driver.Attach(CVariant()));
    EXPECT_FALSE(driver.IsAttached());
    // A class nobody registered.
    const CLSID unknown = {0x1b2c3d4e, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x42}};
    CoInitialize(nullptr);
    EXPECT_EQ(REGDB_E_CLASSNOTREG, driver.Create(unknown, CLSCTX_INPROC_SERVER));
    CoUninitialize();
    EXPECT_FALSE(driver.IsAttached());
}
