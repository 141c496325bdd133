#include "capture/pages/CPPagePropsCbtPlayingLaunch.h"

#include "capture/pages/MediaPagesIds.h"
#include "common/PathHelpers.h"

namespace
{
const UINT kWindowEdits[] = {IDC_LAUNCH_LEFT, IDC_LAUNCH_TOP, IDC_LAUNCH_WIDTH, IDC_LAUNCH_HEIGHT};
const wchar_t kApplicationExtension[] = L".exe";
} // namespace

CPPagePropsCbtPlayingLaunch::CPPagePropsCbtPlayingLaunch()
    : CPPagePropsCaptureRecord(IDD_PROPS_CBT_LAUNCH, SP_CBT_PLAYING, 1, 3, false)
{
}

void CPPagePropsCbtPlayingLaunch::InitControls()
{
    BindPath(m_application, IDC_LAUNCH_APP, 260);
    BindPath(m_commandLine, IDC_LAUNCH_CMDLINE, 260);
    for (int i = 0; i < 4; ++i)
        BindNumber(m_window[i], kWindowEdits[i], 0, 9999);
    BindNumber(m_delay, IDC_LAUNCH_DELAY, 0, 999);
}

void CPPagePropsCbtPlayingLaunch::RecordToControls()
{
    InfoCBTPlaying& copy = Copy();
    const bool maximized = copy.PlayWndWidth <= 0 && copy.PlayWndHeight <= 0;
    if (maximized)
        copy.PlayWndWidth = copy.PlayWndHeight = 0;
    if (copy.PlayDelayTime < 0)
        copy.PlayDelayTime = 0;
    SetText(IDC_LAUNCH_APP, copy.PlayAppFileName);
    SetText(IDC_LAUNCH_CMDLINE, copy.PlayCmdLine);
    SetNumber(IDC_LAUNCH_LEFT, copy.PlayWndLeft);
    SetNumber(IDC_LAUNCH_TOP, copy.PlayWndTop);
    SetNumber(IDC_LAUNCH_WIDTH, copy.PlayWndWidth);
    SetNumber(IDC_LAUNCH_HEIGHT, copy.PlayWndHeight);
    SetNumber(IDC_LAUNCH_DELAY, copy.PlayDelayTime);
    SetCheck(IDC_LAUNCH_MAXIMIZE, maximized);
    UpdateEnabling();
}

void CPPagePropsCbtPlayingLaunch::ReadControls()
{
    // An empty number edit reads as 0.
    InfoCBTPlaying& copy = Copy();
    copy.PlayAppFileName = GetText(IDC_LAUNCH_APP);
    copy.PlayCmdLine = GetText(IDC_LAUNCH_CMDLINE);
    copy.PlayWndLeft = GetNumber(IDC_LAUNCH_LEFT);
    copy.PlayWndTop = GetNumber(IDC_LAUNCH_TOP);
    copy.PlayWndWidth = GetNumber(IDC_LAUNCH_WIDTH);
    copy.PlayWndHeight = GetNumber(IDC_LAUNCH_HEIGHT);
    copy.PlayDelayTime = GetNumber(IDC_LAUNCH_DELAY);
}

bool CPPagePropsCbtPlayingLaunch::Check()
{
    CString application = Copy().PlayAppFileName;
    application.Trim();
    if (application.IsEmpty())
        return true;
    if (!FileExists(application))
        return FailCheck(LoadText(IDS_MEDIA_FILE_NOT_FOUND, application), MB_ICONINFORMATION, IDC_LAUNCH_APP);
    CString name, extension, folder;
    SplitPath(application, name, extension, folder);
    if (extension.CompareNoCase(kApplicationExtension) != 0)
        return FailCheck(LoadText(IDS_MEDIA_INVALID_EXTENSION, kApplicationExtension), MB_ICONEXCLAMATION,
                         IDC_LAUNCH_APP);
    return true;
}

bool CPPagePropsCbtPlayingLaunch::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_LAUNCH_APP && code == EN_CHANGE)
    {
        if (GetText(IDC_LAUNCH_APP) != m_shownApplication)
            UpdateEnabling();
        return true;
    }
    if (code != BN_CLICKED)
        return CPPagePropsCaptureRecord::OnCommand(code, id, control);
    if (id == IDC_LAUNCH_BROWSE)
        BrowseFileInto(IDC_LAUNCH_APP, L"Executable Files (*.exe)|*.exe||");
    else if (id == IDC_LAUNCH_MAXIMIZE)
    {
        if (GetCheck(IDC_LAUNCH_MAXIMIZE))
            for (UINT edit : kWindowEdits)
                SetText(edit, L"0");
        UpdateEnabling();
    }
    else
        return CPPagePropsCaptureRecord::OnCommand(code, id, control);
    return true;
}

void CPPagePropsCbtPlayingLaunch::UpdateEnabling()
{
    m_shownApplication = GetText(IDC_LAUNCH_APP);
    const bool application = !m_shownApplication.IsEmpty();
    const bool placed = application && !GetCheck(IDC_LAUNCH_MAXIMIZE);
    EnableItems({IDC_LAUNCH_CMDLINE_LABEL, IDC_LAUNCH_CMDLINE, IDC_LAUNCH_WINDOW, IDC_LAUNCH_POSITION, IDC_LAUNCH_SIZE,
                 IDC_LAUNCH_MAXIMIZE, IDC_LAUNCH_DELAY_LABEL, IDC_LAUNCH_DELAY, IDC_LAUNCH_DELAY_UNIT},
                application);
    EnableItems({IDC_LAUNCH_LEFT_LABEL, IDC_LAUNCH_LEFT, IDC_LAUNCH_TOP_LABEL, IDC_LAUNCH_TOP, IDC_LAUNCH_WIDTH_LABEL,
                 IDC_LAUNCH_WIDTH, IDC_LAUNCH_HEIGHT_LABEL, IDC_LAUNCH_HEIGHT},
                placed);
}

void CPPagePropsCbtPlayingLaunch::TakeOwnFields(InfoCBTPlaying& live, const InfoCBTPlaying& copy)
{
    live.PlayAppFileName = copy.PlayAppFileName;
    live.PlayCmdLine = copy.PlayCmdLine;
    live.PlayWndLeft = copy.PlayWndLeft;
    live.PlayWndTop = copy.PlayWndTop;
    live.PlayWndWidth = copy.PlayWndWidth;
    live.PlayWndHeight = copy.PlayWndHeight;
    live.PlayDelayTime = copy.PlayDelayTime;
}
