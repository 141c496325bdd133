#pragma once
// CGlobalOptions: the options of the main window's output window, kept in the program's
// registry key "Common": whether error-log entries and the current operation's output
// data are shown, and the most lines the output window keeps.
#include <windows.h>

class CGlobalOptions
{
public:
    CGlobalOptions() = default;
    virtual ~CGlobalOptions() = default;

    // Reads each value on its own; a value that cannot be read keeps its setting.
    void LoadFromRegistry();
    // Stores the options and writes them; each failed write is told in a message box.
    // False when any write failed.
    bool SetOptions(bool showErrorLog, bool showData, DWORD maxLines);

    bool GetShowErrorLog() const { return m_showErrorLog; }
    bool GetShowData() const { return m_showData; }
    DWORD GetMaxLines() const { return m_maxLines; }

    static const wchar_t* const kKey;

private:
    bool m_showErrorLog = true;
    bool m_showData = true;
    DWORD m_maxLines = 10000;
};
