#include "VellWizSchTask/CWizTaskTypePage.h"

#include "VellWizSchTask/CaptureTypeRows.h"
#include "VellWizSchTask/TaskWizardResources.h"
#include "capture/destinations/IcqApiAccess.h"
#include "framework/AppMessageBox.h"
#include "framework/AppModule.h"

namespace
{
const int kIcqDestination = 10;
} // namespace

CWizTaskTypePage::CWizTaskTypePage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId, UINT subtitleId,
                                   UINT listId, int group, int value)
    : CWizTaskPage(sheet, templateId, titleId, subtitleId), m_value(value), m_listId(listId), m_group(group)
{
}

CWizTaskTypePage::~CWizTaskTypePage()
{
    // The list shares the image list (LVS_SHAREIMAGELISTS in its template): it is freed
    // here, once, though the list shows it as both its normal and its small images.
    if (m_images)
        ImageList_Destroy(m_images);
}

BOOL CWizTaskTypePage::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    HWND list = GetDlgItem(m_listId);
    ListView_SetExtendedListViewStyleEx(list, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client = {};
    GetClientRect(list, &client);
    const int width = client.right - client.left - 32;
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = static_cast<int>(width * 0.3);
    column.pszText = const_cast<wchar_t*>(L"Operation");
    ListView_InsertColumn(list, 0, &column);
    column.cx = static_cast<int>(width * 0.7);
    column.pszText = const_cast<wchar_t*>(L"Description");
    ListView_InsertColumn(list, 1, &column);

    const auto rows = CaptureTypeRows(m_group);
    m_images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 5, 10);
    for (const CaptureTypeRow& row : rows)
    {
        auto icon = static_cast<HICON>(
            LoadImageW(AppGetResourceHandle(), MAKEINTRESOURCEW(row.icon), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
        ImageList_AddIcon(m_images, icon);
        if (icon)
            DestroyIcon(icon);
    }
    ListView_SetImageList(list, m_images, LVSIL_NORMAL);
    ListView_SetImageList(list, m_images, LVSIL_SMALL);
    int selected = -1;
    for (size_t i = 0; i < rows.size(); ++i)
    {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = static_cast<int>(i);
        item.iImage = static_cast<int>(i);
        item.lParam = rows[i].value;
        item.pszText = const_cast<wchar_t*>(rows[i].caption);
        const int row = ListView_InsertItem(list, &item);
        ListView_SetItemText(list, row, 1, const_cast<wchar_t*>(rows[i].description));
        if (rows[i].value == m_value)
            selected = row;
    }
    if (selected >= 0)
    {
        // Selecting reports the row, whose value is the page's already.
        ListView_SetItemState(list, selected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(list, selected, FALSE);
    }
    return TRUE;
}

bool CWizTaskTypePage::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom == m_listId && header.code == LVN_ITEMCHANGED)
    {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (change.iItem >= 0)
        {
            LVITEMW item = {};
            item.mask = LVIF_PARAM;
            item.iItem = change.iItem;
            if (ListView_GetItem(GetDlgItem(m_listId), &item))
                m_value = static_cast<int>(item.lParam);
        }
        result = 0;
        return true;
    }
    return CWizTaskPage::OnNotify(header, result);
}

LRESULT CWizTaskTypePage::OnWizardBack()
{
    // The capture-kind page goes back to its neighbour, the introduction.
    return m_group == 0 ? 0 : IDD_WIZ_CAPTURE_TYPE;
}

bool CWizTaskTypePage::CheckNext()
{
    if (m_group != 1 || m_value != kIcqDestination)
        return true;
    int version = 0;
    if (!InitIcqApi(&version))
    {
        AppMessageBox(IDS_WIZ_ICQ_MISSING, MB_OK, GetSheetWindow());
        return false;
    }
    return AppMessageBox(IDS_WIZ_ICQ_WARNING, MB_YESNO | MB_ICONQUESTION, GetSheetWindow()) == IDYES;
}
