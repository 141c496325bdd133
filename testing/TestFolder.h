#pragma once
// A fresh, empty folder under the user's temporary folder, removed with everything in it
// when the object goes. Each object has a folder of its own, also within one process.
#include "framework/CString.h"
#include "testing/RemoveTestTree.h"

class TestFolder
{
public:
    TestFolder()
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        static unsigned long made = 0;
        m_path.Format(L"%shelpers_tests_%lu_%lu", temp, GetCurrentProcessId(), made++);
        Remove();
        CreateDirectoryW(m_path, nullptr);
    }
    ~TestFolder() { Remove(); }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The folder without a trailing separator.
    const CString& Path() const { return m_path; }
    CString operator/(const wchar_t* relative) const { return m_path + L"\\" + relative; }

private:
    void Remove() { RemoveTestTree(m_path); }

    CString m_path;
};
