#include "capture/pages/CPPagePropertiesCaptureType.h"

#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/ICapturePageHost.h"
#include "capture/pages/PagesIds.h"

CPPagePropertiesCaptureType::CPPagePropertiesCaptureType(int kind) : CPropertyPage(IDD_PROPS_CAPTURE_TYPE), m_kind(kind)
{
}

CPPagePropertiesCaptureType::~CPPagePropertiesCaptureType()
{
    // The list shares the image list (LVS_SHAREIMAGELISTS in its template): it is freed
    // here, once, though the list shows it as both its normal and its small images.
    if (m_images)
        ImageList_Destroy(m_images);
}

BOOL CPPagePropertiesCaptureType::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    HWND list = GetDlgItem(IDC_CAPTURE_TYPE_LIST);
    ListView_SetExtendedListViewStyle(list, ListView_GetExtendedListViewStyle(list) | LVS_EX_FULLROWSELECT);
    RECT client = {};
    GetClientRect(list, &client);
    const int width = client.right - 32;
    const struct
    {
        const wchar_t* title;
        int width;
    } kColumns[] = {{L"Operation", width * 30 / 100}, {L"Description", width * 70 / 100}};
    for (int i = 0; i < 2; ++i)
    {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(kColumns[i].title);
        column.cx = kColumns[i].width;
        ListView_InsertColumn(list, i, &column);
    }
    m_images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 5, 10);
    LoadCaptureTypeIcons(m_images, m_kind, false);
    ListView_SetImageList(list, m_images, LVSIL_NORMAL);
    ListView_SetImageList(list, m_images, LVSIL_SMALL);
    FillCaptureTypeDescriptionList(list, m_kind);
    return TRUE;
}

int CPPagePropertiesCaptureType::RowType(int row) const
{
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return row >= 0 && ListView_GetItem(GetDlgItem(IDC_CAPTURE_TYPE_LIST), &item) ? static_cast<int>(item.lParam) : -1;
}

void CPPagePropertiesCaptureType::ShowRowType(int row)
{
    const int type = RowType(row);
    if (type < 0)
        return;
    if (ICapturePageHost* host = GetCapturePageHost())
        host->SelectRecordType(static_cast<EnumSendParam>(type));
}

void CPPagePropertiesCaptureType::ShowRowMenu(int row)
{
    if (RowType(row) < 0)
        return;
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, ID_SHOW_PROPERTIES, L"Show Properties");
    POINT cursor = {};
    GetCursorPos(&cursor);
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, cursor.x, cursor.y, 0,
                                      GetSafeHwnd(), nullptr);
    DestroyMenu(menu);
    if (chosen == ID_SHOW_PROPERTIES)
        ShowRowType(row);
}

bool CPPagePropertiesCaptureType::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom == IDC_CAPTURE_TYPE_LIST && (header.code == NM_DBLCLK || header.code == NM_RCLICK))
    {
        const int row = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
        if (header.code == NM_DBLCLK)
            ShowRowType(row);
        else
            ShowRowMenu(row);
        result = 0;
        return true;
    }
    return CPropertyPage::OnNotify(header, result);
}

LRESULT CPPagePropertiesCaptureType::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CPropertyPage::WindowProc(message, wParam, lParam);
    if (message == WM_RBUTTONDOWN)
        ShowHostActionMenu();
    return result;
}
