#pragma once
// CPPagePropsCaptureRecord<R>: a property page that edits the settings record R of a
// training, audio, video or movie type (18..25). The page copy is made from the live
// record of the host's capture manager, which the page asks again at every use; Apply
// gives the page's own fields to the live record and saves the copy with the page's
// registry part, SetDisplayFlag writes the show-dialog flag alone (part 1).
#include "Info/InfoAudioPlaying.h"
#include "Info/InfoAudioRecording.h"
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoCBTRecording.h"
#include "Info/InfoPresentationPlaying.h"
#include "Info/InfoPresentationRecording.h"
#include "Info/InfoVideoPlaying.h"
#include "Info/InfoVideoRecording.h"
#include "capture/pages/CPPagePropsCaptureBase.h"
#include "capture/pages/ICapturePageHost.h"

#include <memory>

// The show-dialog flag of each record.
inline bool& ShowDialogFlag(InfoCBTRecording& record) { return record.RecShowDlg; }
inline bool& ShowDialogFlag(InfoCBTPlaying& record) { return record.PlayShowDlg; }
inline bool& ShowDialogFlag(InfoAudioRecording& record) { return record.RecShowDlg; }
inline bool& ShowDialogFlag(InfoAudioPlaying& record) { return record.PlayShowDlg; }
inline bool& ShowDialogFlag(InfoVideoRecording& record) { return record.RecShowDlg; }
inline bool& ShowDialogFlag(InfoVideoPlaying& record) { return record.PlayShowDlg; }
inline bool& ShowDialogFlag(InfoPresentationRecording& record) { return record.RecShowDlg; }

template <class R> class CPPagePropsCaptureRecord : public CPPagePropsCaptureBase
{
public:
    // part: the registry part of the page's fields (0: a one-page record, all of it).
    // readOnApply: Apply reads the controls first (otherwise it applies the copy as the
    // last IsModified or Validate left it).
    CPPagePropsCaptureRecord(UINT templateId, EnumSendParam type, int pageIndex, unsigned int part, bool waitCursor,
                             bool readOnApply = true)
        : CPPagePropsCaptureBase(templateId, type, pageIndex, waitCursor), m_part(part), m_readOnApply(readOnApply)
    {
        // Without a live record (no manager) the page shows the record's defaults.
        R* live = Live();
        m_copy = live ? std::make_unique<R>(*live) : std::make_unique<R>();
    }

    bool IsModified() override
    {
        ControlsToRecord();
        R* live = Live();
        return live && !(*live == *m_copy);
    }
    bool Validate() override
    {
        ControlsToRecord();
        return CheckNumberRanges() && Check();
    }
    bool Apply() override
    {
        if (m_readOnApply)
            ControlsToRecord();
        if (R* live = Live())
            TakeOwnFields(*live, *m_copy);
        return m_copy->SaveToRegistry(m_part);
    }
    bool Reset(bool reload) override
    {
        if (R* live = Live())
            *m_copy = *live;
        if (reload && GetSafeHwnd())
            RecordToControls();
        return true;
    }
    bool SetDisplayFlag(bool show) override
    {
        ShowDialogFlag(*m_copy) = show;
        if (R* live = Live())
            ShowDialogFlag(*live) = show;
        return m_copy->SaveToRegistry(1);
    }
    SendParam* GetRecord() override
    {
        ControlsToRecord();
        return m_copy.get();
    }

protected:
    R& Copy() { return *m_copy; }
    // The page's own fields from the copy into the live record; a one-page record takes
    // the whole copy.
    virtual void TakeOwnFields(R& live, const R& copy) { live = copy; }

private:
    R* Live() const { return static_cast<R*>(GetLiveCaptureRecord(GetRecordType())); }

    std::unique_ptr<R> m_copy;
    unsigned int m_part;
    bool m_readOnApply;
};
