#include "VellWizSchTask/CWizTaskRecordingPage.h"

#include "VellWizSchTask/WizardChecks.h"
#include "framework/AppMessageBox.h"
#include "framework/CWaitCursor.h"

CWizTaskRecordingPage::CWizTaskRecordingPage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId, UINT subtitleId,
                                             const CAudioInputLists::Items& items, const AudioFields& fields)
    : CWizTaskPage(sheet, templateId, titleId, subtitleId), m_items(items), m_fields(fields), m_lists(items)
{
}

CWizTaskRecordingPage::~CWizTaskRecordingPage()
{
    m_lists.Release();
}

BOOL CWizTaskRecordingPage::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    const CWaitCursor wait;
    TellFailure(m_lists.Fill(GetSafeHwnd(), m_fields.device, m_fields.format, m_fields.pin));
    return TRUE;
}

bool CWizTaskRecordingPage::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == m_items.device && code == CBN_SELCHANGE)
    {
        const CWaitCursor wait;
        TellFailure(m_lists.OnDeviceChanged());
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}

LRESULT CWizTaskRecordingPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        m_lists.Release();
    return CWizTaskPage::WindowProc(message, wParam, lParam);
}

void CWizTaskRecordingPage::TellFailure(const CString& failure) const
{
    if (!failure.IsEmpty())
        AppMessageBox(failure, MB_OK, GetSheetWindow());
}

bool CWizTaskRecordingPage::TakeAudioInput(bool deviceAndFormat)
{
    if (deviceAndFormat)
    {
        m_fields.device = m_lists.Device();
        m_fields.format = m_lists.Format();
    }
    m_fields.pin = m_lists.Pin();
    CString message;
    switch (CheckAudioInput(m_fields.device, m_fields.format, m_fields.pin, deviceAndFormat, message))
    {
    case AudioInputLack::Device:
        return Refuse(message, m_items.device);
    case AudioInputLack::Format:
        return Refuse(message, m_items.format);
    case AudioInputLack::Pin:
        return Refuse(message, m_items.pin);
    default:
        return true;
    }
}
