#include "capture/pages/DestinationRecordOps.h"

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
template <class R, bool R::*Flag> struct OpsOf
{
    static SendParam* Create() { return new R; }
    static SendParam* Clone(const SendParam& record) { return new R(static_cast<const R&>(record)); }
    static bool Equals(const SendParam& a, const SendParam& b)
    {
        return static_cast<const R&>(a) == static_cast<const R&>(b);
    }
    static void Assign(SendParam& target, const SendParam& source)
    {
        static_cast<R&>(target) = static_cast<const R&>(source);
    }
    static void SetFlag(SendParam& record, bool show) { static_cast<R&>(record).*Flag = show; }
    static int& Duration(SendParam& record) { return static_cast<R&>(record).Duration; }
    static int& Frequence(SendParam& record) { return static_cast<R&>(record).Frequence; }
    static constexpr DestinationRecordOps kOps{&Create, &Clone, &Equals, &Assign, &SetFlag, &Duration, &Frequence};
};
} // namespace

const DestinationRecordOps* GetDestinationRecordOps(int type)
{
    switch (type)
    {
    case SP_SC_FILE:
        return &OpsOf<InfoScFile, &InfoScFile::ShowDlg>::kOps;
    case SP_SC_EDITOR:
        return &OpsOf<InfoScEditor, &InfoScEditor::ShowDlg>::kOps;
    case SP_SC_EMAIL:
        return &OpsOf<InfoScEmail, &InfoScEmail::Display>::kOps;
    case SP_SC_ICQ:
        return &OpsOf<InfoScIcq, &InfoScIcq::ShowDlg>::kOps;
    case SP_SC_PRINTER:
        return &OpsOf<InfoScPrinter, &InfoScPrinter::ShowDlg>::kOps;
    case SP_SC_FAX:
        return &OpsOf<InfoScFax, &InfoScFax::ShowDlg>::kOps;
    case SP_SC_DATABASE:
        return &OpsOf<InfoScDatabase, &InfoScDatabase::Display>::kOps;
    case SP_SC_CLIPBOARD:
        return &OpsOf<InfoScClipboard, &InfoScClipboard::ShowDlg>::kOps;
    case SP_SC_SCREENSAVER:
        return &OpsOf<InfoScScreenSaver, &InfoScScreenSaver::ShowDlg>::kOps;
    case SP_SC_WALLPAPER:
        return &OpsOf<InfoScWallpaper, &InfoScWallpaper::ShowDlg>::kOps;
    case SP_SC_WEB:
        return &OpsOf<InfoScWeb, &InfoScWeb::ShowDlg>::kOps;
    default:
        return nullptr;
    }
}
