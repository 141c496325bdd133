#pragma once
// InfoScSettings: the settings of every screen capture: how the area is chosen, the
// right-button hold time, the repeat-last-capture hot key and the destination flags.
// Unlike the other records it loads value by value, always succeeds, and writes each
// value at once through its setter.
#include "Info/SendParam.h"

class INFO_API InfoScSettings : public SendParam
{
public:
    // The right-button hold time's range, in milliseconds; a stored time outside it loads
    // as the least.
    static constexpr int kMinHoldTime = 200;
    static constexpr int kMaxHoldTime = 2000;

    InfoScSettings();
    InfoScSettings(const InfoScSettings& other);
    InfoScSettings& operator=(const InfoScSettings& other);
    bool operator==(const InfoScSettings& other) const;
    ~InfoScSettings() override;

    EnumSendParam GetType() const override { return SP_SC_SETTINGS; }
    bool LoadFromRegistry() override;
    // Only part 0 (everything) is known.
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return false; }

    bool SetCaptureType(EnumScreenCaptureType type);
    bool SetShowSize(bool showSize);
    bool SetHoldTime(int holdTime);
    bool SetRLC(EnumRepeatLastCapture rlc);
    bool SetCaptureCursor(bool captureCursor);
    // Destinations 7 to 17; any other code stores nothing and returns false.
    bool SetSelection(EnumSendParam destination, bool on);

    // The defaults in memory, with every destination off (the clipboard too).
    void Clear();
    bool IsSelectionDone() const;

    EnumScreenCaptureType Type;
    bool ShowSize;
    EnumRepeatLastCapture RLC;
    int HoldTime;
    bool CaptCursor;
    bool File;
    bool Printer;
    bool Fax;
    bool Editor;
    bool Email;
    bool ICQ;
    bool Clipboard;
    bool Db;
    bool ScreenSaver;
    bool Wallpaper;
    bool Web;

private:
    bool* DestinationFlag(EnumSendParam destination, const wchar_t** valueName);
    static CString Key();
};
