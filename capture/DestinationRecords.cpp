#include "capture/DestinationRecords.h"

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
// Calls visit with the record as its own type; false for any other type.
template <class Visit> bool VisitDestinationRecord(const SendParam& record, Visit visit)
{
    switch (record.GetType())
    {
    case SP_SC_FILE:
        return visit(static_cast<const InfoScFile&>(record)), true;
    case SP_SC_EDITOR:
        return visit(static_cast<const InfoScEditor&>(record)), true;
    case SP_SC_EMAIL:
        return visit(static_cast<const InfoScEmail&>(record)), true;
    case SP_SC_ICQ:
        return visit(static_cast<const InfoScIcq&>(record)), true;
    case SP_SC_PRINTER:
        return visit(static_cast<const InfoScPrinter&>(record)), true;
    case SP_SC_FAX:
        return visit(static_cast<const InfoScFax&>(record)), true;
    case SP_SC_DATABASE:
        return visit(static_cast<const InfoScDatabase&>(record)), true;
    case SP_SC_CLIPBOARD:
        return visit(static_cast<const InfoScClipboard&>(record)), true;
    case SP_SC_SCREENSAVER:
        return visit(static_cast<const InfoScScreenSaver&>(record)), true;
    case SP_SC_WALLPAPER:
        return visit(static_cast<const InfoScWallpaper&>(record)), true;
    case SP_SC_WEB:
        return visit(static_cast<const InfoScWeb&>(record)), true;
    default:
        return false;
    }
}
} // namespace

std::unique_ptr<SendParam> CopyDestinationRecord(const SendParam& record)
{
    std::unique_ptr<SendParam> copy;
    VisitDestinationRecord(record,
                           [&copy](const auto& typed) { copy.reset(new std::decay_t<decltype(typed)>(typed)); });
    return copy;
}

DestinationTiming GetDestinationTiming(const SendParam& record)
{
    DestinationTiming timing = {0, 0};
    VisitDestinationRecord(record, [&timing](const auto& typed) { timing = {typed.Duration, typed.Frequence}; });
    return timing;
}
