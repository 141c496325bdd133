#pragma once
// CFormVwSettings: the upper view of the main window's splitter: the settings sheet of the
// selected record type, placed over the frame control of its dialog. Its pages store every
// change at once, so switching types asks nothing. Without a sheet the frame says that the
// settings pages are not available yet.
#include "app/ICaptureSettingsSheet.h"
#include "framework/CFormView.h"

#include <memory>

class CFormVwSettings : public CFormView
{
public:
    // The record type of a view that shows none yet.
    static const int kNoType = 28;

    explicit CFormVwSettings(std::unique_ptr<ICaptureSettingsSheet> sheet);
    ~CFormVwSettings() override;

    void OnInitialUpdate() override;
    // Unless forced, the type shown already stays as it is; true.
    bool ShowRecordType(int recordType, int pageHint, bool force);
    void UpdateTimePage(int captureType, bool running);
    void ResetTimePage(int captureType);
    int GetRecordType() const { return m_recordType; }
    ICaptureSettingsSheet* GetSheet() const { return m_sheet.get(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::unique_ptr<ICaptureSettingsSheet> m_sheet;
    int m_recordType = kNoType;
};
