#include "capture/destinations/DestinationTable.h"

#include "Info/InfoScClipboard.h"
#include "Info/InfoScDatabase.h"
#include "Info/InfoScEditor.h"
#include "Info/InfoScEmail.h"
#include "Info/InfoScFax.h"
#include "Info/InfoScFile.h"
#include "Info/InfoScIcq.h"
#include "Info/InfoScPrinter.h"
#include "Info/InfoScScreenSaver.h"
#include "Info/InfoScWallpaper.h"
#include "Info/InfoScWeb.h"

namespace
{
template <class Record> std::unique_ptr<SendParam> CopyAs(const SendParam& record)
{
    return std::make_unique<Record>(static_cast<const Record&>(record));
}

template <class Record> DestinationTiming TimingAs(const SendParam& record)
{
    const Record& typed = static_cast<const Record&>(record);
    return {typed.Duration, typed.Frequence};
}

// The row of a destination whose settings record is of class Record.
template <class Record>
constexpr DestinationEntry Row(EnumSendParam type, bool InfoScSettings::*flag, const wchar_t* name,
                               const wchar_t* label)
{
    return {type, flag, name, label, &CopyAs<Record>, &TimingAs<Record>};
}
} // namespace

extern constexpr DestinationEntry kDestinationTable[kDestinationCount] = {
    Row<InfoScFile>(SP_SC_FILE, &InfoScSettings::File, L"File", L"File: "),
    Row<InfoScEditor>(SP_SC_EDITOR, &InfoScSettings::Editor, L"Graphic Editor", L"Graphic Editor: "),
    Row<InfoScEmail>(SP_SC_EMAIL, &InfoScSettings::Email, L"Email", L"Email: "),
    Row<InfoScIcq>(SP_SC_ICQ, &InfoScSettings::ICQ, L"ICQ", L"ICQ: "),
    Row<InfoScPrinter>(SP_SC_PRINTER, &InfoScSettings::Printer, L"Printer", L"Printer: "),
    Row<InfoScFax>(SP_SC_FAX, &InfoScSettings::Fax, L"Fax", L"Fax: "),
    Row<InfoScDatabase>(SP_SC_DATABASE, &InfoScSettings::Db, L"Database", L"Database: "),
    Row<InfoScClipboard>(SP_SC_CLIPBOARD, &InfoScSettings::Clipboard, L"Clipboard", L"Clipboard: "),
    Row<InfoScScreenSaver>(SP_SC_SCREENSAVER, &InfoScSettings::ScreenSaver, L"Screen Saver", L"Screen Saver: "),
    Row<InfoScWallpaper>(SP_SC_WALLPAPER, &InfoScSettings::Wallpaper, L"Wallpaper", L"Wallpaper: "),
    Row<InfoScWeb>(SP_SC_WEB, &InfoScSettings::Web, L"Web Server", L"Web: "),
};

namespace
{
constexpr bool InTypeOrder()
{
    for (int i = 0; i < kDestinationCount; ++i)
        if (kDestinationTable[i].type != SP_SC_FILE + i)
            return false;
    return true;
}
// The lookups index the table by record type.
static_assert(InTypeOrder(), "the destination table is not in record-type order");
} // namespace

const DestinationEntry* FindDestination(int type)
{
    return type >= SP_SC_FILE && type <= SP_SC_WEB ? &kDestinationTable[type - SP_SC_FILE] : nullptr;
}

const DestinationEntry& DestinationOf(EnumSendParam type)
{
    return *FindDestination(type);
}

std::unique_ptr<SendParam> CopyDestinationRecord(const SendParam& record)
{
    const DestinationEntry* entry = FindDestination(record.GetType());
    return entry ? entry->copy(record) : nullptr;
}

DestinationTiming GetDestinationTiming(const SendParam& record)
{
    const DestinationEntry* entry = FindDestination(record.GetType());
    return entry ? entry->timing(record) : DestinationTiming{0, 0};
}
