#pragma once
// CWizTaskRecordingPage: a wizard page that records with an audio input: the capture
// device, its input pin and the capture format, listed from the capture engine's device
// services under the wait cursor. A failing service's text is told in a plain box;
// choosing another device lists its pins again; the lists' objects are released when the
// page's window or the page goes.
#include "VellWizSchTask/CWizTaskPage.h"
#include "capture/pages/CAudioInputLists.h"

class CWizTaskRecordingPage : public CWizTaskPage
{
public:
    // The audio input's record fields.
    struct AudioFields
    {
        CString& device;
        CString& format;
        CString& pin;
    };

    CWizTaskRecordingPage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId, UINT subtitleId,
                          const CAudioInputLists::Items& items, const AudioFields& fields);
    // A page whose window outlives it (its sheet still open) releases the lists too.
    ~CWizTaskRecordingPage() override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Takes the selected input into the record: the device and format are required when
    // deviceAndFormat, the pin in any case.
    bool TakeAudioInput(bool deviceAndFormat);
    // Enables or disables the three lists and their labels.
    void EnableAudioInput(bool enable) { m_lists.Enable(enable); }

private:
    // Tells the user the text of a failed list; nothing for an empty text.
    void TellFailure(const CString& failure) const;

    CAudioInputLists::Items m_items;
    AudioFields m_fields;
    CAudioInputLists m_lists;
};
