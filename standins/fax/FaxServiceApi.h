#pragma once
// The fax service as programs reach it: the fax server object with its document object,
// and the fax client library's sender defaults. VellFaxService.dll provides both; a
// program loads it through CFaxServiceLibrary, never by a static import, so that it still
// starts where no fax service is installed.
//
// The MinGW headers declare no fax interfaces, so they are declared here. The objects
// are handed out only by this service's class factory; their layout is this service's.
#include <windows.h>
#include <unknwn.h>
#include <oleauto.h>

// The file name of the fax service library.
const wchar_t kFaxServiceLibraryName[] = L"VellFaxService.dll";
// When set, the folder of the service's settings and outboxes in place of
// "<common application data>\Talvono Software\Vellumor".
const wchar_t kFaxServiceFolderVariable[] = L"VELL_FAX_SERVICE_DIR";

// The fax server class and its interface.
inline const CLSID CLSID_FaxServer = {0xD73733C8, 0xCC80, 0x11D0, {0xB2, 0x25, 0x00, 0xC0, 0x4F, 0xB6, 0xC2, 0xF5}};
inline const IID IID_IFaxServer = {0xD73733C7, 0xCC80, 0x11D0, {0xB2, 0x25, 0x00, 0xC0, 0x4F, 0xB6, 0xC2, 0xF5}};
// The fax document's interface.
inline const IID IID_IFaxDoc = {0x60B1B3AC, 0x8F9E, 0x43D1, {0x9F, 0x69, 0x97, 0x39, 0x46, 0xFC, 0x6C, 0x88}};

// One fax to send: the document file and the fields of its cover page and transmission.
// A text property takes a null-terminated text (a BSTR or a plain wide string); null is
// an empty text.
struct IFaxDoc : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE put_FileName(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_FaxNumber(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DisplayName(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_BillingCode(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RecipientName(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RecipientCompany(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RecipientDepartment(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_SenderName(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_SenderFax(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_SenderCompany(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_SenderDepartment(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_SenderAddress(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_SenderTitle(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_SenderOffice(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_SenderOfficePhone(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_SenderHomePhone(BSTR value) = 0;
    // The cover page: its name, whether one is sent and whether it is one of the server's.
    virtual HRESULT STDMETHODCALLTYPE put_CoverpageName(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_SendCoverpage(BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ServerCoverpage(BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_CoverpageNote(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_CoverpageSubject(BSTR value) = 0;
    // Queues the fax on the server the document was created on; jobId (may be null)
    // receives the job's number.
    virtual HRESULT STDMETHODCALLTYPE Send(long* jobId) = 0;
};

// The connection to a fax server.
struct IFaxServer : public IUnknown
{
    // Connects to the named fax server; a null or empty name is this computer.
    virtual HRESULT STDMETHODCALLTYPE Connect(BSTR serverName) = 0;
    virtual HRESULT STDMETHODCALLTYPE Disconnect() = 0;
    // A new document for the file, on the connected server; the reference is the caller's.
    virtual HRESULT STDMETHODCALLTYPE CreateDocument(BSTR fileName, IFaxDoc** document) = 0;
};

// The fax client library's job parameters and cover-page information. The texts live in
// the same buffer as the record, which FaxFreeBuffer frees.
struct FAX_JOB_PARAMW
{
    DWORD SizeOfStruct;
    LPCWSTR RecipientNumber;
    LPCWSTR RecipientName;
    LPCWSTR Tsid;
    LPCWSTR SenderName;
    LPCWSTR SenderCompany;
    LPCWSTR SenderDept;
    LPCWSTR BillingCode;
    DWORD ScheduleAction;
    SYSTEMTIME ScheduleTime;
    DWORD DeliveryReportType;
    LPCWSTR DeliveryReportAddress;
    LPCWSTR DocumentName;
    DWORD CallHandle;
    DWORD_PTR Reserved[3];
};

struct FAX_COVERPAGE_INFOW
{
    DWORD SizeOfStruct;
    LPCWSTR CoverPageName;
    BOOL UseServerCoverPage;
    LPCWSTR RecName;
    LPCWSTR RecFaxNumber;
    LPCWSTR RecCompany;
    LPCWSTR RecStreetAddress;
    LPCWSTR RecCity;
    LPCWSTR RecState;
    LPCWSTR RecZip;
    LPCWSTR RecCountry;
    LPCWSTR RecTitle;
    LPCWSTR RecDepartment;
    LPCWSTR RecOfficeLocation;
    LPCWSTR RecHomePhone;
    LPCWSTR RecOfficePhone;
    LPCWSTR SdrName;
    LPCWSTR SdrFaxNumber;
    LPCWSTR SdrCompany;
    LPCWSTR SdrAddress;
    LPCWSTR SdrTitle;
    LPCWSTR SdrDepartment;
    LPCWSTR SdrOfficeLocation;
    LPCWSTR SdrHomePhone;
    LPCWSTR SdrOfficePhone;
    LPCWSTR Note;
    LPCWSTR Subject;
    SYSTEMTIME TimeSent;
    DWORD PageCount;
};

// The library's exports.
typedef HRESULT(STDAPICALLTYPE* PFAXDLLGETCLASSOBJECT)(REFCLSID classId, REFIID interfaceId, void** object);
typedef BOOL(WINAPI* PFAXCOMPLETEJOBPARAMSW)(FAX_JOB_PARAMW** jobParams, FAX_COVERPAGE_INFOW** coverpageInfo);
typedef void(WINAPI* PFAXFREEBUFFER)(void* buffer);
