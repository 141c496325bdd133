#include "common/CErrorInfo.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
const wchar_t kFormatFailed[] = L"Failed to generate Error Message";

// Takes the thread's error object, as a COM caller would, and returns its description.
std::wstring TakeThreadDescription()
{
    IErrorInfo* info = nullptr;
    if (::GetErrorInfo(0, &info) != S_OK || !info)
        return L"<none>";
    BSTR description = nullptr;
    info->GetDescription(&description);
    std::wstring text = description ? description : L"";
    ::SysFreeString(description);
    info->Release();
    return text;
}

// The system's own text for a code, as FormatMessage returns it; empty when it has none.
std::wstring SystemText(HRESULT hr)
{
    wchar_t* text = nullptr;
    ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, static_cast<DWORD>(hr), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                     reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring result = text ? text : L"";
    ::LocalFree(text);
    return result;
}

std::wstring FormatErrorMessage(HRESULT hr)
{
    wchar_t* text = CErrorInfo::FormatErrorMessage(hr);
    std::wstring result = text ? text : L"<null>";
    ::LocalFree(text);
    return result;
}

// Every test starts and ends without error information on the thread, since a new
// CErrorInfo picks up whatever an earlier one published.
class CErrorInfoTest : public testing::Test
{
protected:
    void SetUp() override { ::SetErrorInfo(0, nullptr); }
    void TearDown() override { ::SetErrorInfo(0, nullptr); }
};
} // namespace

TEST_F(CErrorInfoTest, CodeZeroLeavesMessageEmptyAndPublishesNothing)
{
    CErrorInfo info(0);
    EXPECT_STREQ(L"", info.GetText());
    EXPECT_EQ(0, info.GetHr());
    EXPECT_TRUE(info.Succeeded());
    EXPECT_FALSE(info.Failed());
    EXPECT_EQ(L"<none>", TakeThreadDescription());
}

TEST_F(CErrorInfoTest, SignOfTheCodeDecidesSuccess)
{
    const HRESULT codes[] = {1, 0x7FFFFFFF, E_FAIL, static_cast<HRESULT>(0x80000000)};
    for (HRESULT hr : codes)
    {
        CErrorInfo info(hr);
        EXPECT_EQ(hr >= 0, info.Succeeded()) << std::hex << hr;
        EXPECT_EQ(hr < 0, info.Failed()) << std::hex << hr;
        EXPECT_EQ(hr, info.GetHr());
        EXPECT_EQ(hr, info.GetCode());
        ::SetErrorInfo(0, nullptr);
    }
}

TEST_F(CErrorInfoTest, SuccessCodeOtherThanZeroGetsSystemTextWithoutFinalLineFeed)
{
    std::wstring raw = SystemText(1);
    ASSERT_GT(raw.size(), 2u);
    ASSERT_EQ(L'\n', raw.back());
    CErrorInfo info(1);
    // The line feed goes, a carriage return before it stays.
    EXPECT_EQ(raw.substr(0, raw.size() - 1), info.GetText());
}

TEST_F(CErrorInfoTest, CodesWithoutSystemTextGetAGeneratedText)
{
    struct Case
    {
        ULONG code;
        const wchar_t* expected;
    } cases[] = {
        {0x80040201, L"IDispatch error #1"},       {0x80040205, L"IDispatch error #5"},
        {0x8004FFFF, L"IDispatch error #65023"},   {0x80040200, L"Unknown error 0x80040200"},
        {0x8003FFFF, L"Unknown error 0x8003ffff"}, {0x80050000, L"Unknown error 0x80050000"},
    };
    for (const Case& c : cases)
    {
        HRESULT hr = static_cast<HRESULT>(c.code);
        ASSERT_EQ(L"", SystemText(hr)) << std::hex << c.code << " has a system text";
        EXPECT_EQ(c.expected, FormatErrorMessage(hr));
        CErrorInfo info(hr);
        EXPECT_STREQ(c.expected, info.GetText());
        ::SetErrorInfo(0, nullptr);
    }
}

TEST_F(CErrorInfoTest, FormatAppendsLinesJoinedByCrLf)
{
    CErrorInfo info(0);
    EXPECT_STREQ(L"first 1", info.Format(L"first %d", 1));
    EXPECT_STREQ(L"first 1\r\nsecond", info.Format(L"%s", L"second"));
    // A narrow format is widened, and then follows the wide rules (%s takes wide text).
    EXPECT_STREQ(L"first 1\r\nsecond\r\nthird 3 wide", info.FormatA("third %d %s", 3, L"wide"));
    EXPECT_STREQ(L"first 1\r\nsecond\r\nthird 3 wide", info.GetText());
}

TEST_F(CErrorInfoTest, FormattedTextLongerThanTheBufferIsRejected)
{
    struct Case
    {
        size_t length;
        size_t appended; // 0: rejected
    } cases[] = {{1023, 1023}, {1024, 1023}, {1025, 0}, {3000, 0}};
    for (const Case& c : cases)
    {
        CErrorInfo info(0);
        info.Format(L"head");
        std::wstring arg(c.length, L'x');
        const wchar_t* result = info.Format(L"%s", arg.c_str());
        if (c.appended)
        {
            std::wstring expected = L"head\r\n" + std::wstring(c.appended, L'x');
            EXPECT_EQ(expected, result) << c.length;
            EXPECT_EQ(expected, info.GetText());
        }
        else
        {
            EXPECT_STREQ(kFormatFailed, result) << c.length;
            EXPECT_STREQ(L"head", info.GetText());
            EXPECT_EQ(L"head", TakeThreadDescription());
        }
        ::SetErrorInfo(0, nullptr);
    }
}

TEST_F(CErrorInfoTest, NullFormatIsRejected)
{
    CErrorInfo info(0);
    EXPECT_STREQ(kFormatFailed, info.Format(nullptr));
    EXPECT_STREQ(kFormatFailed, info.FormatA(nullptr));
    EXPECT_STREQ(L"", info.GetText());
}

TEST_F(CErrorInfoTest, FormatIdUsesTheStringTable)
{
    CErrorInfo info(0);
    EXPECT_STREQ(L"Device camera failed with 7", info.FormatId(200, L"camera", 7));
    EXPECT_STREQ(L"Failed to generate Error Messsage", info.FormatId(4242, L"camera", 7));
    EXPECT_STREQ(L"Device camera failed with 7", info.GetText());
}

TEST_F(CErrorInfoTest, SetHrAddsSystemTextOnlyToAnEmptyMessage)
{
    std::wstring raw = SystemText(E_OUTOFMEMORY);
    ASSERT_FALSE(raw.empty());
    std::wstring expected = raw.back() == L'\n' ? raw.substr(0, raw.size() - 1) : raw;

    CErrorInfo info(0);
    EXPECT_EQ(0, info.SetHr(0));
    EXPECT_STREQ(L"", info.GetText());
    EXPECT_EQ(E_OUTOFMEMORY, info.SetHr(E_OUTOFMEMORY));
    EXPECT_EQ(expected, info.GetText());
    EXPECT_EQ(E_FAIL, info.SetHr(E_FAIL));
    EXPECT_EQ(E_FAIL, info.GetHr());
    EXPECT_EQ(expected, info.GetText());
}

TEST_F(CErrorInfoTest, ThreadErrorDescriptionFollowsTheMessage)
{
    CErrorInfo info(0);
    info.Format(L"alpha");
    info.Format(L"beta");
    EXPECT_EQ(L"alpha\r\nbeta", TakeThreadDescription());
    // Taking the error object cleared the thread; the next line publishes it again.
    info.Format(L"gamma");
    EXPECT_EQ(L"alpha\r\nbeta\r\ngamma", TakeThreadDescription());

    IErrorInfo* published = info.Publish();
    ASSERT_NE(nullptr, published);
    BSTR description = nullptr;
    ASSERT_EQ(S_OK, published->GetDescription(&description));
    EXPECT_STREQ(L"alpha\r\nbeta\r\ngamma", description);
    ::SysFreeString(description);
    published->Release();
    EXPECT_EQ(L"alpha\r\nbeta\r\ngamma", TakeThreadDescription());
}

TEST_F(CErrorInfoTest, ConstructorTakesOverTheDescriptionLeftOnTheThreadVerbatim)
{
    ICreateErrorInfo* create = nullptr;
    ASSERT_EQ(S_OK, ::CreateErrorInfo(&create));
    create->SetDescription(const_cast<LPOLESTR>(L"driver: 100% %s busy"));
    IErrorInfo* left = nullptr;
    ASSERT_EQ(S_OK, create->QueryInterface(IID_PPV_ARGS(&left)));
    ::SetErrorInfo(0, left);
    left->Release();
    create->Release();

    CErrorInfo info(E_FAIL);
    EXPECT_EQ(E_FAIL, info.GetHr());
    // The description is a line of its own, not a format, and replaces the system text.
    EXPECT_STREQ(L"driver: 100% %s busy", info.GetText());
    info.Format(L"while starting");
    EXPECT_EQ(L"driver: 100% %s busy\r\nwhile starting", TakeThreadDescription());
}

TEST_F(CErrorInfoTest, ClearEmptiesMessageButKeepsTheErrorObject)
{
    CErrorInfo info(E_FAIL);
    info.Format(L"old");
    ICreateErrorInfo* before = info.GetCreateErrorInfo();
    ASSERT_NE(nullptr, before);

    info.Clear();
    EXPECT_EQ(0, info.GetHr());
    EXPECT_STREQ(L"", info.GetText());
    EXPECT_STREQ(L"new", info.Format(L"new"));

    ICreateErrorInfo* after = info.GetCreateErrorInfo();
    EXPECT_EQ(before, after);
    after->Release();
    before->Release();
    EXPECT_EQ(L"new", TakeThreadDescription());
}

TEST(CErrorInfoExtras, Win32CodesBecomeHresultsAndThrowsCarryTheSystemText)
{
    const struct
    {
        DWORD error;
        HRESULT hr;
    } cases[] = {
        {0, S_OK},
        {ERROR_FILE_NOT_FOUND, static_cast<HRESULT>(0x80070002)},
        {12029, static_cast<HRESULT>(0x80072EFD)},
        {0x80004005, E_FAIL}, // already an HRESULT
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.hr, CErrorInfo::FromWin32(c.error)) << c.error;

    SetLastError(0);
    EXPECT_EQ(E_FAIL, CErrorInfo::FromLastError());
    SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_EQ(E_ACCESSDENIED, CErrorInfo::FromLastError());

    try
    {
        CErrorInfo::ThrowWin32(ERROR_FILE_NOT_FOUND);
        FAIL() << "nothing thrown";
    }
    catch (const CErrorInfo& error)
    {
        EXPECT_EQ(static_cast<HRESULT>(0x80070002), error.GetHr());
        wchar_t* system = CErrorInfo::FormatErrorMessage(0x80070002);
        EXPECT_NE(std::wstring::npos, std::wstring(error.GetText()).find(system));
        LocalFree(system);
    }
}

TEST(CErrorInfoExtras, MessageConstructorCopyAndReport)
{
    CErrorInfo empty;
    EXPECT_EQ(S_OK, empty.GetHr());
    EXPECT_STREQ(L"", empty.GetText());

    CErrorInfo error(E_INVALIDARG, L"The frame rate is zero.");
    CErrorInfo copy(error);
    EXPECT_EQ(E_INVALIDARG, copy.GetHr());
    EXPECT_STREQ(error.GetText(), copy.GetText());

    EXPECT_EQ(E_OUTOFMEMORY, CErrorInfo::Report(E_OUTOFMEMORY));
    IErrorInfo* published = nullptr;
    ASSERT_EQ(S_OK, GetErrorInfo(0, &published));
    BSTR description = nullptr;
    published->GetDescription(&description);
    wchar_t* system = CErrorInfo::FormatErrorMessage(E_OUTOFMEMORY);
    EXPECT_NE(std::wstring::npos, std::wstring(description).find(system));
    LocalFree(system);
    SysFreeString(description);
    published->Release();
}
