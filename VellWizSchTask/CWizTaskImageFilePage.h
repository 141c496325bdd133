#pragma once
// CWizTaskImageFilePage: a wizard page that edits where an image file goes: its name,
// image type, folder and whether an existing file is overwritten, in the fields of a
// record the derived page owns. Next checks the name and the folder (offering to create
// a missing one).
#include "Info/InfoEnums.h"
#include "VellWizSchTask/CWizTaskFilePage.h"

class CWizTaskImageFilePage : public CWizTaskFilePage
{
public:
    // The record's fields the page edits.
    struct Fields
    {
        CString& name;
        CString& folder;
        EnumFileType& type;
        bool& overwrite;
    };

    CWizTaskImageFilePage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId, UINT subtitleId,
                          const Items& items, const Fields& fields);

protected:
    void FillFileTypes(HWND combo) const override;
    void TakeFileType(int index) override;
    bool CheckFolder(const CString& folder) override;

private:
    EnumFileType& m_type;
};
