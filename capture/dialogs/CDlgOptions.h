#pragma once
// CDlgOptions: the output window's options: whether error-log entries and the current
// operation's data are shown, and the most lines it keeps (1 to 10000). It edits the
// options object it is given (the running program's), so OK changes what the program
// uses at once. OK refuses a number outside that range with the number edit's range
// message and stores the rest.
#include "capture/timing/CGlobalOptions.h"
#include "framework/CDialog.h"
#include "framework/CNumberEdit.h"

class CDlgOptions : public CDialog
{
public:
    static constexpr int kMinLines = 1;
    static constexpr int kMaxLines = 10000;

    // Reloads the given options from the registry; they must outlive the dialog.
    explicit CDlgOptions(CGlobalOptions& options, HWND parent = nullptr);
    const CGlobalOptions& GetOptions() const { return m_options; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    CGlobalOptions& m_options;
    CNumberEdit m_maxLines;
};
