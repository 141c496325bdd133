#include "capture/controller/CControllerSettings.h"

#include "capture/controller/CaptureType.h"
#include "capture/timing/CGlobalOptions.h"
#include "common/CRegistry.h"
#include "framework/AppMessageBox.h"

namespace
{
const wchar_t* const kCaptureTypeValue = L"CaptType";
const wchar_t* const kHotKeysValue = L"CBTHotKeys";

int ReadValue(CRegistry& key, const wchar_t* name)
{
    DWORD value = 0;
    CString error;
    if (!key.IsOpen() || !key.GetDWORD(name, &value, error))
        return 0;
    return static_cast<int>(value);
}
} // namespace

void CControllerSettings::Load()
{
    CRegistry key;
    CString error;
    key.Open(HKEY_CURRENT_USER, CGlobalOptions::kKey, true, error);
    m_captureType = ReadValue(key, kCaptureTypeValue);
    if (m_captureType < CT_SCREEN || m_captureType > CT_NONE)
        m_captureType = CT_SCREEN;
    for (int type = CT_TRAINING; type <= CT_MOVIE; ++type)
        m_recordMode[type - CT_TRAINING] = ReadValue(key, RecordModeValue(type)) != 0;
    m_hotKeys = ReadValue(key, kHotKeysValue);
    if (m_hotKeys < 0 || m_hotKeys > 2)
        m_hotKeys = 1;
}

bool CControllerSettings::IsRecActive(int type) const
{
    if (type == CT_SCREEN)
        return true;
    return RecordModeValue(type) && m_recordMode[type - CT_TRAINING];
}

void CControllerSettings::SetCaptureType(int type)
{
    m_captureType = type;
    Write(kCaptureTypeValue, type);
}

void CControllerSettings::SetRecActive(int type, bool record)
{
    const wchar_t* name = RecordModeValue(type);
    if (!name)
        return;
    m_recordMode[type - CT_TRAINING] = record;
    Write(name, record ? 1 : 0);
}

void CControllerSettings::SetCBTHotKeys(int index)
{
    m_hotKeys = index;
    Write(kHotKeysValue, index);
}

const wchar_t* CControllerSettings::RecordModeValue(int type)
{
    switch (type)
    {
    case CT_TRAINING:
        return L"CBTType";
    case CT_AUDIO:
        return L"AudioType";
    case CT_VIDEO:
        return L"VideoType";
    case CT_MOVIE:
        return L"PresType";
    default:
        return nullptr;
    }
}

void CControllerSettings::Write(const wchar_t* name, int value)
{
    CRegistry registry;
    CString error;
    if (!registry.WriteDWORD(HKEY_CURRENT_USER, CGlobalOptions::kKey, name, static_cast<DWORD>(value), true, error))
        AppMessageBox(CString(L"Cannot write data to the registry.") + error, MB_OK);
}
