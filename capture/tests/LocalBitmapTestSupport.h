#pragma once
// Test support for the screen-saver and wallpaper destinations: string values of
// the user's registry put back as they were, pictures written below the
// screen-capture image folder removed again, and a folder made impossible to
// create.
#include "Info/InfoGlobalFunctions.h"
#include "capture/tests/CaptureTestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace capture_test
{
// A string value under HKEY_CURRENT_USER; false when it is missing.
inline bool ReadUserString(const wchar_t* key, const wchar_t* name, std::wstring& text)
{
    wchar_t buffer[1024] = {};
    DWORD size = sizeof(buffer);
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return false;
    text = buffer;
    return true;
}

inline std::wstring UserString(const wchar_t* key, const wchar_t* name)
{
    std::wstring text;
    return ReadUserString(key, name, text) ? text : L"(missing)";
}

inline bool WriteUserString(const wchar_t* key, const wchar_t* name, const std::wstring& text)
{
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExW(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(opened);
    return result == ERROR_SUCCESS;
}

inline void DeleteUserValue(const wchar_t* key, const wchar_t* name)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS)
        return;
    RegDeleteValueW(opened, name);
    RegCloseKey(opened);
}

// A string value as it was when the object was made, written back (or deleted
// when it was missing) when the object goes.
class SavedUserString
{
public:
    SavedUserString(const wchar_t* key, const wchar_t* name) : m_key(key), m_name(name)
    {
        m_present = ReadUserString(key, name, m_text);
    }
    SavedUserString(const SavedUserString&) = delete;
    SavedUserString& operator=(const SavedUserString&) = delete;
    ~SavedUserString()
    {
        if (m_present)
            WriteUserString(m_key.c_str(), m_name.c_str(), m_text);
        else
            DeleteUserValue(m_key.c_str(), m_name.c_str());
    }

private:
    std::wstring m_key;
    std::wstring m_name;
    std::wstring m_text;
    bool m_present = false;
};

// A folder below the screen-capture image folder (e.g. L"\\Wallpaper") and the
// pictures of this test program in it, named "VellTest<process id>..." so that
// other programs' files are left alone. The pictures are removed, and the
// folders made by the test, when the object goes.
class LocalPictureFolder
{
public:
    explicit LocalPictureFolder(const wchar_t* subFolder)
        : m_parent(InfoGlobalFunctions::GetScImageDirectory()), m_folder(m_parent + subFolder)
    {
        m_prefix.Format(L"VellTest%lu", GetCurrentProcessId());
        m_parentExisted = Exists(m_parent);
        m_folderExisted = Exists(m_folder);
    }
    LocalPictureFolder(const LocalPictureFolder&) = delete;
    LocalPictureFolder& operator=(const LocalPictureFolder&) = delete;
    ~LocalPictureFolder()
    {
        RemovePictures();
        if (!m_folderExisted)
            RemoveDirectoryW(m_folder);
        if (!m_parentExisted)
            RemoveDirectoryW(m_parent);
    }

    const CString& Path() const { return m_folder; }
    // The base name of this program's pictures.
    const CString& Prefix() const { return m_prefix; }
    // The folder's file "<Prefix()><suffix>.bmp".
    CString File(const wchar_t* suffix) const { return m_folder + L"\\" + m_prefix + suffix + L".bmp"; }

    void RemovePictures() const
    {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(m_folder + L"\\" + m_prefix + L"*", &found);
        if (search == INVALID_HANDLE_VALUE)
            return;
        std::vector<CString> names;
        do
            names.push_back(m_folder + L"\\" + found.cFileName);
        while (FindNextFileW(search, &found));
        FindClose(search);
        for (const CString& name : names)
            if (!DeleteFileW(name))
                RemoveDirectoryW(name);
    }

private:
    CString m_parent;
    CString m_folder;
    CString m_prefix;
    bool m_parentExisted = false;
    bool m_folderExisted = false;
};

// A file standing where the folder should be, so that the folder cannot be
// made; a folder already there is moved aside and put back when the object
// goes.
class BlockedFolder
{
public:
    explicit BlockedFolder(const CString& folder) : m_folder(folder), m_aside(folder + L".aside")
    {
        m_movedAside = Exists(folder) && MoveFileW(folder, m_aside);
        std::wstring parent = folder.str().substr(0, folder.str().find_last_of(L'\\'));
        CreateDirectoryW(parent.c_str(), nullptr);
        WriteBytes(folder, "in the way");
    }
    BlockedFolder(const BlockedFolder&) = delete;
    BlockedFolder& operator=(const BlockedFolder&) = delete;
    ~BlockedFolder()
    {
        DeleteFileW(m_folder);
        if (m_movedAside)
            MoveFileW(m_aside, m_folder);
    }

    // The folder is a file now.
    bool IsBlocked() const
    {
        DWORD attributes = GetFileAttributesW(m_folder);
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

private:
    CString m_folder;
    CString m_aside;
    bool m_movedAside = false;
};

// True when the file is a Windows bitmap of the painted window: its signature,
// its size and the colour at its centre.
inline ::testing::AssertionResult IsPaintedBitmap(const CString& path)
{
    if (!StartsWith(ReadBytes(path), "BM"))
        return ::testing::AssertionFailure() << path.ToAnsi(CP_UTF8) << " is no bitmap file";
    DecodedImage image = Decode(path);
    if (!image.ok || image.width != kPaintWidth || image.height != kPaintHeight || image.centre != kPaint)
        return ::testing::AssertionFailure() << path.ToAnsi(CP_UTF8) << " holds " << image.width << "x" << image.height
                                             << " centre " << std::hex << image.centre;
    return ::testing::AssertionSuccess();
}
} // namespace capture_test
