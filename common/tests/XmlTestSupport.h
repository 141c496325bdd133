#pragma once
// Shared pieces of the XML tests: COM on the test thread, a private folder for files,
// raw file bytes, and DOM documents made from text.
#include "testing/CStringPrinter.h"
#include "common/auto_p.h"
#include "framework/CString.h"
#include "testing/TestFiles.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <comdef.h>
#include <msxml2.h>
#include <string>

// Every test runs in a single-threaded apartment and in a fresh, empty folder.
class XmlTest : public testing::Test
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_folder.Format(L"%sxml_tests_%lu", temp, GetCurrentProcessId());
        RemoveFolder();
        ASSERT_TRUE(CreateDirectoryW(m_folder, nullptr));
    }

    void TearDown() override
    {
        RemoveFolder();
        CoUninitialize();
    }

    CString PathOf(const wchar_t* name) const { return m_folder + L"\\" + name; }

    // A DOM document parsed from text; the test fails when the text does not parse.
    static auto_rel<IXMLDOMDocument> ParseXml(const wchar_t* xml)
    {
        auto_rel<IXMLDOMDocument> document;
        CLSID classId = {};
        CLSIDFromProgID(L"Msxml2.DOMDocument", &classId);
        HRESULT hr = CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                                      reinterpret_cast<void**>(document.Receive()));
        EXPECT_TRUE(SUCCEEDED(hr));
        VARIANT_BOOL parsed = VARIANT_FALSE;
        if (document)
            document->loadXML(_bstr_t(xml), &parsed);
        EXPECT_EQ(parsed, VARIANT_TRUE) << "Does not parse: " << CString(xml).ToAnsi(CP_UTF8);
        return document;
    }

    // The temporary files that the XML writer leaves beside the files it writes.
    int CountWriterTemporaries() const { return CountFiles(PathOf(L"xml*.tmp")); }

private:
    void RemoveFolder()
    {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(m_folder + L"\\*", &found);
        if (search != INVALID_HANDLE_VALUE)
        {
            do
            {
                CString path = PathOf(found.cFileName);
                SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path);
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(m_folder);
    }

    CString m_folder;
};
