#include "Info/InfoScSettings.h"

namespace
{
// Destinations in the order they are loaded and saved.
const EnumSendParam kDestinationOrder[] = {SP_SC_FILE,        SP_SC_PRINTER,   SP_SC_FAX,       SP_SC_EDITOR,
                                           SP_SC_EMAIL,       SP_SC_ICQ,       SP_SC_CLIPBOARD, SP_SC_DATABASE,
                                           SP_SC_SCREENSAVER, SP_SC_WALLPAPER, SP_SC_WEB};

// Reads a DWORD into a temporary that starts with the field's current value.
int ReadOr(const CString& key, const wchar_t* name, int current)
{
    SendParam::ReadRegistryValue(key, name, current);
    return current;
}
} // namespace

InfoScSettings::InfoScSettings()
{
    Clear();
    Clipboard = true;
}

InfoScSettings::InfoScSettings(const InfoScSettings& other) = default;
InfoScSettings& InfoScSettings::operator=(const InfoScSettings& other) = default;
InfoScSettings::~InfoScSettings() = default;

bool InfoScSettings::operator==(const InfoScSettings& o) const
{
    return Type == o.Type && ShowSize == o.ShowSize && RLC == o.RLC && HoldTime == o.HoldTime &&
           CaptCursor == o.CaptCursor && File == o.File && Printer == o.Printer && Fax == o.Fax && Editor == o.Editor &&
           Email == o.Email && ICQ == o.ICQ && Clipboard == o.Clipboard && Db == o.Db && ScreenSaver == o.ScreenSaver &&
           Wallpaper == o.Wallpaper && Web == o.Web;
}

CString InfoScSettings::Key()
{
    return SettingsKey(L"ScreenCapture\\SendSettings");
}

void InfoScSettings::Clear()
{
    Type = SCT_RECTANGLE;
    ShowSize = false;
    RLC = RLC_CTRL_SHIFT_F9;
    HoldTime = kMinHoldTime;
    CaptCursor = false;
    File = Printer = Fax = Editor = Email = ICQ = Clipboard = Db = ScreenSaver = Wallpaper = Web = false;
}

bool InfoScSettings::IsSelectionDone() const
{
    return File || Printer || Fax || Editor || Email || ICQ || Clipboard || Db || ScreenSaver || Wallpaper || Web;
}

bool* InfoScSettings::DestinationFlag(EnumSendParam destination, const wchar_t** valueName)
{
    struct Entry
    {
        EnumSendParam type;
        const wchar_t* name;
        bool InfoScSettings::*flag;
    };
    static const Entry entries[] = {
        {SP_SC_FILE, L"File", &InfoScSettings::File},
        {SP_SC_EDITOR, L"Editor", &InfoScSettings::Editor},
        {SP_SC_EMAIL, L"Email", &InfoScSettings::Email},
        {SP_SC_ICQ, L"ICQ", &InfoScSettings::ICQ},
        {SP_SC_PRINTER, L"Printer", &InfoScSettings::Printer},
        {SP_SC_FAX, L"Fax", &InfoScSettings::Fax},
        {SP_SC_DATABASE, L"Db", &InfoScSettings::Db},
        {SP_SC_CLIPBOARD, L"Clipboard", &InfoScSettings::Clipboard},
        {SP_SC_SCREENSAVER, L"ScreenSaver", &InfoScSettings::ScreenSaver},
        {SP_SC_WALLPAPER, L"Wallpaper", &InfoScSettings::Wallpaper},
        {SP_SC_WEB, L"Web", &InfoScSettings::Web},
    };
    for (const Entry& e : entries)
    {
        if (e.type == destination)
        {
            *valueName = e.name;
            return &(this->*e.flag);
        }
    }
    return nullptr;
}

bool InfoScSettings::LoadFromRegistry()
{
    const CString key = Key();
    int type = ReadOr(key, L"Type", Type);
    int showSize = ReadOr(key, L"ShowSize", ShowSize);
    ReadRegistryValue(key, L"HoldTime", HoldTime);
    if (HoldTime < kMinHoldTime || HoldTime > kMaxHoldTime)
        HoldTime = kMinHoldTime;
    int captCursor = ReadOr(key, L"CaptCursor", CaptCursor);
    int rlc = ReadOr(key, L"RLC", RLC);

    int flags[11];
    const wchar_t* names[11];
    for (int i = 0; i < 11; ++i)
    {
        bool* flag = DestinationFlag(kDestinationOrder[i], &names[i]);
        flags[i] = ReadOr(key, names[i], *flag);
    }

    Type = static_cast<EnumScreenCaptureType>(type);
    ShowSize = showSize != 0;
    CaptCursor = captCursor != 0;
    RLC = (rlc < RLC_CTRL_SHIFT_F9 || rlc > RLC_CTRL_SHIFT_F12) ? RLC_CTRL_SHIFT_F9
                                                                : static_cast<EnumRepeatLastCapture>(rlc);
    for (int i = 0; i < 11; ++i)
        *DestinationFlag(kDestinationOrder[i], &names[i]) = flags[i] != 0;
    return true;
}

bool InfoScSettings::SaveToRegistry(unsigned int part)
{
    if (part != 0)
        return false;
    bool ok = SetCaptureType(Type);
    ok &= SetShowSize(ShowSize);
    ok &= SetHoldTime(HoldTime);
    ok &= SetRLC(RLC);
    ok &= SetCaptureCursor(CaptCursor);
    for (EnumSendParam destination : kDestinationOrder)
    {
        const wchar_t* name = nullptr;
        ok &= SetSelection(destination, *DestinationFlag(destination, &name));
    }
    return ok;
}

bool InfoScSettings::SetCaptureType(EnumScreenCaptureType type)
{
    Type = type;
    return WriteRegistryValue(Key(), L"Type", Type);
}

bool InfoScSettings::SetShowSize(bool showSize)
{
    ShowSize = showSize;
    return WriteRegistryValue(Key(), L"ShowSize", ShowSize ? 1 : 0);
}

bool InfoScSettings::SetHoldTime(int holdTime)
{
    HoldTime = holdTime;
    return WriteRegistryValue(Key(), L"HoldTime", HoldTime);
}

bool InfoScSettings::SetRLC(EnumRepeatLastCapture rlc)
{
    RLC = rlc;
    return WriteRegistryValue(Key(), L"RLC", RLC);
}

bool InfoScSettings::SetCaptureCursor(bool captureCursor)
{
    CaptCursor = captureCursor;
    return WriteRegistryValue(Key(), L"CaptCursor", CaptCursor ? 1 : 0);
}

bool InfoScSettings::SetSelection(EnumSendParam destination, bool on)
{
    const wchar_t* name = nullptr;
    bool* flag = DestinationFlag(destination, &name);
    if (!flag)
        return false;
    *flag = on;
    return WriteRegistryValue(Key(), name, on ? 1 : 0);
}
