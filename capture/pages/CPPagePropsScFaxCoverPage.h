#pragma once
// CPPagePropsScFaxCoverPage: the fax destination's cover page: whether a cover page is sent, its file, the subject and the note.
#include "capture/pages/CPPagePropsScBase.h"

class CPPagePropsScFaxCoverPage : public CPPagePropsScBase
{
public:
    CPPagePropsScFaxCoverPage();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;

private:
    void UpdateEnabling();
};
