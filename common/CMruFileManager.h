#pragma once
// CMruFileManager: several recent-file lists side by side, each with its own menu command
// ids, profile section and test of which files belong to it. A file opened or saved goes
// to the first list (in the order they were added) that accepts it; a recent-file command
// opens its entry through the application.
#include "common/CRecentFileList2.h"
#include "framework/CList.h"
#include <functional>

class CMruFileManager
{
public:
    // Opens a document for a recent-file command; false when it could not be opened.
    using OpenDocumentFunc = std::function<bool(const wchar_t* path)>;

    explicit CMruFileManager(OpenDocumentFunc openDocument);
    CMruFileManager(const CMruFileManager&) = delete;
    CMruFileManager& operator=(const CMruFileManager&) = delete;
    // Writes every list to the profile.
    virtual ~CMruFileManager();

    // Adds a list whose menu items show at most 30 characters of a path. noRead: start
    // empty instead of reading the list from the profile.
    CRecentFileList2* AddMruList(UINT firstCommandId, const wchar_t* section, const wchar_t* entryFormat,
                                 RecentFileAcceptor acceptor, int size, bool noRead, UINT start);

    // Adds the full path to the top of the first list that accepts it; false when none does.
    bool AddToRecentFileList(const wchar_t* path);
    // True when the list that accepts the path holds at least one entry.
    bool HasRecentFile(const wchar_t* path) const;
    // The list whose command ids include the id, or null.
    CRecentFileList2* FindListByCommandId(UINT commandId) const;

    // The update of a recent-file menu item; false when the id belongs to no list, so that
    // other handlers may take it.
    bool OnUpdateRecentFile(CCmdUI* cmdUI);
    // Opens the entry of a recent-file command; an entry that cannot be opened is removed.
    // False when the id belongs to no list.
    bool OnOpenRecentFile(UINT commandId);

private:
    CRecentFileList2* FindAcceptingList(const CString& fullPath) const;

    CList<CRecentFileList2*> m_lists;
    OpenDocumentFunc m_openDocument;
};
