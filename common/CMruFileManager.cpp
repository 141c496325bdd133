#include "common/CMruFileManager.h"

namespace
{
const int kDisplayLength = 30;

CString FullPath(const wchar_t* path)
{
    wchar_t full[MAX_PATH];
    DWORD length = GetFullPathNameW(path, MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? CString(full) : CString(path);
}
} // namespace

CMruFileManager::CMruFileManager(OpenDocumentFunc openDocument) : m_openDocument(std::move(openDocument)) {}

CMruFileManager::~CMruFileManager()
{
    for (CRecentFileList2* list : m_lists)
    {
        list->WriteList();
        delete list;
    }
}

CRecentFileList2* CMruFileManager::AddMruList(UINT firstCommandId, const wchar_t* section, const wchar_t* entryFormat,
                                              RecentFileAcceptor acceptor, int size, bool noRead, UINT start)
{
    CRecentFileList2* list =
        new CRecentFileList2(firstCommandId, acceptor, start, section, entryFormat, size, kDisplayLength);
    if (!noRead)
        list->ReadList();
    m_lists.AddTail(list);
    return list;
}

CRecentFileList2* CMruFileManager::FindAcceptingList(const CString& fullPath) const
{
    for (CRecentFileList2* list : m_lists)
        if (list->IsAcceptable(fullPath))
            return list;
    return nullptr;
}

bool CMruFileManager::AddToRecentFileList(const wchar_t* path)
{
    CString fullPath = FullPath(path);
    CRecentFileList2* list = FindAcceptingList(fullPath);
    if (!list)
        return false;
    list->Add(fullPath);
    return true;
}

bool CMruFileManager::HasRecentFile(const wchar_t* path) const
{
    CRecentFileList2* list = FindAcceptingList(FullPath(path));
    return list && list->GetSize() > 0 && !(*list)[0].IsEmpty();
}

CRecentFileList2* CMruFileManager::FindListByCommandId(UINT commandId) const
{
    for (CRecentFileList2* list : m_lists)
    {
        UINT first = list->GetFirstCommandId();
        if (commandId >= first && commandId < first + static_cast<UINT>(list->GetSize()))
            return list;
    }
    return nullptr;
}

bool CMruFileManager::OnUpdateRecentFile(CCmdUI* cmdUI)
{
    CRecentFileList2* list = FindListByCommandId(cmdUI->m_nID);
    if (!list)
        return false;
    cmdUI->Enable(list->GetSize() > 0);
    list->UpdateMenu(cmdUI);
    return true;
}

bool CMruFileManager::OnOpenRecentFile(UINT commandId)
{
    CRecentFileList2* list = FindListByCommandId(commandId);
    if (!list)
        return false;
    int index = static_cast<int>(commandId - list->GetFirstCommandId());
    CString path = (*list)[index];
    if (!path.IsEmpty() && !(m_openDocument && m_openDocument(path)))
        list->Remove(index);
    return true;
}
