#pragma once
// More DirectShow utilities beside DirectShowHelpers.h, for graph tools and diagnostics:
// pins by direction or media type, connecting and rendering, seeking, the running-object
// table, class servers, position, date and file texts, property pages, and list boxes of
// devices and event names. Functions with an HRESULT give E_POINTER for a null pointer
// argument. COM must be initialised on the calling thread.
#include "framework/CString.h"
#include <strmif.h>

// The first pin of the filter in that direction, with a reference; S_FALSE and null when
// the filter has none.
HRESULT FindPinByDirection(IBaseFilter* filter, PIN_DIRECTION direction, IPin** pin);
// The first pin of the filter that offers (or is connected with) a media type of that
// major type (e.g. MEDIATYPE_Audio "auds", MEDIATYPE_Video "vids"), with a reference;
// S_FALSE and null when none does.
HRESULT FindPinByMajorType(IBaseFilter* filter, REFGUID majorType, IPin** pin);

// The graph's own Connect, Render: the graph's result.
HRESULT ConnectPins(IGraphBuilder* graph, IPin* output, IPin* input);
HRESULT RenderPin(IGraphBuilder* graph, IPin* output);
// Connects the first output pin of upstream to the first input pin of downstream.
HRESULT ConnectFilters(IGraphBuilder* graph, IBaseFilter* upstream, IBaseFilter* downstream);
// Renders every output pin of the filter; the first failure ends it.
HRESULT RenderFilter(IGraphBuilder* graph, IBaseFilter* filter);

// Moves the graph's current position to seconds (from the start, or from the current
// position when relative); E_NOINTERFACE when the graph cannot seek.
HRESULT SeekGraph(IUnknown* graph, double seconds, bool relative);

// Registers the graph in the running-object table under the item "FilterGraph %08x pid
// %08x" (its address, the process id), for graph viewers; E_FAIL without the table.
HRESULT AddGraphToRot(IUnknown* graph, DWORD* registration);
HRESULT RemoveGraphFromRot(DWORD registration);

// The in-process server registered for the class (HKEY_LOCAL_MACHINE), else "<Unknown>".
CString GetClassServerPath(REFCLSID classId);

// Writes the current position as "%02dm:%02d.%03ds" (minutes, seconds, milliseconds of
// media time) into text of size characters, which holds "<00:00.000>" when the position
// cannot be read; E_NOINTERFACE without a seeking interface.
HRESULT FormatPosition(IMediaSeeking* seeking, wchar_t* text, size_t size);

// Whether the object answers the interface (the answer is released at once).
bool SupportsInterface(IUnknown* object, REFIID interfaceId);
// Whether the object names at least one property page (ISpecifyPropertyPages).
bool HasPropertyPages(IUnknown* object);
// Shows the object's property pages (ISpecifyPropertyPages) in a modal property frame
// owned by parent; E_NOINTERFACE when it has none.
HRESULT ShowPropertyPages(IUnknown* object, HWND parent);

// Points target at value, taking a reference to the new object before the old one is
// released (so assigning an object to itself keeps it).
template <class T> void AssignInterface(T** target, T* value)
{
    if (value)
        value->AddRef();
    if (*target)
        (*target)->Release();
    *target = value;
}

// Sends a formatted line (wvsprintfW, at most 1,023 characters) to the debugger.
void DebugTrace(const wchar_t* format, ...);

// "%02d/%02d/%d %02d:%02d:%02d" (month, day, year, hour, minute, second); empty for a
// year before 1900, which no file or media time holds.
CString FormatSystemTime(const SYSTEMTIME& time);
// A file time (UTC) as the local system time.
bool FileTimeToLocalSystemTime(const FILETIME& fileTime, SYSTEMTIME& localTime);
// The local year, month (1 to 12) and day of a time in seconds since 1970 (UTC).
bool SplitDate(__time64_t time, int& year, int& month, int& day);

// "Size: %d bytes\r\nFile date: %02d/%02d/%d\r\n" (the last change, local month, day,
// year); "*** Failed(0x%x) to open file (to read size)!\r\n" when the file cannot be
// opened, "*** Error(0x%x) reading file size!\r\n" when its size cannot be read.
CString FileSizeAndDateText(const CString& path);

// Adds the name of a graph event code ("EC_COMPLETE", ...) to the list box, or
// "Unknown event (0x%x)" for a code it does not know.
void AddEventCodeName(HWND listBox, long code);

// List-box items with item data. The index added, LB_ERR when refused.
int ListBoxAddString(HWND listBox, const wchar_t* text, LPARAM data);
bool ListBoxSetItemData(HWND listBox, int index, LPARAM data);
// The index of the item with exactly that text (case ignored, as the list box compares),
// LB_ERR when none.
int ListBoxFindExact(HWND listBox, const wchar_t* text);
int ListBoxCount(HWND listBox);
// Frees the texts that FillDeviceListBox put as item data and clears the data.
void ListBoxFreeItemData(HWND listBox);

// Empties the list box and lists the "FriendlyName" of every device of the category, each
// with its class id's text as item data (free with ListBoxFreeItemData); the single row
// "<< No entries >>" (data 0) when the category has none.
HRESULT FillDeviceListBox(HWND listBox, REFCLSID category);
// Creates the filter of the selected row's class id; E_FAIL without a selection or data.
HRESULT CreateSelectedFilter(HWND listBox, IBaseFilter** filter);

// The graph's filter of exactly that name (case counts), with a reference; S_FALSE and
// null when none.
HRESULT FindFilterByName(IFilterGraph* graph, const wchar_t* name, IBaseFilter** filter);
