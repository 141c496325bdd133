#include "VellWizSchTask/CWizTaskPlayingPage.h"

#include "capture/destinations/CaptureTables.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "common/PathHelpers.h"
#include "common/PathValidation.h"
#include "VellWizSchTask/WizardChecks.h"

const CWizTaskPlayingPage::Media CWizTaskPlayingPage::kVideoMedia = {
    L"Video Files (*.avi; *.mov; *.mpg; *.mpeg; *.m1v)|*.avi; *.mov; *.mpg; *.mpeg; *.m1v||",
    [](const CString& path) { return IsVideoFileExtension(path, false); },
    L"Invalid video file extension for current operation. A video file extension shoud be .avi, .gt, .mov, .mpg, "
    L".mpeg or .m1v."};

CWizTaskPlayingPage::CWizTaskPlayingPage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId, UINT subtitleId,
                                         const Items& items, const Fields& fields, const Media& media)
    : CWizTaskPage(sheet, templateId, titleId, subtitleId), m_items(items), m_fields(fields), m_media(media)
{
}

BOOL CWizTaskPlayingPage::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    SendMessageW(GetDlgItem(m_items.file), EM_LIMITTEXT, 260, 0);
    SetItemText(m_items.file, m_fields.file);
    SetDurationEditTexts(static_cast<int>(m_fields.duration), GetDlgItem(m_items.hours), GetDlgItem(m_items.minutes),
                         GetDlgItem(m_items.seconds));
    HWND spin = GetDlgItem(m_items.repeatSpin);
    SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(m_items.repeat)), 0);
    SendMessageW(spin, UDM_SETRANGE32, 0, 20);
    SendMessageW(spin, UDM_SETPOS32, 0, m_fields.repeat);
    if (!HasWindow())
        return TRUE;
    SetItemInt(m_items.left, *m_fields.left);
    SetItemInt(m_items.top, *m_fields.top);
    SetItemInt(m_items.width, *m_fields.width);
    SetItemInt(m_items.height, *m_fields.height);
    CheckItem(m_items.audio, *m_fields.audio);
    const bool normal = *m_fields.width == 0 && *m_fields.height == 0;
    CheckItem(m_items.normal, normal);
    if (normal)
        ShowNormal(true);
    return TRUE;
}

// "Normal" shows 0 for the width and height and keeps what was typed for its unchecking.
void CWizTaskPlayingPage::ShowNormal(bool normal)
{
    if (normal)
    {
        m_keptWidth = GetItemText(m_items.width);
        m_keptHeight = GetItemText(m_items.height);
    }
    SetItemText(m_items.width, normal ? CString(L"0") : m_keptWidth);
    SetItemText(m_items.height, normal ? CString(L"0") : m_keptHeight);
    EnableItem(m_items.width, !normal);
    EnableItem(m_items.height, !normal);
}

bool CWizTaskPlayingPage::OnCommand(UINT code, UINT id, HWND control)
{
    if (code == BN_CLICKED && id == m_items.browse)
    {
        BrowseForFile(m_items.file, m_media.filter);
        return true;
    }
    if (HasWindow() && code == BN_CLICKED && id == m_items.normal)
    {
        ShowNormal(IsItemChecked(id));
        return true;
    }
    if (HasWindow() && code == BN_CLICKED && id == m_items.audio)
    {
        *m_fields.audio = IsItemChecked(id);
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}

bool CWizTaskPlayingPage::CheckFile()
{
    m_fields.file = GetItemText(m_items.file);
    CString name, extension, folder, error;
    SplitPath(m_fields.file, name, extension, folder);
    if (!ValidateFileName(name + extension, error))
        return Refuse(error, m_items.file);
    if (!m_media.takesExtension(m_fields.file))
        return Refuse(m_media.wrongExtension, m_items.file);
    if (!EnsurePathExists(folder, true))
    {
        error.Format(L"The path '%s' does not exist.", folder.GetString());
        return Refuse(error, m_items.file);
    }
    return true;
}

bool CWizTaskPlayingPage::CheckWindow()
{
    *m_fields.left = GetItemInt(m_items.left);
    *m_fields.top = GetItemInt(m_items.top);
    const bool normal = IsItemChecked(m_items.normal);
    *m_fields.width = normal ? 0 : GetItemInt(m_items.width);
    *m_fields.height = normal ? 0 : GetItemInt(m_items.height);
    CString error;
    const int tooSmall = normal ? 0 : CheckWindowSize(*m_fields.width, *m_fields.height, error);
    return tooSmall == 0 || Refuse(error, tooSmall == 1 ? m_items.width : m_items.height);
}

bool CWizTaskPlayingPage::CheckNext()
{
    if (!CheckFile() || (HasWindow() && !CheckWindow()))
        return false;
    m_fields.repeat = GetItemInt(m_items.repeat);
    m_fields.duration = static_cast<unsigned int>(
        GetDurationFromEdits(GetDlgItem(m_items.hours), GetDlgItem(m_items.minutes), GetDlgItem(m_items.seconds)));
    return true;
}
