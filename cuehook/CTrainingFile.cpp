#include "cuehook/CTrainingFile.h"

namespace
{
const wchar_t* const kVersion11 = L"Vellumor CBT Version 1.1";
const wchar_t* const kVersion10 = L"Vellumor CBT Version 1.0";
// Longer than any version text: a longer text is refused before it is read.
const DWORD kMaxVersionLength = 64;
const int kMaxErrorLength = 500;
const UINT kRecordSize = 24;

// Window handles carry 32 significant bits and are stored sign-extended.
LONGLONG HandleToFile(HWND window)
{
    return static_cast<LONG>(reinterpret_cast<LONG_PTR>(window));
}

HWND HandleFromFile(LONGLONG value)
{
    return reinterpret_cast<HWND>(static_cast<LONG_PTR>(static_cast<LONG>(value)));
}
} // namespace

const wchar_t* const CTrainingFile::kInvalidVersionText =
    L"Invalid Vellumor training file version. It appears that the selected file is not a Vellumor training "
    L"file or it was manually modified.";
const wchar_t* const CTrainingFile::kMemoryFailureText =
    L"Memory allocation failure when loading the Vellumor's training file.";

bool CTrainingFile::Write(CArchive& archive, const EVENTMSG* events, UINT count, bool sound)
{
    archive.WriteString(kVersion11);
    archive << static_cast<DWORD>(events[count - 1].time - events[0].time) << static_cast<DWORD>(count);
    for (UINT i = 0; i < count; ++i)
        WriteEvent(archive, events[i]);
    archive << static_cast<BYTE>(sound ? 1 : 0);
    return !archive.Failed();
}

void CTrainingFile::WriteEvent(CArchive& archive, const EVENTMSG& event)
{
    archive << HandleToFile(event.hwnd) << static_cast<DWORD>(event.message) << static_cast<DWORD>(event.paramH)
            << static_cast<DWORD>(event.paramL) << static_cast<DWORD>(event.time);
}

bool CTrainingFile::Read(CArchive& archive, CEventArray& events, UINT& count, bool& sound, CString& error)
{
    if (!ReadVersion(archive, error))
        return false;
    DWORD stored = 0;
    archive >> stored;
    // Every record and the sound flag must be in the file before room is made for them.
    if (archive.Failed() || !archive.Require(static_cast<ULONGLONG>(stored) * kRecordSize + 1))
        return ArchiveFailure(archive, error);
    // An empty training is never written; like a failed allocation it has nothing to play.
    if (stored == 0 || !events.Resize(stored, true))
    {
        error = kMemoryFailureText;
        return false;
    }
    for (UINT i = 0; i < stored; ++i)
        ReadEvent(archive, events[i]);
    BYTE soundFlag = 0;
    archive >> soundFlag;
    if (archive.Failed())
        return ArchiveFailure(archive, error);
    count = stored;
    sound = soundFlag != 0;
    return true;
}

bool CTrainingFile::ReadVersion(CArchive& archive, CString& error)
{
    CString version;
    if (!archive.ReadString(version, kMaxVersionLength))
    {
        if (archive.GetError() != CArchive::badString)
            return ArchiveFailure(archive, error);
        error = kInvalidVersionText;
        return false;
    }
    if (version == kVersion11)
    {
        DWORD duration = 0;
        archive >> duration;
        return !archive.Failed() || ArchiveFailure(archive, error);
    }
    if (version == kVersion10)
        return true;
    error = kInvalidVersionText;
    return false;
}

void CTrainingFile::ReadEvent(CArchive& archive, EVENTMSG& event)
{
    LONGLONG window = 0;
    DWORD message = 0, paramH = 0, paramL = 0, time = 0;
    archive >> window >> message >> paramH >> paramL >> time;
    event.hwnd = HandleFromFile(window);
    event.message = message;
    event.paramH = paramH;
    event.paramL = paramL;
    event.time = time;
}

bool CTrainingFile::ArchiveFailure(const CArchive& archive, CString& error)
{
    error = archive.GetErrorText().Left(kMaxErrorLength);
    return false;
}
