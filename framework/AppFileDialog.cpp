#include "framework/AppFileDialog.h"

#include "framework/Handles.h"

#include <commdlg.h>
#include <shlobj.h>

namespace
{
// Room for many names of a multiple choice.
const DWORD kNameBufferLength = 32 * 1024;

FileDialogHandler& Handler()
{
    static FileDialogHandler handler;
    return handler;
}

// Selects the starting folder once the browser is shown.
int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM folder)
{
    if (message == BFFM_INITIALIZED)
        SendMessageW(window, BFFM_SETSELECTIONW, TRUE, folder);
    return 0;
}

FileDialogResult ShowFolderBrowser(const FileDialogRequest& request)
{
    CComApartment apartment;
    wchar_t displayName[MAX_PATH];
    BROWSEINFOW info = {};
    info.hwndOwner = request.owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = request.title;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN | BIF_STATUSTEXT;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(request.initialPath.GetString());

    FileDialogResult result;
    if (PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info))
    {
        wchar_t path[MAX_PATH];
        if (SHGetPathFromIDListW(item, path))
        {
            result.chosen = true;
            result.paths.emplace_back(path);
        }
        CoTaskMemFree(item);
    }
    return result;
}

FileDialogResult ShowSystemDialog(const FileDialogRequest& request)
{
    if (request.folder)
        return ShowFolderBrowser(request);
    std::wstring names(kNameBufferLength, L'\0');
    names.replace(0, static_cast<size_t>(request.initialPath.GetLength()), request.initialPath.GetString());
    const std::wstring filter = FileDialogFilter(request.filter);

    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = request.owner;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = &names[0];
    dialog.nMaxFile = kNameBufferLength;
    dialog.lpstrDefExt = request.defaultExtension.IsEmpty() ? nullptr : request.defaultExtension.GetString();
    dialog.lpstrTitle = request.title.IsEmpty() ? nullptr : request.title.GetString();
    dialog.Flags = request.flags;

    FileDialogResult result;
    result.chosen = (request.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog)) != FALSE;
    if (result.chosen)
        result.paths = ParseFileDialogNames(names.c_str());
    else
        result.error = CommDlgExtendedError();
    return result;
}
} // namespace

FileDialogHandler AppSetFileDialogHandler(FileDialogHandler handler)
{
    FileDialogHandler previous = Handler();
    Handler() = std::move(handler);
    return previous;
}

FileDialogResult AppFileDialog(const FileDialogRequest& request)
{
    if (Handler())
        return Handler()(request);
    return ShowSystemDialog(request);
}

std::vector<CString> ParseFileDialogNames(const wchar_t* buffer)
{
    std::vector<CString> pieces;
    for (const wchar_t* piece = buffer; *piece; piece += wcslen(piece) + 1)
        pieces.emplace_back(piece);
    if (pieces.size() <= 1)
        return pieces;
    CString folder = pieces.front();
    if (folder.Right(1) != L"\\")
        folder += L'\\';
    std::vector<CString> paths;
    for (size_t i = 1; i < pieces.size(); ++i)
        paths.push_back(folder + pieces[i]);
    return paths;
}

std::wstring FileDialogFilter(const CString& filter)
{
    std::wstring converted(filter.GetString());
    for (wchar_t& ch : converted)
        if (ch == L'|')
            ch = L'\0';
    return converted;
}
