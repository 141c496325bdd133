#include "standins/fax/CFaxClientDefaults.h"
#include <cstring>
#include <utility>
#include <vector>

namespace
{
// A record's text fields and the texts they get.
template <class Record> using TextFields = std::vector<std::pair<LPCWSTR Record::*, CString>>;

// One zeroed block holding the record, then each text; the fields point at the copies.
template <class Record> Record* CreateRecord(const TextFields<Record>& texts)
{
    size_t bytes = sizeof(Record);
    for (const auto& text : texts)
        bytes += (text.second.GetLength() + 1) * sizeof(wchar_t);
    auto* record = static_cast<Record*>(LocalAlloc(LPTR, bytes));
    if (!record)
        return nullptr;
    record->SizeOfStruct = sizeof(Record);
    auto* next = reinterpret_cast<wchar_t*>(record + 1);
    for (const auto& text : texts)
    {
        size_t length = text.second.GetLength() + 1;
        memcpy(next, text.second.GetString(), length * sizeof(wchar_t));
        record->*text.first = next;
        next += length;
    }
    return record;
}
} // namespace

FAX_JOB_PARAMW* CFaxClientDefaults::CreateJobParams() const
{
    // The sender's fax number identifies the sending station too.
    return CreateRecord<FAX_JOB_PARAMW>({
        {&FAX_JOB_PARAMW::Tsid, m_config.GetSenderValue(L"FaxNumber")},
        {&FAX_JOB_PARAMW::SenderName, m_config.GetSenderValue(L"Name")},
        {&FAX_JOB_PARAMW::SenderCompany, m_config.GetSenderValue(L"Company")},
        {&FAX_JOB_PARAMW::SenderDept, m_config.GetSenderValue(L"Department")},
        {&FAX_JOB_PARAMW::BillingCode, m_config.GetSenderValue(L"BillingCode")},
    });
}

FAX_COVERPAGE_INFOW* CFaxClientDefaults::CreateCoverpageInfo() const
{
    FAX_COVERPAGE_INFOW* info = CreateRecord<FAX_COVERPAGE_INFOW>({
        {&FAX_COVERPAGE_INFOW::SdrName, m_config.GetSenderValue(L"Name")},
        {&FAX_COVERPAGE_INFOW::SdrFaxNumber, m_config.GetSenderValue(L"FaxNumber")},
        {&FAX_COVERPAGE_INFOW::SdrCompany, m_config.GetSenderValue(L"Company")},
        {&FAX_COVERPAGE_INFOW::SdrAddress, m_config.GetSenderValue(L"Address")},
        {&FAX_COVERPAGE_INFOW::SdrTitle, m_config.GetSenderValue(L"Title")},
        {&FAX_COVERPAGE_INFOW::SdrDepartment, m_config.GetSenderValue(L"Department")},
        {&FAX_COVERPAGE_INFOW::SdrOfficeLocation, m_config.GetSenderValue(L"OfficeLocation")},
        {&FAX_COVERPAGE_INFOW::SdrHomePhone, m_config.GetSenderValue(L"HomePhone")},
        {&FAX_COVERPAGE_INFOW::SdrOfficePhone, m_config.GetSenderValue(L"OfficePhone")},
    });
    if (info)
        info->UseServerCoverPage = m_config.GetSenderValue(L"UseServerCoverPage") == L"1";
    return info;
}
