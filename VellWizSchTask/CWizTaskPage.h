#pragma once
// CWizTaskPage: a page of the scheduled-task wizard. Its Wizard97 header comes from the
// string table; Next runs the page's check and, when it passes, goes where the sheet's
// way leads from this page; Back goes to the page before it on that way.
#include "framework/CPropertyPage.h"
#include "framework/CString.h"

class CWizTaskPropSheet;

class CWizTaskPage : public CPropertyPage
{
public:
    // titleId 0: the page shows no header.
    CWizTaskPage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId, UINT subtitleId);

protected:
    // Shows Back and Next.
    bool OnSetActive() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;
    // The page's check, storing what it takes into its values: false keeps the page (the
    // check has told the user why).
    virtual bool CheckNext();

    // Control helpers of the page's dialog.
    CString GetItemText(UINT id) const;
    void SetItemText(UINT id, const CString& text) const;
    bool IsItemChecked(UINT id) const;
    void CheckItem(UINT id, bool checked) const;
    void EnableItem(UINT id, bool enabled) const;
    // The decimal value of an edit's text; 0 for an empty or unreadable text.
    int GetItemInt(UINT id) const;
    // Shows value as decimal text.
    void SetItemInt(UINT id, int value) const;
    // An open-file dialog on the filter ("Files (*.x)|*.x||") that puts the chosen file
    // into the edit id.
    void BrowseForFile(UINT id, const wchar_t* filter) const;
    // Tells the user text (MB_OK with icon), then puts the focus in the control id (0:
    // none); returns false for a check to give back.
    bool Refuse(const CString& text, UINT focusId, UINT icon = MB_ICONEXCLAMATION) const;

    // Helpers of the pages that record into a file.
    // The folder picker under title, starting from and putting its choice into the edit id.
    void BrowseFolderInto(UINT id, const wchar_t* title) const;
    // Shows a recording's file name and folder in their edits, limited to 256 and 260
    // characters.
    void ShowRecordingFile(UINT nameId, const CString& name, UINT folderId, const CString& folder) const;
    // Takes the file name and folder of the edits: the name must be a valid file name; a
    // missing folder is made (one level), its failure told with the system's text.
    bool TakeRecordingFile(UINT nameId, CString& name, UINT folderId, CString& folder) const;
    // The two halves of that: the name of the edit, refused unless a valid file name; the
    // folder made when missing (one level).
    bool TakeFileName(UINT nameId, CString& name) const;
    bool MakeFolder(UINT folderId, const CString& folder) const;
    // Takes the duration of the three edits; 0 is refused with the focus on the seconds.
    bool TakeRequiredDuration(UINT hoursId, UINT minutesId, UINT secondsId, int& duration) const;

    CWizTaskPropSheet& m_sheet;
};
