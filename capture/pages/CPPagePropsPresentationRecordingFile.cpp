#include "capture/pages/CPPagePropsPresentationRecordingFile.h"

#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/MediaPagesIds.h"

CPPagePropsPresentationRecordingFile::CPPagePropsPresentationRecordingFile()
    : CPPagePropsCaptureRecord(IDD_PROPS_MOVIE_REC_FILE, SP_PRESENTATION_RECORDING, 0, 2, true)
{
}

void CPPagePropsPresentationRecordingFile::InitControls()
{
    BindPath(m_name, IDC_MOVIE_REC_NAME, 256);
    BindPath(m_path, IDC_MOVIE_REC_PATH, 260);
    FillVideoFileTypeCombo(GetDlgItem(IDC_MOVIE_REC_TYPE), Copy().RecFileType, false);
}

void CPPagePropsPresentationRecordingFile::RecordToControls()
{
    SetText(IDC_MOVIE_REC_NAME, Copy().RecFName);
    SetText(IDC_MOVIE_REC_PATH, Copy().RecPath);
    SetComboIndex(IDC_MOVIE_REC_TYPE, Copy().RecFileType);
    SetCheck(IDC_MOVIE_REC_OVERWRITE, Copy().RecOverwrite);
}

void CPPagePropsPresentationRecordingFile::ReadControls()
{
    Copy().RecFName = GetText(IDC_MOVIE_REC_NAME);
    Copy().RecPath = GetText(IDC_MOVIE_REC_PATH);
    Copy().RecFileType = static_cast<EnumPresentationFileType>(GetComboIndex(IDC_MOVIE_REC_TYPE));
    Copy().RecOverwrite = GetCheck(IDC_MOVIE_REC_OVERWRITE);
}

bool CPPagePropsPresentationRecordingFile::Check()
{
    return CheckNameAndFolder(Copy().RecFName, IDC_MOVIE_REC_NAME, Copy().RecPath, IDC_MOVIE_REC_PATH);
}

bool CPPagePropsPresentationRecordingFile::OnCommand(UINT code, UINT id, HWND control)
{
    if (code != BN_CLICKED)
        return CPPagePropsCaptureRecord::OnCommand(code, id, control);
    if (id == IDC_MOVIE_REC_BROWSE)
        BrowseFolderInto(IDC_MOVIE_REC_PATH, L"Select the movie file path:");
    else if (id == IDC_MOVIE_REC_OVERWRITE)
        Copy().RecOverwrite = GetCheck(IDC_MOVIE_REC_OVERWRITE);
    else
        return CPPagePropsCaptureRecord::OnCommand(code, id, control);
    return true;
}

void CPPagePropsPresentationRecordingFile::TakeOwnFields(InfoPresentationRecording& live,
                                                         const InfoPresentationRecording& copy)
{
    live.RecFName = copy.RecFName;
    live.RecPath = copy.RecPath;
    live.RecFileType = copy.RecFileType;
    live.RecOverwrite = copy.RecOverwrite;
}
