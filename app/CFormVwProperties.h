#pragma once
// CFormVwProperties: the lower view of the main window's splitter: the property sheet of
// the selected record type under a header (the type's icon and name), with Save and Revert
// (enabled while the sheet holds edits, checked every 100 ms by timer 6905) and the check
// box that shows the record's dialog when a capture starts. Leaving a type with unsaved
// edits asks whether to save them. Without a sheet the frame says that the property pages
// are not available yet.
#include "app/ICapturePropertiesSheet.h"
#include "framework/CFormView.h"

#include <functional>
#include <memory>

class CFormVwProperties : public CFormView
{
public:
    static const UINT_PTR kModifiedTimer = 6905;
    static const UINT kModifiedPeriodMs = 100;
    static const int kNoType = 28;
    // Whether the live record of the type shows its dialog when a capture starts.
    using DisplayFlagReader = std::function<bool(EnumSendParam type)>;

    CFormVwProperties(std::unique_ptr<ICapturePropertiesSheet> sheet, DisplayFlagReader displayFlag);
    ~CFormVwProperties() override;

    void OnInitialUpdate() override;
    // Shows the pages of the type under its name; false when the user cancelled leaving
    // the edited pages of the current type (which then stay).
    bool ShowRecordType(EnumSendParam type, const CString& name, int pageHint, bool force);
    int GetRecordType() const { return m_recordType; }
    ICapturePropertiesSheet* GetSheet() const { return m_sheet.get(); }

    // Save: validates, then applies every page. Revert: reloads them from the records.
    void OnSave();
    void OnRevert();
    // Save and Revert follow the sheet's modified state.
    void OnModifiedTimer();

protected:
    bool OnCommand(UINT code, UINT id, HWND control) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void EnableSaveRevert(bool enable);
    // Asks about unsaved edits; false when the user cancelled.
    bool LeaveModifiedPages();
    void ShowHeader(EnumSendParam type, const CString& name);

    std::unique_ptr<ICapturePropertiesSheet> m_sheet;
    DisplayFlagReader m_displayFlag;
    int m_recordType = kNoType;
    HICON m_icon = nullptr;
};
