#include "common/DirectShowUtilities.h"
#include "common/DirectShowHelpers.h"
#include "common/CRegistry.h"

#include <evcode.h>
#include <olectl.h>
#include <uuids.h>
#include <wrl/client.h>

#include <cstdarg>
#include <ctime>

using Microsoft::WRL::ComPtr;

namespace
{
const wchar_t kNoEntries[] = L"<< No entries >>";
constexpr double kUnitsPerSecond = 10000000.0;

// Whether the pin is connected with, or offers, a media type of that major type.
bool PinCarries(IPin* pin, REFGUID majorType)
{
    AM_MEDIA_TYPE connected = {};
    if (SUCCEEDED(pin->ConnectionMediaType(&connected)))
    {
        const bool carries = connected.majortype == majorType;
        FreeMediaType(connected);
        if (carries)
            return true;
    }
    ComPtr<IEnumMediaTypes> types;
    if (FAILED(pin->EnumMediaTypes(&types)) || !types)
        return false;
    AM_MEDIA_TYPE* type = nullptr;
    while (types->Next(1, &type, nullptr) == S_OK)
    {
        const bool carries = type->majortype == majorType;
        DeleteMediaType(type);
        if (carries)
            return true;
    }
    return false;
}

// The first pin the test accepts, with a reference; S_FALSE when none.
template <class Test> HRESULT FindPin(IBaseFilter* filter, IPin** pin, Test accepts)
{
    if (!filter || !pin)
        return E_POINTER;
    *pin = nullptr;
    ComPtr<IEnumPins> pins;
    const HRESULT hr = filter->EnumPins(&pins);
    if (FAILED(hr))
        return hr;
    ComPtr<IPin> candidate;
    while (pins->Next(1, candidate.ReleaseAndGetAddressOf(), nullptr) == S_OK)
        if (accepts(candidate.Get()))
        {
            *pin = candidate.Detach();
            return S_OK;
        }
    return S_FALSE;
}

struct EventName
{
    long code;
    const wchar_t* name;
};
#define VELL_EVENT(code) {code, L## #code}
const EventName kEventNames[] = {
    VELL_EVENT(EC_COMPLETE),
    VELL_EVENT(EC_USERABORT),
    VELL_EVENT(EC_ERRORABORT),
    VELL_EVENT(EC_TIME),
    VELL_EVENT(EC_REPAINT),
    VELL_EVENT(EC_STREAM_ERROR_STOPPED),
    VELL_EVENT(EC_STREAM_ERROR_STILLPLAYING),
    VELL_EVENT(EC_ERROR_STILLPLAYING),
    VELL_EVENT(EC_PALETTE_CHANGED),
    VELL_EVENT(EC_VIDEO_SIZE_CHANGED),
    VELL_EVENT(EC_QUALITY_CHANGE),
    VELL_EVENT(EC_SHUTTING_DOWN),
    VELL_EVENT(EC_CLOCK_CHANGED),
    VELL_EVENT(EC_PAUSED),
    VELL_EVENT(EC_OPENING_FILE),
    VELL_EVENT(EC_BUFFERING_DATA),
    VELL_EVENT(EC_FULLSCREEN_LOST),
    VELL_EVENT(EC_ACTIVATE),
    VELL_EVENT(EC_NEED_RESTART),
    VELL_EVENT(EC_WINDOW_DESTROYED),
    VELL_EVENT(EC_DISPLAY_CHANGED),
    VELL_EVENT(EC_STARVATION),
    VELL_EVENT(EC_OLE_EVENT),
    VELL_EVENT(EC_NOTIFY_WINDOW),
    VELL_EVENT(EC_STREAM_CONTROL_STOPPED),
    VELL_EVENT(EC_STREAM_CONTROL_STARTED),
    VELL_EVENT(EC_END_OF_SEGMENT),
    VELL_EVENT(EC_SEGMENT_STARTED),
    VELL_EVENT(EC_LENGTH_CHANGED),
    VELL_EVENT(EC_DEVICE_LOST),
    VELL_EVENT(EC_STEP_COMPLETE),
    VELL_EVENT(EC_TIMECODE_AVAILABLE),
    VELL_EVENT(EC_EXTDEVICE_MODE_CHANGE),
    VELL_EVENT(EC_GRAPH_CHANGED),
    VELL_EVENT(EC_CLOCK_UNSET),
};
#undef VELL_EVENT
} // namespace

HRESULT FindPinByDirection(IBaseFilter* filter, PIN_DIRECTION direction, IPin** pin)
{
    return FindPin(filter, pin, [direction](IPin* candidate) {
        PIN_DIRECTION actual;
        return SUCCEEDED(candidate->QueryDirection(&actual)) && actual == direction;
    });
}

HRESULT FindPinByMajorType(IBaseFilter* filter, REFGUID majorType, IPin** pin)
{
    return FindPin(filter, pin, [&majorType](IPin* candidate) { return PinCarries(candidate, majorType); });
}

HRESULT ConnectPins(IGraphBuilder* graph, IPin* output, IPin* input)
{
    if (!graph || !output || !input)
        return E_POINTER;
    return graph->Connect(output, input);
}

HRESULT RenderPin(IGraphBuilder* graph, IPin* output)
{
    if (!graph || !output)
        return E_POINTER;
    return graph->Render(output);
}

HRESULT ConnectFilters(IGraphBuilder* graph, IBaseFilter* upstream, IBaseFilter* downstream)
{
    if (!graph || !upstream || !downstream)
        return E_POINTER;
    ComPtr<IPin> output, input;
    if (FindPinByDirection(upstream, PINDIR_OUTPUT, &output) != S_OK ||
        FindPinByDirection(downstream, PINDIR_INPUT, &input) != S_OK)
        return E_FAIL;
    return graph->Connect(output.Get(), input.Get());
}

HRESULT RenderFilter(IGraphBuilder* graph, IBaseFilter* filter)
{
    if (!graph || !filter)
        return E_POINTER;
    // The pins are taken first: rendering adds filters and may change the enumeration.
    const int outputs = CountPins(filter, PINDIR_OUTPUT);
    for (int index = 0; index < outputs; ++index)
    {
        ComPtr<IPin> pin;
        HRESULT hr = GetPin(filter, PINDIR_OUTPUT, index, &pin);
        if (SUCCEEDED(hr))
            hr = graph->Render(pin.Get());
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}

HRESULT SeekGraph(IUnknown* graph, double seconds, bool relative)
{
    if (!graph)
        return E_POINTER;
    ComPtr<IMediaSeeking> seeking;
    const HRESULT hr = graph->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(seeking.GetAddressOf()));
    if (FAILED(hr))
        return hr;
    LONGLONG position = static_cast<LONGLONG>(seconds * kUnitsPerSecond);
    return seeking->SetPositions(&position, relative ? AM_SEEKING_RelativePositioning : AM_SEEKING_AbsolutePositioning,
                                 nullptr, AM_SEEKING_NoPositioning);
}

HRESULT AddGraphToRot(IUnknown* graph, DWORD* registration)
{
    if (!graph || !registration)
        return E_POINTER;
    ComPtr<IRunningObjectTable> table;
    if (FAILED(GetRunningObjectTable(0, &table)))
        return E_FAIL;
    wchar_t name[64];
    wsprintfW(name, L"FilterGraph %08x pid %08x", static_cast<DWORD>(reinterpret_cast<DWORD_PTR>(graph)),
              GetCurrentProcessId());
    ComPtr<IMoniker> item;
    HRESULT hr = CreateItemMoniker(L"!", name, &item);
    if (SUCCEEDED(hr))
        hr = table->Register(ROTFLAGS_REGISTRATIONKEEPSALIVE, graph, item.Get(), registration);
    return hr;
}

HRESULT RemoveGraphFromRot(DWORD registration)
{
    ComPtr<IRunningObjectTable> table;
    if (FAILED(GetRunningObjectTable(0, &table)))
        return E_FAIL;
    return table->Revoke(registration);
}

CString GetClassServerPath(REFCLSID classId)
{
    wchar_t id[40];
    StringFromGUID2(classId, id, 40);
    CString key;
    key.Format(L"Software\\Classes\\CLSID\\%s\\InprocServer32", id);
    CRegistry registry;
    CString path, errorText;
    if (!registry.OpenReadOnly(HKEY_LOCAL_MACHINE, key, errorText) || !registry.GetString(L"", path, errorText) ||
        path.IsEmpty())
        return L"<Unknown>";
    return path;
}

HRESULT FormatPosition(IMediaSeeking* seeking, wchar_t* text, size_t size)
{
    if (!text || size == 0)
        return E_POINTER;
    lstrcpynW(text, L"<00:00.000>", static_cast<int>(size));
    if (!seeking)
        return E_NOINTERFACE;
    LONGLONG position = 0;
    const HRESULT hr = seeking->GetCurrentPosition(&position);
    if (FAILED(hr))
        return hr;
    const LONGLONG ms = position / 10000;
    _snwprintf_s(text, size, _TRUNCATE, L"%02dm:%02d.%03ds", static_cast<int>(ms / 60000),
                 static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000));
    return S_OK;
}

bool SupportsInterface(IUnknown* object, REFIID interfaceId)
{
    if (!object)
        return false;
    IUnknown* answer = nullptr;
    if (FAILED(object->QueryInterface(interfaceId, reinterpret_cast<void**>(&answer))) || !answer)
        return false;
    answer->Release();
    return true;
}

namespace
{
// The object's property page class ids (free pElems with CoTaskMemFree).
HRESULT GetPropertyPages(IUnknown* object, CAUUID& ids)
{
    ids = {};
    if (!object)
        return E_POINTER;
    ComPtr<ISpecifyPropertyPages> pages;
    const HRESULT hr =
        object->QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(pages.GetAddressOf()));
    return FAILED(hr) ? hr : pages->GetPages(&ids);
}
} // namespace

bool HasPropertyPages(IUnknown* object)
{
    CAUUID ids;
    if (FAILED(GetPropertyPages(object, ids)))
        return false;
    CoTaskMemFree(ids.pElems);
    return ids.cElems > 0;
}

HRESULT ShowPropertyPages(IUnknown* object, HWND parent)
{
    CAUUID ids;
    HRESULT hr = GetPropertyPages(object, ids);
    if (FAILED(hr))
        return hr;
    IUnknown* objects[] = {object};
    hr = OleCreatePropertyFrame(parent, 30, 30, L"", 1, objects, ids.cElems, ids.pElems, 0, 0, nullptr);
    CoTaskMemFree(ids.pElems);
    return hr;
}

void DebugTrace(const wchar_t* format, ...)
{
    // wvsprintfW writes at most 1,024 characters with the terminator.
    wchar_t line[1024];
    va_list args;
    va_start(args, format);
    wvsprintfW(line, format, args);
    va_end(args);
    OutputDebugStringW(line);
}

CString FormatSystemTime(const SYSTEMTIME& time)
{
    CString text;
    if (time.wYear >= 1900)
        text.Format(L"%02d/%02d/%d %02d:%02d:%02d", time.wMonth, time.wDay, time.wYear, time.wHour, time.wMinute,
                    time.wSecond);
    return text;
}

bool FileTimeToLocalSystemTime(const FILETIME& fileTime, SYSTEMTIME& localTime)
{
    SYSTEMTIME utc;
    return FileTimeToSystemTime(&fileTime, &utc) && SystemTimeToTzSpecificLocalTime(nullptr, &utc, &localTime);
}

bool SplitDate(__time64_t time, int& year, int& month, int& day)
{
    tm local = {};
    if (_localtime64_s(&local, &time) != 0)
        return false;
    year = local.tm_year + 1900;
    month = local.tm_mon + 1;
    day = local.tm_mday;
    return true;
}

CString FileSizeAndDateText(const CString& path)
{
    CString text;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        text.Format(L"*** Failed(0x%x) to open file (to read size)!\r\n", HRESULT_FROM_WIN32(GetLastError()));
        return text;
    }
    LARGE_INTEGER size;
    FILETIME written;
    SYSTEMTIME date;
    if (!GetFileSizeEx(file, &size))
        text.Format(L"*** Error(0x%x) reading file size!\r\n", HRESULT_FROM_WIN32(GetLastError()));
    else if (GetFileTime(file, nullptr, nullptr, &written) && FileTimeToLocalSystemTime(written, date))
        text.Format(L"Size: %d bytes\r\nFile date: %02d/%02d/%d\r\n", static_cast<int>(size.QuadPart), date.wMonth,
                    date.wDay, date.wYear);
    else
        text.Format(L"Size: %d bytes\r\n", static_cast<int>(size.QuadPart));
    CloseHandle(file);
    return text;
}

void AddEventCodeName(HWND listBox, long code)
{
    for (const EventName& event : kEventNames)
        if (event.code == code)
        {
            ListBoxAddString(listBox, event.name, 0);
            return;
        }
    CString unknown;
    unknown.Format(L"Unknown event (0x%x)", static_cast<unsigned>(code));
    ListBoxAddString(listBox, unknown, 0);
}

int ListBoxAddString(HWND listBox, const wchar_t* text, LPARAM data)
{
    const int index = static_cast<int>(SendMessageW(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    if (index >= 0)
        SendMessageW(listBox, LB_SETITEMDATA, index, data);
    return index;
}

bool ListBoxSetItemData(HWND listBox, int index, LPARAM data)
{
    return SendMessageW(listBox, LB_SETITEMDATA, index, data) != LB_ERR;
}

int ListBoxFindExact(HWND listBox, const wchar_t* text)
{
    return static_cast<int>(
        SendMessageW(listBox, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text)));
}

int ListBoxCount(HWND listBox)
{
    return static_cast<int>(SendMessageW(listBox, LB_GETCOUNT, 0, 0));
}

void ListBoxFreeItemData(HWND listBox)
{
    const int count = ListBoxCount(listBox);
    for (int index = 0; index < count; ++index)
    {
        SysFreeString(reinterpret_cast<BSTR>(SendMessageW(listBox, LB_GETITEMDATA, index, 0)));
        ListBoxSetItemData(listBox, index, 0);
    }
}

HRESULT FillDeviceListBox(HWND listBox, REFCLSID category)
{
    ListBoxFreeItemData(listBox);
    SendMessageW(listBox, LB_RESETCONTENT, 0, 0);
    ComPtr<IEnumMoniker> devices;
    const HRESULT hr = EnumerateDevices(category, &devices);
    if (FAILED(hr))
        return hr;
    ComPtr<IMoniker> device;
    while (devices && devices->Next(1, device.ReleaseAndGetAddressOf(), nullptr) == S_OK)
    {
        CString name, classId;
        if (!ReadDeviceString(device.Get(), L"FriendlyName", name))
            continue;
        ReadDeviceString(device.Get(), L"CLSID", classId);
        BSTR data = SysAllocString(classId);
        if (ListBoxAddString(listBox, name, reinterpret_cast<LPARAM>(data)) < 0)
            SysFreeString(data);
    }
    if (ListBoxCount(listBox) == 0)
        ListBoxAddString(listBox, kNoEntries, 0);
    return S_OK;
}

HRESULT CreateSelectedFilter(HWND listBox, IBaseFilter** filter)
{
    if (!filter)
        return E_POINTER;
    *filter = nullptr;
    const LRESULT selected = SendMessageW(listBox, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return E_FAIL;
    const auto data = reinterpret_cast<wchar_t*>(SendMessageW(listBox, LB_GETITEMDATA, selected, 0));
    if (!data || data == reinterpret_cast<wchar_t*>(LB_ERR))
        return E_FAIL;
    CLSID classId;
    const HRESULT hr = CLSIDFromString(data, &classId);
    if (FAILED(hr))
        return hr;
    return CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter, reinterpret_cast<void**>(filter));
}

HRESULT FindFilterByName(IFilterGraph* graph, const wchar_t* name, IBaseFilter** filter)
{
    if (!graph || !name || !filter)
        return E_POINTER;
    *filter = nullptr;
    ComPtr<IEnumFilters> filters;
    const HRESULT hr = graph->EnumFilters(&filters);
    if (FAILED(hr))
        return hr;
    ComPtr<IBaseFilter> candidate;
    while (filters->Next(1, candidate.ReleaseAndGetAddressOf(), nullptr) == S_OK)
    {
        FILTER_INFO info = {};
        if (FAILED(candidate->QueryFilterInfo(&info)))
            continue;
        if (info.pGraph)
            info.pGraph->Release();
        if (lstrcmpW(info.achName, name) == 0)
        {
            *filter = candidate.Detach();
            return S_OK;
        }
    }
    return S_FALSE;
}
