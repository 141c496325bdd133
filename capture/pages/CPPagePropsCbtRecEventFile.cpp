#include "capture/pages/CPPagePropsCbtRecEventFile.h"

#include "capture/pages/MediaPagesIds.h"

namespace
{
const CPPagePropsCaptureBase::DurationItems kDuration = {IDC_CBT_REC_HOURS, IDC_CBT_REC_MINUTES, IDC_CBT_REC_SECONDS};
}

CPPagePropsCbtRecEventFile::CPPagePropsCbtRecEventFile()
    : CPPagePropsCaptureRecord(IDD_PROPS_CBT_REC_FILE, SP_CBT_RECORDING, 0, 2, false)
{
}

void CPPagePropsCbtRecEventFile::InitControls()
{
    BindPath(m_name, IDC_CBT_REC_NAME, 256);
    BindPath(m_path, IDC_CBT_REC_PATH, 260);
    BindDuration(m_duration, kDuration);
}

void CPPagePropsCbtRecEventFile::RecordToControls()
{
    SetText(IDC_CBT_REC_NAME, Copy().RecFName);
    SetText(IDC_CBT_REC_PATH, Copy().RecPath);
    ShowDuration(kDuration, Copy().RecDuration);
    SetCheck(IDC_CBT_REC_OVERWRITE, Copy().RecOverwrite);
    SetCheck(IDC_CBT_REC_SKIP_MOUSE, Copy().RecSkipMouse);
    SetCheck(IDC_CBT_REC_SKIP_KEYBOARD, Copy().RecSkipKeyboard);
}

void CPPagePropsCbtRecEventFile::ReadControls()
{
    Copy().RecFName = GetText(IDC_CBT_REC_NAME);
    Copy().RecPath = GetText(IDC_CBT_REC_PATH);
    Copy().RecDuration = ReadDuration(kDuration);
    Copy().RecOverwrite = GetCheck(IDC_CBT_REC_OVERWRITE);
    Copy().RecSkipMouse = GetCheck(IDC_CBT_REC_SKIP_MOUSE);
    Copy().RecSkipKeyboard = GetCheck(IDC_CBT_REC_SKIP_KEYBOARD);
}

bool CPPagePropsCbtRecEventFile::Check()
{
    return CheckNameAndFolder(Copy().RecFName, IDC_CBT_REC_NAME, Copy().RecPath, IDC_CBT_REC_PATH);
}

bool CPPagePropsCbtRecEventFile::OnCommand(UINT code, UINT id, HWND control)
{
    if (code != BN_CLICKED)
        return CPPagePropsCaptureRecord::OnCommand(code, id, control);
    switch (id)
    {
    case IDC_CBT_REC_BROWSE:
        BrowseFolderInto(IDC_CBT_REC_PATH, L"Select the Vellumor's training file path:");
        return true;
    case IDC_CBT_REC_OVERWRITE:
        Copy().RecOverwrite = GetCheck(id);
        return true;
    case IDC_CBT_REC_SKIP_MOUSE:
        Copy().RecSkipMouse = GetCheck(id);
        return true;
    case IDC_CBT_REC_SKIP_KEYBOARD:
        Copy().RecSkipKeyboard = GetCheck(id);
        return true;
    default:
        return CPPagePropsCaptureRecord::OnCommand(code, id, control);
    }
}

void CPPagePropsCbtRecEventFile::TakeOwnFields(InfoCBTRecording& live, const InfoCBTRecording& copy)
{
    live.RecFName = copy.RecFName;
    live.RecPath = copy.RecPath;
    live.RecOverwrite = copy.RecOverwrite;
    live.RecSkipMouse = copy.RecSkipMouse;
    live.RecSkipKeyboard = copy.RecSkipKeyboard;
    live.RecDuration = copy.RecDuration;
}
