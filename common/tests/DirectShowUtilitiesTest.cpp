#include "common/DirectShowUtilities.h"
#include "common/DirectShowHelpers.h"
#include "common/tests/DirectShowFakes.h"
#include "standins/camera/CTestCameraDevices.h"
#include "standins/camera/TestCameraIds.h"
#include "testing/TestFolder.h"

#include <evcode.h>
#include <uuids.h>
#include <gtest/gtest.h>
#include <wrl/client.h>

#include <string>
#include <vector>

using Microsoft::WRL::ComPtr;

namespace
{


ComPtr<IBaseFilter> Create(REFCLSID classId)
{
    ComPtr<IBaseFilter> filter;
    CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                     reinterpret_cast<void**>(filter.GetAddressOf()));
    return filter;
}

// Seeking that remembers what it was told and tells a fixed position.
class FakeSeeking final : public IMediaSeeking, public FakeRefCount
{
public:
    LONGLONG position = 0;
    DWORD flags = 0;
    DWORD stopFlags = 0;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        *object = nullptr;
        if (iid != IID_IUnknown && iid != IID_IMediaSeeking)
            return E_NOINTERFACE;
        *object = static_cast<IMediaSeeking*>(this);
        Add();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return Add(); }
    STDMETHODIMP_(ULONG) Release() override { return Drop(); }

    STDMETHODIMP GetCurrentPosition(LONGLONG* current) override
    {
        *current = position;
        return S_OK;
    }
    STDMETHODIMP SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG*, DWORD stopPositionFlags) override
    {
        position = *current;
        flags = currentFlags;
        stopFlags = stopPositionFlags;
        return S_OK;
    }

    STDMETHODIMP GetCapabilities(DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP CheckCapabilities(DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP IsFormatSupported(const GUID*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryPreferredFormat(GUID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTimeFormat(GUID*) override { return E_NOTIMPL; }
    STDMETHODIMP IsUsingTimeFormat(const GUID*) override { return E_NOTIMPL; }
    STDMETHODIMP SetTimeFormat(const GUID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetDuration(LONGLONG*) override { return E_NOTIMPL; }
    STDMETHODIMP GetStopPosition(LONGLONG*) override { return E_NOTIMPL; }
    STDMETHODIMP ConvertTimeFormat(LONGLONG*, const GUID*, LONGLONG, const GUID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetPositions(LONGLONG*, LONGLONG*) override { return E_NOTIMPL; }
    STDMETHODIMP GetAvailable(LONGLONG*, LONGLONG*) override { return E_NOTIMPL; }
    STDMETHODIMP SetRate(double) override { return E_NOTIMPL; }
    STDMETHODIMP GetRate(double*) override { return E_NOTIMPL; }
    STDMETHODIMP GetPreroll(LONGLONG*) override { return E_NOTIMPL; }
};

// A hidden list box.
class ListBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_list = CreateWindowExW(0, L"LISTBOX", L"", WS_POPUP | LBS_HASSTRINGS, 0, 0, 200, 200, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, m_list);
    }
    void TearDown() override
    {
        ListBoxFreeItemData(m_list);
        DestroyWindow(m_list);
    }

    std::vector<std::wstring> Items() const
    {
        std::vector<std::wstring> items;
        for (int index = 0; index < ListBoxCount(m_list); ++index)
        {
            std::wstring text(SendMessageW(m_list, LB_GETTEXTLEN, index, 0), L'\0');
            SendMessageW(m_list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
            items.push_back(text);
        }
        return items;
    }
    const wchar_t* DataText(int index) const
    {
        return reinterpret_cast<const wchar_t*>(SendMessageW(m_list, LB_GETITEMDATA, index, 0));
    }

    ComThread m_com;
    HWND m_list = nullptr;
};
using Names = std::vector<std::wstring>;
} // namespace

TEST(DirectShowUtilities, NullArgumentsArePointerErrors)
{
    ComThread com;
    FakeFilter filter;
    IPin* pin = reinterpret_cast<IPin*>(1);
    IBaseFilter* found = nullptr;
    DWORD registration = 0;
    wchar_t text[16];
    const HRESULT results[] = {
        FindPinByDirection(nullptr, PINDIR_INPUT, &pin),
        FindPinByDirection(&filter, PINDIR_INPUT, nullptr),
        FindPinByMajorType(nullptr, MEDIATYPE_Video, &pin),
        ConnectPins(nullptr, pin, pin),
        RenderPin(nullptr, pin),
        ConnectFilters(nullptr, &filter, &filter),
        RenderFilter(nullptr, &filter),
        SeekGraph(nullptr, 1.0, false),
        AddGraphToRot(nullptr, &registration),
        AddGraphToRot(&filter, nullptr),
        FormatPosition(nullptr, nullptr, 0),
        ShowPropertyPages(nullptr, nullptr),
        FindFilterByName(nullptr, L"x", &found),
        CreateSelectedFilter(nullptr, nullptr),
    };
    for (size_t index = 0; index < sizeof(results) / sizeof(results[0]); ++index)
        EXPECT_EQ(E_POINTER, results[index]) << "call " << index;
    EXPECT_EQ(E_NOINTERFACE, FormatPosition(nullptr, text, 16));
    EXPECT_STREQ(L"<00:00.000>", text);
    EXPECT_EQ(1, filter.Refs());
}

TEST(DirectShowUtilities, FindsPinsByDirectionAndMediaTypeAndFiltersByName)
{
    ComThread com;
    IMoniker* device = FindDeviceFilter(nullptr, CLSID_VideoInputDeviceCategory, kTestCameraName);
    ASSERT_NE(nullptr, device);
    ComPtr<IBaseFilter> camera;
    ASSERT_HRESULT_SUCCEEDED(
        device->BindToObject(nullptr, nullptr, IID_IBaseFilter, reinterpret_cast<void**>(camera.GetAddressOf())));
    device->Release();
    ComPtr<IBaseFilter> tee = Create(CLSID_SmartTee);
    ComPtr<IGraphBuilder> graph;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                              reinterpret_cast<void**>(graph.GetAddressOf())));
    ASSERT_HRESULT_SUCCEEDED(graph->AddFilter(camera.Get(), L"Camera"));
    ASSERT_HRESULT_SUCCEEDED(graph->AddFilter(tee.Get(), L"Tee"));

    EXPECT_TRUE(HasPropertyPages(camera.Get()));

    ComPtr<IPin> pin;
    EXPECT_EQ(S_FALSE, FindPinByDirection(camera.Get(), PINDIR_INPUT, &pin));
    EXPECT_EQ(nullptr, pin.Get());
    ASSERT_EQ(S_OK, FindPinByDirection(camera.Get(), PINDIR_OUTPUT, &pin));
    EXPECT_EQ(std::wstring(kTestCameraCapturePin), PinName(pin.Get()));
    ASSERT_EQ(S_OK, FindPinByMajorType(camera.Get(), MEDIATYPE_Video, &pin));
    EXPECT_EQ(std::wstring(kTestCameraCapturePin), PinName(pin.Get()));
    EXPECT_EQ(S_FALSE, FindPinByMajorType(camera.Get(), MEDIATYPE_Audio, &pin));

    // The tee's input offers nothing of its own: once connected it carries video.
    EXPECT_EQ(S_FALSE, FindPinByMajorType(tee.Get(), MEDIATYPE_Video, &pin));
    ASSERT_EQ(S_OK, ConnectFilters(graph.Get(), camera.Get(), tee.Get()));
    ASSERT_EQ(S_OK, FindPinByMajorType(tee.Get(), MEDIATYPE_Video, &pin));
    PIN_DIRECTION direction;
    pin->QueryDirection(&direction);
    EXPECT_EQ(PINDIR_INPUT, direction);

    ComPtr<IBaseFilter> named;
    ASSERT_EQ(S_OK, FindFilterByName(graph.Get(), L"Tee", &named));
    EXPECT_EQ(tee.Get(), named.Get());
    EXPECT_EQ(S_FALSE, FindFilterByName(graph.Get(), L"tee", &named)) << "the name's case counts";
    EXPECT_EQ(nullptr, named.Get());
}

TEST(DirectShowUtilities, SeeksAndWritesThePositionInMinutesSecondsAndMilliseconds)
{
    FakeSeeking seeking;
    ASSERT_EQ(S_OK, SeekGraph(&seeking, 83.4567, false));
    EXPECT_EQ(834567000, seeking.position);
    EXPECT_EQ(static_cast<DWORD>(AM_SEEKING_AbsolutePositioning), seeking.flags);
    EXPECT_EQ(static_cast<DWORD>(AM_SEEKING_NoPositioning), seeking.stopFlags);

    wchar_t text[32];
    ASSERT_EQ(S_OK, FormatPosition(&seeking, text, 32));
    EXPECT_STREQ(L"01m:23.456s", text);
    wchar_t shortText[6];
    ASSERT_EQ(S_OK, FormatPosition(&seeking, shortText, 6));
    EXPECT_STREQ(L"01m:2", shortText) << "cut to the buffer";

    ASSERT_EQ(S_OK, SeekGraph(&seeking, 0.5, true));
    EXPECT_EQ(5000000, seeking.position);
    EXPECT_EQ(static_cast<DWORD>(AM_SEEKING_RelativePositioning), seeking.flags);

    FakeFilter cannotSeek;
    EXPECT_EQ(E_NOINTERFACE, SeekGraph(&cannotSeek, 1.0, false));
    EXPECT_EQ(1, seeking.Refs());
    EXPECT_EQ(1, cannotSeek.Refs());
}

TEST(DirectShowUtilities, TheRunningObjectTableHoldsTheGraphUntilRemoved)
{
    ComThread com;
    ComPtr<IGraphBuilder> graph;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                              reinterpret_cast<void**>(graph.GetAddressOf())));
    DWORD registration = 0;
    ASSERT_EQ(S_OK, AddGraphToRot(graph.Get(), &registration));

    wchar_t name[64];
    wsprintfW(name, L"FilterGraph %08x pid %08x", static_cast<DWORD>(reinterpret_cast<DWORD_PTR>(graph.Get())),
              GetCurrentProcessId());
    ComPtr<IRunningObjectTable> table;
    ASSERT_HRESULT_SUCCEEDED(GetRunningObjectTable(0, &table));
    ComPtr<IMoniker> item;
    ASSERT_HRESULT_SUCCEEDED(CreateItemMoniker(L"!", name, &item));
    ComPtr<IUnknown> registered;
    ASSERT_EQ(S_OK, table->GetObject(item.Get(), &registered));
    ComPtr<IUnknown> identity;
    graph.As(&identity);
    EXPECT_EQ(identity.Get(), registered.Get());
    registered.Reset();

    EXPECT_EQ(S_OK, RemoveGraphFromRot(registration));
    EXPECT_EQ(S_FALSE, table->IsRunning(item.Get()));
}

TEST(DirectShowUtilities, ClassServerPathInterfacesAndPointerAssignment)
{
    ComThread com;
    const CString muxServer = GetClassServerPath(CLSID_TestAviMux);
    EXPECT_NE(-1, muxServer.Find(L"VellTestCamera.dll")) << muxServer.GetString();
    const CLSID unregistered = {0x0badc0de, 0x1, 0x2, {3, 4, 5, 6, 7, 8, 9, 10}};
    EXPECT_EQ(CString(L"<Unknown>"), GetClassServerPath(unregistered));

    FakeFilter first, second;
    EXPECT_TRUE(SupportsInterface(&first, IID_IBaseFilter));
    EXPECT_FALSE(SupportsInterface(&first, IID_IPin));
    EXPECT_FALSE(SupportsInterface(nullptr, IID_IUnknown));
    EXPECT_EQ(E_NOINTERFACE, ShowPropertyPages(&first, nullptr)) << "a filter without pages shows nothing";
    EXPECT_FALSE(HasPropertyPages(&first));
    EXPECT_FALSE(HasPropertyPages(nullptr));
    EXPECT_EQ(1, first.Refs());

    IBaseFilter* target = nullptr;
    AssignInterface<IBaseFilter>(&target, &first);
    EXPECT_EQ(2, first.Refs());
    AssignInterface<IBaseFilter>(&target, target);
    EXPECT_EQ(2, first.Refs()) << "assigning the same object keeps it";
    AssignInterface<IBaseFilter>(&target, &second);
    EXPECT_EQ(1, first.Refs());
    EXPECT_EQ(2, second.Refs());
    AssignInterface<IBaseFilter>(&target, nullptr);
    EXPECT_EQ(1, second.Refs());
    EXPECT_EQ(nullptr, target);
}

TEST(DirectShowUtilities, DatesFromSystemFileAndCalendarTimesAgree)
{
    SYSTEMTIME time = {};
    time.wYear = 2024;
    time.wMonth = 3;
    time.wDay = 5;
    time.wHour = 14;
    time.wMinute = 7;
    time.wSecond = 9;
    EXPECT_EQ(CString(L"03/05/2024 14:07:09"), FormatSystemTime(time));
    time.wYear = 1899;
    EXPECT_TRUE(FormatSystemTime(time).IsEmpty());

    // One instant through the system's file time and through the C runtime's calendar.
    const __time64_t seconds = 1700000000; // 2023-11-14 22:13:20 UTC
    ULARGE_INTEGER units;
    units.QuadPart = (seconds + 11644473600LL) * 10000000ULL;
    const FILETIME fileTime = {units.LowPart, units.HighPart};
    SYSTEMTIME local;
    ASSERT_TRUE(FileTimeToLocalSystemTime(fileTime, local));
    int year = 0, month = 0, day = 0;
    ASSERT_TRUE(SplitDate(seconds, year, month, day));
    EXPECT_EQ(local.wYear, year);
    EXPECT_EQ(local.wMonth, month);
    EXPECT_EQ(local.wDay, day);
    EXPECT_EQ(2023, year);
    EXPECT_EQ(11, month);
    EXPECT_TRUE(day == 14 || day == 15) << day;
}

TEST(DirectShowUtilities, FileSizeAndDateOrTheFailureToOpen)
{
    TestFolder folder;
    const CString path = folder / L"five.bin";
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, "12345", 5, &written, nullptr);
    FILETIME when;
    SYSTEMTIME stamp = {};
    stamp.wYear = 2021;
    stamp.wMonth = 7;
    stamp.wDay = 9;
    stamp.wHour = 12;
    ASSERT_TRUE(SystemTimeToFileTime(&stamp, &when));
    SetFileTime(file, nullptr, nullptr, &when);
    CloseHandle(file);

    SYSTEMTIME local;
    ASSERT_TRUE(FileTimeToLocalSystemTime(when, local));
    CString expected;
    expected.Format(L"Size: 5 bytes\r\nFile date: 07/%02d/2021\r\n", local.wDay);
    EXPECT_EQ(expected, FileSizeAndDateText(path));
    EXPECT_EQ(CString(L"*** Failed(0x80070002) to open file (to read size)!\r\n"),
              FileSizeAndDateText(folder / L"missing.bin"));
}

TEST_F(ListBoxTest, EventCodesAreNamedAndItemsCarryTheirData)
{
    const struct
    {
        long code;
        const wchar_t* name;
    } cases[] = {{EC_COMPLETE, L"EC_COMPLETE"},
                 {EC_ACTIVATE, L"EC_ACTIVATE"},
                 {EC_DEVICE_LOST, L"EC_DEVICE_LOST"},
                 {EC_ERRORABORT, L"EC_ERRORABORT"},
                 {0x4321, L"Unknown event (0x4321)"}};
    Names expected;
    for (const auto& c : cases)
    {
        AddEventCodeName(m_list, c.code);
        expected.push_back(c.name);
    }
    EXPECT_EQ(expected, Items());

    SendMessageW(m_list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(0, ListBoxAddString(m_list, L"First", 11));
    EXPECT_EQ(1, ListBoxAddString(m_list, L"Second", 22));
    EXPECT_EQ(2, ListBoxCount(m_list));
    EXPECT_EQ(1, ListBoxFindExact(m_list, L"SECOND"));
    EXPECT_EQ(LB_ERR, ListBoxFindExact(m_list, L"Sec"));
    EXPECT_TRUE(ListBoxSetItemData(m_list, 0, 33));
    EXPECT_EQ(33, SendMessageW(m_list, LB_GETITEMDATA, 0, 0));
    EXPECT_FALSE(ListBoxSetItemData(m_list, 5, 1));
    SendMessageW(m_list, LB_RESETCONTENT, 0, 0);
}

TEST_F(ListBoxTest, CameraDevicesAreListedWithTheirClassAndCreatedFromTheSelection)
{
    CTestCameraDevices cameras;
    ASSERT_HRESULT_SUCCEEDED(cameras.ListCameras({L"Camera One", L"Camera Two"}));
    ASSERT_EQ(S_OK, FillDeviceListBox(m_list, CLSID_VideoInputDeviceCategory));
    EXPECT_EQ((Names{L"Camera One", L"Camera Two"}), Items());
    wchar_t cameraClass[40];
    StringFromGUID2(CLSID_TestCamera, cameraClass, 40);
    ASSERT_NE(nullptr, DataText(1));
    EXPECT_EQ(0, lstrcmpiW(cameraClass, DataText(1)));

    ComPtr<IBaseFilter> filter;
    EXPECT_EQ(E_FAIL, CreateSelectedFilter(m_list, &filter)) << "nothing is selected";
    SendMessageW(m_list, LB_SETCURSEL, 1, 0);
    ASSERT_EQ(S_OK, CreateSelectedFilter(m_list, &filter));
    CLSID created;
    filter->GetClassID(&created);
    EXPECT_TRUE(IsEqualCLSID(CLSID_TestCamera, created));

    ListBoxFreeItemData(m_list);
    EXPECT_EQ(nullptr, DataText(0));

    // A refill replaces the rows; an empty category leaves the single row without data.
    ASSERT_HRESULT_SUCCEEDED(cameras.ListCameras({}));
    ASSERT_EQ(S_OK, FillDeviceListBox(m_list, CLSID_VideoInputDeviceCategory));
    EXPECT_EQ((Names{L"<< No entries >>"}), Items());
    SendMessageW(m_list, LB_SETCURSEL, 0, 0);
    EXPECT_EQ(E_FAIL, CreateSelectedFilter(m_list, &filter));
}
