#include "capture/dialogs/CDlgPresentationSelectionType.h"

#include "capture/destinations/CaptureTables.h"
#include "capture/dialogs/DialogResources.h"
#include "capture/dialogs/SelectionText.h"
#include "capture/selection/ICaptureDialogs.h"
#include "framework/AppMainWnd.h"
#include "framework/AppMessageBox.h"
#include "framework/AppWindowText.h"

CDlgPresentationSelectionType::CDlgPresentationSelectionType(EnumScreenCaptureType type,
                                                             const std::vector<POINT>& points, const CString& text,
                                                             HWND parent)
    : CDialog(IDD_SELECTION_TYPE, parent), m_type(type), m_text(text)
{
    if (!points.empty())
    {
        if (m_type >= SCT_WINDOW)
            m_type = SCT_RECTANGLE;
        m_text = FormatSelectionPoints(points);
    }
}

CDlgPresentationSelectionType::~CDlgPresentationSelectionType()
{
    DestroyWindow();
}

std::vector<POINT> CDlgPresentationSelectionType::GetSelectionPoints() const
{
    std::vector<POINT> points;
    if (m_type < SCT_WINDOW)
        ParseSelectionPoints(m_text, points);
    return points;
}

BOOL CDlgPresentationSelectionType::OnInitDialog()
{
    CDialog::OnInitDialog();
    HWND combo = GetDlgItem(IDC_SEL_TYPE);
    for (int type = SCT_FREE_HAND; type <= SCT_DESKTOP; ++type)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GetSelectionTypeName(type).GetString()));
    SendMessageW(combo, CB_SETCURSEL, m_type, 0);
    ShowTypeData();
    return TRUE;
}

void CDlgPresentationSelectionType::ShowTypeData()
{
    static const UINT labels[] = {IDS_SEL_FREE_HAND, IDS_SEL_POLYGON,       IDS_SEL_RECTANGLE, IDS_SEL_ELLIPSE,
                                  IDS_SEL_WINDOW,    IDS_SEL_ACTIVE_WINDOW, IDS_SEL_DESKTOP};
    CString label;
    label.LoadString(labels[m_type]);
    SetDlgItemTextW(GetSafeHwnd(), IDC_SEL_LABEL, label);
    const bool needsData = m_type < SCT_ACTIVE_WINDOW;
    if (!needsData)
        m_text.Empty();
    SetDlgItemTextW(GetSafeHwnd(), IDC_SEL_TEXT, m_text);
    EnableWindow(GetDlgItem(IDC_SEL_TEXT), needsData);
    const bool mouse = m_type < SCT_WINDOW;
    EnableWindow(GetDlgItem(IDC_SEL_USE_MOUSE), mouse);
    EnableWindow(GetDlgItem(IDC_SEL_HIDE), mouse);
}

bool CDlgPresentationSelectionType::OnCommand(UINT code, UINT id, HWND control)
{
    switch (id)
    {
    case IDC_SEL_TYPE:
        if (code == CBN_SELCHANGE)
        {
            m_type = static_cast<EnumScreenCaptureType>(SendMessageW(control, CB_GETCURSEL, 0, 0));
            ShowTypeData();
        }
        return true;
    case IDC_SEL_TEXT:
        if (code == EN_CHANGE && m_type < SCT_ACTIVE_WINDOW)
            m_text = AppGetWindowText(control);
        return true;
    case IDC_SEL_USE_MOUSE:
        OnUseMouse();
        return true;
    case IDC_SEL_USE_SELECTION:
        OnUseSelection();
        return true;
    case IDC_SEL_MANUAL:
        EndDialog(kSelectionManual);
        return true;
    default:
        return CDialog::OnCommand(code, id, control);
    }
}

void CDlgPresentationSelectionType::OnUseMouse()
{
    m_overlay.reset();
    HWND main = AppGetMainWnd();
    const bool hide = IsDlgButtonChecked(GetSafeHwnd(), IDC_SEL_HIDE) == BST_CHECKED && main &&
                      IsWindowVisible(main) && !IsIconic(main);
    if (hide)
    {
        ShowWindow(GetSafeHwnd(), SW_HIDE);
        ShowWindow(main, SW_FORCEMINIMIZE);
    }
    m_overlay = std::make_unique<CWndTransparentScSelection>(m_type);
    if (!m_overlay->Create(hide ? main : nullptr, hide ? GetSafeHwnd() : nullptr, GetDlgItem(IDC_SEL_TEXT), hide, hide))
        m_overlay.reset();
}

void CDlgPresentationSelectionType::OnUseSelection()
{
    const UINT problem = CheckSelectionText(m_type, m_text);
    if (problem)
    {
        AppMessageBox(problem, MB_OK | MB_ICONEXCLAMATION, GetSafeHwnd());
        return;
    }
    EndDialog(kSelectionUseSelection);
}

int ChooseSelectionType(EnumSendParam, EnumScreenCaptureType& type, std::vector<POINT>& points, CString& windowName,
                        HWND parent)
{
    CDlgPresentationSelectionType dialog(type, points, windowName, parent);
    const int result = static_cast<int>(dialog.DoModal());
    if (result != kSelectionUseSelection)
        return result;
    type = dialog.GetSelectionType();
    points = dialog.GetSelectionPoints();
    windowName = type == SCT_WINDOW ? dialog.GetSelectionText() : CString();
    return result;
}
