#include "runjobs/CJobRegistryRecordingManager.h"

#include "capture/destinations/CaptureTables.h"
#include "common/PathHelpers.h"

namespace
{
const int kRegistryFileType = 0;
}

bool CJobRegistryRecordingManager::StopRecording()
{
    m_state = kStopped;
    return false;
}

bool CJobRegistryRecordingManager::PauseRecording()
{
    m_state = kPaused;
    if (m_timer)
        m_timer->Pause();
    return false;
}

bool CJobRegistryRecordingManager::ResumeRecording()
{
    m_state = kRecording;
    if (m_timer)
        m_timer->Resume();
    return false;
}

int CJobRegistryRecordingManager::RollBack()
{
    m_rollbackState = 0;
    return 1;
}

void CJobRegistryRecordingManager::StartStopTimer(UINT seconds)
{
    CloseTimer();
    m_timer.reset(new CWndTimer(this));
    m_timer->Start(seconds);
}

void CJobRegistryRecordingManager::CloseTimer()
{
    if (m_timer)
        m_timer->Stop();
    m_timer.reset();
}

bool CJobRegistryRecordingManager::PrepareOutputFile(const InfoRegistryRecording& record, CString& path,
                                                     CString& error)
{
    CString file = record.GetFullPathFileName();
    if (FileExists(file) && !record.RecOverwrite)
    {
        CString name, extension, folder;
        SplitPath(file, name, extension, folder);
        file = MakeUniqueFileName(folder, record.RecFName, kRegistryFileType, OFK_REGISTRY);
    }
    // An unattended job asks nobody: a missing folder is created, and a folder that cannot
    // be created fails the preparation.
    if (!CreateDirectoryPath(file, error))
        return false;
    path = file;
    return true;
}

void CJobRegistryRecordingManager::StopStep()
{
    if (IsRecording() || IsRecordingPaused())
        StopRecording();
}
