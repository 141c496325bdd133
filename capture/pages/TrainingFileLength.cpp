#include "capture/pages/TrainingFileLength.h"

#include "framework/CArchive.h"

#include <cwchar>

namespace
{
// Longer than any version text, short enough that a damaged length allocates nothing big.
const DWORD kMaxVersionText = 256;
const double kFirstVersionWithLength = 1.1;
} // namespace

long GetTrainingFileLength(const CString& path)
{
    CFile file;
    CString error;
    if (!file.Open(path, CFile::modeRead, error))
        return -1;
    CArchive archive(file, CArchive::load, 4096);
    CString version;
    if (!archive.ReadString(version, kMaxVersionText))
        return -1;
    const int blank = version.ReverseFind(L' ');
    if (blank < 0 || wcstod(version.Mid(blank + 1), nullptr) < kFirstVersionWithLength)
        return -1;
    DWORD milliseconds = 0;
    archive >> milliseconds;
    return archive.Failed() ? -1 : static_cast<long>(milliseconds / 1000);
}
