#include "capture/pages/CPPagePropsScBase.h"

#include "capture/pages/ICapturePageHost.h"
#include "capture/selection/CScreenCaptureManagerBase.h"

CPPagePropsScBase::CPPagePropsScBase(UINT templateId, EnumSendParam type, int pageIndex, unsigned int part,
                                     bool readOnApply)
    : CPPagePropsBase(templateId, type, pageIndex), m_ops(GetDestinationRecordOps(type)), m_part(part),
      m_readOnApply(readOnApply)
{
    // Without a live record (no manager yet) the page shows the record's defaults.
    SendParam* live = GetLiveDestinationRecord(type);
    m_copy.reset(live ? m_ops->clone(*live) : m_ops->create());
}

CPPagePropsScBase::~CPPagePropsScBase() = default;

BOOL CPPagePropsScBase::OnInitDialog()
{
    CPPagePropsBase::OnInitDialog();
    InitControls();
    RecordToControls();
    return TRUE;
}

void CPPagePropsScBase::ControlsToRecord()
{
    if (GetSafeHwnd())
        ReadControls();
}

bool CPPagePropsScBase::IsModified()
{
    ControlsToRecord();
    SendParam* live = GetLiveDestinationRecord(GetRecordType());
    if (!live)
        return false;
    std::unique_ptr<SendParam> shown(m_ops->clone(*live));
    ToShownValues(*shown);
    return !m_ops->equals(*shown, *m_copy);
}

bool CPPagePropsScBase::Validate()
{
    ControlsToRecord();
    return CheckNumberRanges() && Check();
}

bool CPPagePropsScBase::Apply()
{
    if (m_readOnApply)
        ControlsToRecord();
    ICapturePageHost* host = GetCapturePageHost();
    CScreenCaptureManagerBase* manager = host ? host->GetScreenCaptureManager() : nullptr;
    if (manager)
        manager->SetRecord(m_copy.get(), GetRecordType(), m_part);
    return m_copy->SaveToRegistry(m_part);
}

bool CPPagePropsScBase::Reset(bool reload)
{
    if (SendParam* live = GetLiveDestinationRecord(GetRecordType()))
        m_ops->assign(*m_copy, *live);
    if (reload && GetSafeHwnd())
        RecordToControls();
    return true;
}

bool CPPagePropsScBase::SetDisplayFlag(bool show)
{
    m_ops->setDisplayFlag(*m_copy, show);
    ICapturePageHost* host = GetCapturePageHost();
    if (CScreenCaptureManagerBase* manager = host ? host->GetScreenCaptureManager() : nullptr)
        manager->SetRecord(m_copy.get(), GetRecordType(), 1);
    return m_copy->SaveToRegistry(1);
}

SendParam* CPPagePropsScBase::GetRecord()
{
    ControlsToRecord();
    return m_copy.get();
}
