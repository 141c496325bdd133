#include "capture/dialogs/LogEntries.h"

#include <algorithm>
#include <cwchar>
#include <vector>

namespace
{
const wchar_t kSeparator[] = L"  ";

// The entry's date and time as one ordered number (year first); 0 when the text does not
// begin with one, so such entries count as the oldest.
long long TimeKey(const CString& text)
{
    int month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0;
    if (swscanf(text.GetString(), L"%d/%d/%d %d:%d:%d", &month, &day, &year, &hour, &minute, &second) != 6)
        return 0;
    return ((((year * 100LL + month) * 100 + day) * 100 + hour) * 100 + minute) * 100 + second;
}
} // namespace

bool SplitLogText(const CString& text, LogEntry& entry)
{
    entry = LogEntry();
    int end = text.Find(kSeparator);
    if (end < 0)
        return false;
    entry.date = text.Left(end);
    CString* fields[] = {&entry.process, &entry.type};
    int start = end + 2;
    for (CString* field : fields)
    {
        end = text.Find(kSeparator, start);
        if (end < 0)
            break;
        *field = text.Mid(start, end - start);
        start = end + 2;
    }
    entry.description = text.Mid(start);
    return true;
}

bool ReadLogTexts(CEventLog& log, CStringArray& texts, CString& error)
{
    texts.RemoveAll();
    CStringArray program, jobs;
    if (!log.Read(nullptr, kProgramEventSource, program) || !log.Read(nullptr, kJobEventSource, jobs))
    {
        error = log.GetErrorText();
        return false;
    }
    program.Append(jobs);
    std::vector<CString> merged(program.begin(), program.end());
    std::stable_sort(merged.begin(), merged.end(),
                     [](const CString& a, const CString& b) { return TimeKey(a) < TimeKey(b); });
    for (const CString& text : merged)
        texts.Add(text);
    return true;
}
