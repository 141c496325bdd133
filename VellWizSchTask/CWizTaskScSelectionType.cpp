#include "VellWizSchTask/CWizTaskScSelectionType.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "VellWizSchTask/WizardChecks.h"
#include "capture/pages/CaptureUiHelpers.h"

namespace
{
const UINT kLabels[] = {IDS_WIZ_SELECTION_LABEL_FREE,    IDS_WIZ_SELECTION_LABEL_POLYGON,
                        IDS_WIZ_SELECTION_LABEL_RECT,    IDS_WIZ_SELECTION_LABEL_ELLIPSE,
                        IDS_WIZ_SELECTION_LABEL_WINDOW,  IDS_WIZ_SELECTION_LABEL_ACTIVE,
                        IDS_WIZ_SELECTION_LABEL_DESKTOP};
const int kWindow = 4;
const int kActiveWindow = 5;
} // namespace

CWizTaskScSelectionType::CWizTaskScSelectionType(CWizTaskPropSheet& sheet, UINT templateId, int ownerKind)
    : CWizTaskPage(sheet, templateId, ownerKind == 5 ? IDS_WIZ_MOVIE_RECORDING_TITLE : IDS_WIZ_SELECTION_TITLE,
                   IDS_WIZ_SELECTION_SUBTITLE),
      m_ownerKind(ownerKind)
{
}

BOOL CWizTaskScSelectionType::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    FillSelectionTypeCombo(GetDlgItem(IDC_SELECTION_TYPE), m_selectionType, false);
    SetItemText(IDC_SELECTION_TEXT, m_selectionText);
    UpdateDataControls();
    CheckItem(IDC_SELECTION_CURSOR, m_captureCursor);
    return TRUE;
}

bool CWizTaskScSelectionType::OnSetActive()
{
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

// The label, the data edit and the mouse controls follow the selection type.
void CWizTaskScSelectionType::UpdateDataControls()
{
    if (m_selectionType < 0 || m_selectionType > 6)
        return;
    CString label;
    label.LoadString(kLabels[m_selectionType]);
    SetItemText(IDC_SELECTION_LABEL, label);
    const bool needsText = m_selectionType < kActiveWindow;
    EnableItem(IDC_SELECTION_TEXT, needsText);
    if (!needsText)
        SetItemText(IDC_SELECTION_TEXT, L"");
    const bool drawn = m_selectionType < kWindow;
    EnableItem(IDC_SELECTION_MOUSE, drawn);
    EnableItem(IDC_SELECTION_HIDE, drawn);
}

void CWizTaskScSelectionType::OnUseMouse()
{
    m_overlay.reset();
    HWND sheet = GetSheetWindow();
    HWND owner = GetWindow(sheet, GW_OWNER);
    const bool hide = IsItemChecked(IDC_SELECTION_HIDE) && IsWindowVisible(sheet) && !IsIconic(sheet);
    if (hide)
    {
        ShowWindow(sheet, SW_HIDE);
        if (owner)
            ShowWindow(owner, SW_MINIMIZE);
    }
    m_overlay = std::make_unique<CWndTransparentScSelection>(static_cast<EnumScreenCaptureType>(m_selectionType));
    m_overlay->Create(owner, sheet, GetDlgItem(IDC_SELECTION_TEXT), hide && owner, hide);
}

bool CWizTaskScSelectionType::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_SELECTION_TYPE && code == CBN_SELCHANGE)
    {
        m_selectionType = static_cast<int>(SendMessageW(GetDlgItem(IDC_SELECTION_TYPE), CB_GETCURSEL, 0, 0));
        UpdateDataControls();
        return true;
    }
    if (id == IDC_SELECTION_TEXT && code == EN_CHANGE)
    {
        if (m_selectionType < kActiveWindow)
            m_selectionText = GetItemText(IDC_SELECTION_TEXT);
        return true;
    }
    if (id == IDC_SELECTION_CURSOR && code == BN_CLICKED)
    {
        m_captureCursor = IsItemChecked(IDC_SELECTION_CURSOR);
        return true;
    }
    if (id == IDC_SELECTION_MOUSE && code == BN_CLICKED)
    {
        OnUseMouse();
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}

bool CWizTaskScSelectionType::CheckNext()
{
    m_selectionText = GetItemText(IDC_SELECTION_TEXT);
    CString message;
    return CheckSelection(m_selectionType, m_selectionText, message) || Refuse(message, IDC_SELECTION_TEXT);
}
