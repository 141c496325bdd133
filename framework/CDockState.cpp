#include "framework/CDockState.h"

#include "framework/AppProfile.h"
#include "framework/CFrameWnd.h"

namespace
{
CString SummarySection(const wchar_t* profileName)
{
    return CString(profileName) + L"-Summary";
}

CString BarEntry(size_t index)
{
    CString entry;
    entry.Format(L"Bar#%d", static_cast<int>(index));
    return entry;
}

bool Known(const CFrameWnd& frame, UINT id)
{
    return frame.GetControlBar(id % CControlBarInfo::kFloatingDockBarFlag) != nullptr;
}
} // namespace

CString CDockState::SectionName(const wchar_t* profileName, int index)
{
    CString section;
    section.Format(L"%s-Bar%d", profileName, index);
    return section;
}

bool CControlBarInfo::LoadState(const wchar_t* profileName, int index)
{
    CString section = CDockState::SectionName(profileName, index);
    m_nBarID = static_cast<UINT>(AppGetProfileInt(section, L"BarID", 0));
    if (m_nBarID == 0)
        return false;
    m_bVisible = AppGetProfileInt(section, L"Visible", 1) != 0;
    m_bHorz = AppGetProfileInt(section, L"Horz", 1) != 0;
    m_bFloating = AppGetProfileInt(section, L"Floating", 0) != 0;
    m_pointPos = {AppGetProfileInt(section, L"XPos", 0), AppGetProfileInt(section, L"YPos", 0)};
    m_uMRUDockID = static_cast<UINT>(AppGetProfileInt(section, L"MRUDockID", 0));
    m_ptMRUFloatPos = {AppGetProfileInt(section, L"MRUFloatX", 0), AppGetProfileInt(section, L"MRUFloatY", 0)};
    int count = AppGetProfileInt(section, L"Bars", 0);
    m_arrBarID.clear();
    for (int i = 0; i < count; ++i)
        m_arrBarID.push_back(static_cast<UINT>(AppGetProfileInt(section, BarEntry(static_cast<size_t>(i)), 0)));
    return true;
}

void CControlBarInfo::SaveState(const wchar_t* profileName, int index) const
{
    CString section = CDockState::SectionName(profileName, index);
    AppWriteProfileString(section, nullptr, nullptr); // no entry of an earlier record stays
    AppWriteProfileInt(section, L"BarID", static_cast<int>(m_nBarID));
    AppWriteProfileInt(section, L"Visible", m_bVisible ? 1 : 0);
    AppWriteProfileInt(section, L"Horz", m_bHorz ? 1 : 0);
    AppWriteProfileInt(section, L"Floating", m_bFloating ? 1 : 0);
    AppWriteProfileInt(section, L"XPos", m_pointPos.x);
    AppWriteProfileInt(section, L"YPos", m_pointPos.y);
    AppWriteProfileInt(section, L"MRUDockID", static_cast<int>(m_uMRUDockID));
    AppWriteProfileInt(section, L"MRUFloatX", m_ptMRUFloatPos.x);
    AppWriteProfileInt(section, L"MRUFloatY", m_ptMRUFloatPos.y);
    AppWriteProfileInt(section, L"Bars", static_cast<int>(m_arrBarID.size()));
    for (size_t i = 0; i < m_arrBarID.size(); ++i)
        AppWriteProfileInt(section, BarEntry(i), static_cast<int>(m_arrBarID[i]));
}

void CDockState::LoadState(const wchar_t* profileName)
{
    m_arrBarInfo.clear();
    int count = AppGetProfileInt(SummarySection(profileName), L"Bars", 0);
    for (int i = 0; i < count; ++i)
    {
        CControlBarInfo info;
        if (info.LoadState(profileName, i))
            m_arrBarInfo.push_back(info);
    }
}

void CDockState::SaveState(const wchar_t* profileName) const
{
    CString summary = SummarySection(profileName);
    int before = AppGetProfileInt(summary, L"Bars", 0);
    for (size_t i = 0; i < m_arrBarInfo.size(); ++i)
        m_arrBarInfo[i].SaveState(profileName, static_cast<int>(i));
    for (int i = static_cast<int>(m_arrBarInfo.size()); i < before; ++i)
        AppWriteProfileString(SectionName(profileName, i), nullptr, nullptr);
    AppWriteProfileInt(summary, L"Bars", static_cast<int>(m_arrBarInfo.size()));
}

bool CDockState::FitsFrame(const CFrameWnd& frame) const
{
    for (const CControlBarInfo& info : m_arrBarInfo)
    {
        for (UINT id : info.m_arrBarID)
            if (id != 0 && !Known(frame, id))
                return false;
        if (!info.m_bFloating && !Known(frame, info.m_nBarID))
            return false;
    }
    return true;
}
