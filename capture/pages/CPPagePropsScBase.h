#pragma once
// CPPagePropsScBase: a property page of a screen-capture destination record (types 7 to
// 17). Its page copy is made from the live record of the host's screen-capture manager,
// which it asks again at every use; Apply gives the copy's part of the record to the
// manager (SetRecord) and saves that part, SetDisplayFlag does the same with part 1.
//
// A derived page shows the copy (RecordToControls), reads the controls back into it
// (ControlsToRecord, only while the page has a window) and checks it (Check).
#include "capture/pages/CPPagePropsBase.h"
#include "capture/pages/DestinationRecordOps.h"

#include <memory>

class CPPagePropsScBase : public CPPagePropsBase
{
public:
    // type: a destination type (7..17). part: the registry part of the page's fields; readOnApply: Apply reads the
    // controls first (otherwise it applies the copy as the last IsModified or Validate
    // left it).
    CPPagePropsScBase(UINT templateId, EnumSendParam type, int pageIndex, unsigned int part, bool readOnApply);
    ~CPPagePropsScBase() override;

    bool IsModified() override;
    bool Validate() override;
    bool Apply() override;
    bool Reset(bool reload) override;
    bool SetDisplayFlag(bool show) override;
    SendParam* GetRecord() override;

protected:
    BOOL OnInitDialog() override;
    // Limits and fills the controls once the page has its window.
    virtual void InitControls() {}
    virtual void RecordToControls() = 0;
    virtual void ReadControls() = 0;
    // The page's checks, in order; the copy holds the controls' values.
    virtual bool Check() { return true; }
    // Gives the live record the values the page's controls show of it: a stored value the
    // page shows otherwise (outside the page's range) is no change of the user's.
    virtual void ToShownValues(SendParam&) const {}
    // Reads the controls into the copy when the page has a window.
    void ControlsToRecord();

    SendParam& Copy() { return *m_copy; }
    template <class R> R& CopyAs() { return static_cast<R&>(*m_copy); }
    const DestinationRecordOps& Ops() const { return *m_ops; }

private:
    const DestinationRecordOps* m_ops;
    std::unique_ptr<SendParam> m_copy;
    unsigned int m_part;
    bool m_readOnApply;
};
