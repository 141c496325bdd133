#pragma once
// CWizTaskImageFilePage: a wizard page that edits where an image file goes: its name,
// image type, folder and whether an existing file is overwritten, in the fields of a
// record the derived page owns. Next checks the name and the folder (offering to create
// a missing one).
#include "Info/InfoEnums.h"
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskImageFilePage : public CWizTaskPage
{
public:
    // The page's controls.
    struct Items
    {
        UINT name, type, folder, browse, overwrite;
    };
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
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;

private:
    Items m_items;
    Fields m_fields;
};
