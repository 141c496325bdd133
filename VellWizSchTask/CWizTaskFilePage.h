#pragma once
// CWizTaskFilePage: a wizard page that names the file a capture writes: its name, its
// type, its folder and whether an existing file is overwritten, in the fields of a
// record the derived page holds. Next checks the name and then the folder; by default a
// missing folder is made, one level.
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskFilePage : public CWizTaskPage
{
public:
    // The page's controls.
    struct Items
    {
        UINT name, type, folder, browse, overwrite;
    };
    // The record's fields the page edits, but for the type.
    struct Fields
    {
        CString& name;
        CString& folder;
        bool& overwrite;
    };

    // browseTitle: the folder picker's title.
    CWizTaskFilePage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId, UINT subtitleId, const Items& items,
                     const Fields& fields, const wchar_t* browseTitle);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;

    // Fills the type list and selects the record's type.
    virtual void FillFileTypes(HWND combo) const = 0;
    // Takes the type chosen in the list when Next is pressed; a record that keeps its
    // own type ignores it.
    virtual void TakeFileType(int index);
    // Whether the folder may be used, else tells the user why.
    virtual bool CheckFolder(const CString& folder);

    const Items m_items;

private:
    Fields m_fields;
    const wchar_t* m_browseTitle;
};
