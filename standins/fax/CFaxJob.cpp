#include "standins/fax/CFaxJob.h"
#include <algorithm>

const wchar_t CFaxJob::kJobFileName[] = L"Job.ini";

namespace
{
const wchar_t kSectionLine[] = L"[Job]";
const wchar_t kByteOrderMark = 0xFEFF;
} // namespace

void CFaxJob::Set(const wchar_t* key, const CString& value)
{
    for (auto& field : m_fields)
    {
        if (field.first.CompareNoCase(key) == 0)
        {
            field.second = value;
            return;
        }
    }
    m_fields.emplace_back(key, value);
}

void CFaxJob::Set(const CFaxJob& other)
{
    for (const auto& field : other.m_fields)
        Set(field.first, field.second);
}

CString CFaxJob::Get(const wchar_t* key) const
{
    for (const auto& field : m_fields)
    {
        if (field.first.CompareNoCase(key) == 0)
            return field.second;
    }
    return CString();
}

bool CFaxJob::Has(const wchar_t* key) const
{
    return std::any_of(m_fields.begin(), m_fields.end(),
                       [key](const std::pair<CString, CString>& field) { return field.first.CompareNoCase(key) == 0; });
}

bool CFaxJob::Save(const CString& jobFolder) const
{
    CString text(kByteOrderMark);
    text += kSectionLine;
    text += L"\r\n";
    for (const auto& field : m_fields)
        text += field.first + L"=" + Escape(field.second) + L"\r\n";

    HANDLE file = CreateFileW(jobFolder + L"\\" + kJobFileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD bytes = static_cast<DWORD>(text.GetLength() * sizeof(wchar_t));
    DWORD written = 0;
    bool saved = WriteFile(file, text.GetString(), bytes, &written, nullptr) && written == bytes;
    CloseHandle(file);
    return saved;
}

bool CFaxJob::Load(const CString& jobFolder)
{
    HANDLE file = CreateFileW(jobFolder + L"\\" + kJobFileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD size = GetFileSize(file, nullptr);
    std::wstring text(size / sizeof(wchar_t), L'\0');
    DWORD read = 0;
    bool loaded = size != INVALID_FILE_SIZE && ReadFile(file, &text[0], size, &read, nullptr) && read == size;
    CloseHandle(file);
    if (!loaded)
        return false;

    m_fields.clear();
    size_t start = !text.empty() && text[0] == kByteOrderMark ? 1 : 0;
    while (start < text.size())
    {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        CString line(text.substr(start, end - start));
        line.TrimRight(L"\r");
        int equals = line.Find(L'=');
        if (equals > 0 && line[0] != L'[')
            Set(line.Left(equals), Unescape(line.Mid(equals + 1)));
        start = end + 1;
    }
    return true;
}

std::vector<CString> CFaxJob::ListJobs(const CString& outboxFolder)
{
    std::vector<std::pair<long, CString>> jobs;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(outboxFolder + L"\\*", &found);
    if (search != INVALID_HANDLE_VALUE)
    {
        do
        {
            long number = ParseJobNumber(found.cFileName);
            CString folder = outboxFolder + L"\\" + found.cFileName;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && number >= 0 &&
                GetFileAttributesW(folder + L"\\" + kJobFileName) != INVALID_FILE_ATTRIBUTES)
                jobs.emplace_back(number, folder);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    std::sort(jobs.begin(), jobs.end(),
              [](const std::pair<long, CString>& a, const std::pair<long, CString>& b) { return a.first < b.first; });
    std::vector<CString> folders;
    for (const auto& job : jobs)
        folders.push_back(job.second);
    return folders;
}

long CFaxJob::ParseJobNumber(const wchar_t* folderName)
{
    size_t length = wcslen(folderName);
    if (length == 0 || length > 9 || wcsspn(folderName, L"0123456789") != length)
        return -1;
    return wcstol(folderName, nullptr, 10);
}

CString CFaxJob::Escape(const CString& value)
{
    CString escaped;
    for (int i = 0; i < value.GetLength(); ++i)
    {
        wchar_t ch = value[i];
        if (ch == L'\\')
            escaped += L"\\\\";
        else if (ch == L'\r')
            escaped += L"\\r";
        else if (ch == L'\n')
            escaped += L"\\n";
        else
            escaped += ch;
    }
    return escaped;
}

CString CFaxJob::Unescape(const CString& value)
{
    CString text;
    for (int i = 0; i < value.GetLength(); ++i)
    {
        wchar_t ch = value[i];
        if (ch == L'\\' && i + 1 < value.GetLength())
        {
            wchar_t next = value[++i];
            ch = next == L'r' ? L'\r' : next == L'n' ? L'\n' : next;
        }
        text += ch;
    }
    return text;
}
