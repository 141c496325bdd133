#include "capture/timing/CGlobalOptions.h"

#include "common/CRegistry.h"
#include "framework/AppMessageBox.h"

const wchar_t* const CGlobalOptions::kKey = L"Software\\Talvono Software\\Talvono Vellumor\\Common";

namespace
{
const wchar_t* const kErrorLogValue = L"OptsOwErrLog";
const wchar_t* const kDataValue = L"OptsOwData";
const wchar_t* const kMaxLinesValue = L"OptsOwMaxLines";

void ReadFlag(CRegistry& key, const wchar_t* name, bool& flag)
{
    DWORD value = 0;
    CString error;
    if (key.GetDWORD(name, &value, error))
        flag = value != 0;
}

// openError: the text of a failed open of the key, told for each value.
bool Write(CRegistry& key, const wchar_t* name, DWORD value, const CString& openError)
{
    CString error = openError;
    if (key.IsOpen() && key.SetDWORD(name, value, error))
        return true;
    AppMessageBox(CString(L"Cannot write data to the registry.") + error, MB_OK);
    return false;
}
} // namespace

void CGlobalOptions::LoadFromRegistry()
{
    CRegistry key;
    CString error;
    if (!key.Open(HKEY_CURRENT_USER, kKey, true, error))
        return;
    ReadFlag(key, kErrorLogValue, m_showErrorLog);
    ReadFlag(key, kDataValue, m_showData);
    DWORD maxLines = 0;
    if (key.GetDWORD(kMaxLinesValue, &maxLines, error))
        m_maxLines = maxLines;
}

bool CGlobalOptions::SetOptions(bool showErrorLog, bool showData, DWORD maxLines)
{
    m_showErrorLog = showErrorLog;
    m_showData = showData;
    m_maxLines = maxLines;
    CRegistry key;
    CString error;
    key.Open(HKEY_CURRENT_USER, kKey, true, error);
    bool written = Write(key, kErrorLogValue, showErrorLog ? 1 : 0, error);
    written = Write(key, kDataValue, showData ? 1 : 0, error) && written;
    return Write(key, kMaxLinesValue, maxLines, error) && written;
}
