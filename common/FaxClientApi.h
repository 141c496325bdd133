#pragma once
// The Windows fax service as programs reach it: the fax server's automation class, and
// the fax client library with its job parameters and cover-page information. The MinGW
// headers declare none of them; the records follow the fax client library's published
// layout. A program loads the library at run time (a static import of an absent
// library would stop it from starting) and drives the server object by member name.
#include <windows.h>

// The client library, a system library.
const wchar_t kFaxClientLibraryName[] = L"winfax.dll";

// The fax server object (an automation object: a dual interface).
inline const CLSID CLSID_FaxServer = {0xD73733C8, 0xCC80, 0x11D0, {0xB2, 0x25, 0x00, 0xC0, 0x4F, 0xB6, 0xC2, 0xF5}};

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

// The client library's calls that programs use: the sender defaults (each record one
// buffer, freed with FaxFreeBuffer).
typedef BOOL(WINAPI* PFAXCOMPLETEJOBPARAMSW)(FAX_JOB_PARAMW** jobParams, FAX_COVERPAGE_INFOW** coverpageInfo);
typedef void(WINAPI* PFAXFREEBUFFER)(void* buffer);
