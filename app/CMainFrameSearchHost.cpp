#include "app/CMainFrameSearchHost.h"

#include "app/CMainFrame.h"
#include "capture/controller/CLocalController.h"
#include "Info/InfoAudioPlaying.h"
#include "Info/InfoAudioRecording.h"
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoCBTRecording.h"
#include "Info/InfoPresentationPlaying.h"
#include "Info/InfoPresentationRecording.h"
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
#include "Info/InfoVideoPlaying.h"
#include "Info/InfoVideoRecording.h"
#include "framework/AppWindowText.h"

namespace
{
// A copy of the live record when the program holds one of the type, else the stored one.
template <class R> std::unique_ptr<SendParam> CopyOf(SendParam* live)
{
    auto copy = std::make_unique<R>();
    if (live && live->GetType() == copy->GetType())
        *copy = static_cast<const R&>(*live);
    else
        copy->LoadFromRegistry();
    return copy;
}

template <class M> SendParam* LiveOf(M* manager, bool recorder)
{
    return manager ? manager->GetLiveRecord(recorder) : nullptr;
}

struct FindControl
{
    UINT id;
    HWND found;
};

BOOL CALLBACK FindVisibleControl(HWND child, LPARAM param)
{
    auto& find = *reinterpret_cast<FindControl*>(param);
    if (static_cast<UINT>(GetDlgCtrlID(child)) != find.id || !IsWindowVisible(child))
        return TRUE;
    find.found = child;
    return FALSE;
}

bool IsEdit(HWND window)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return _wcsicmp(name, L"Edit") == 0;
}
} // namespace

CMainFrameSearchHost::CMainFrameSearchHost(CMainFrame& frame, CLocalController& controller)
    : m_frame(frame), m_controller(controller)
{
}

void CMainFrameSearchHost::CopyRecords(std::vector<std::unique_ptr<SendParam>>& records)
{
    CScreenCaptureManager* screen = m_controller.GetScreenManager();
    auto destination = [screen](EnumSendParam type) { return screen ? screen->GetRecord(type) : nullptr; };
    records.push_back(CopyOf<InfoScFile>(destination(SP_SC_FILE)));
    records.push_back(CopyOf<InfoScEditor>(destination(SP_SC_EDITOR)));
    records.push_back(CopyOf<InfoScEmail>(destination(SP_SC_EMAIL)));
    records.push_back(CopyOf<InfoScIcq>(destination(SP_SC_ICQ)));
    records.push_back(CopyOf<InfoScPrinter>(destination(SP_SC_PRINTER)));
    records.push_back(CopyOf<InfoScFax>(destination(SP_SC_FAX)));
    records.push_back(CopyOf<InfoScDatabase>(destination(SP_SC_DATABASE)));
    records.push_back(CopyOf<InfoScClipboard>(destination(SP_SC_CLIPBOARD)));
    records.push_back(CopyOf<InfoScScreenSaver>(destination(SP_SC_SCREENSAVER)));
    records.push_back(CopyOf<InfoScWallpaper>(destination(SP_SC_WALLPAPER)));
    records.push_back(CopyOf<InfoScWeb>(destination(SP_SC_WEB)));
    ITrainingCaptureManager* training = m_controller.GetTrainingManager();
    records.push_back(CopyOf<InfoCBTRecording>(LiveOf(training, true)));
    records.push_back(CopyOf<InfoCBTPlaying>(LiveOf(training, false)));
    IMediaCaptureManager* audio = m_controller.GetAudioManager();
    records.push_back(CopyOf<InfoAudioRecording>(LiveOf(audio, true)));
    records.push_back(CopyOf<InfoAudioPlaying>(LiveOf(audio, false)));
    IMediaCaptureManager* video = m_controller.GetVideoManager();
    records.push_back(CopyOf<InfoVideoRecording>(LiveOf(video, true)));
    records.push_back(CopyOf<InfoVideoPlaying>(LiveOf(video, false)));
    IMovieCaptureManager* movie = m_controller.GetMovieManager();
    records.push_back(CopyOf<InfoPresentationRecording>(LiveOf(movie, true)));
    records.push_back(CopyOf<InfoPresentationPlaying>(LiveOf(movie, false)));
}

void CMainFrameSearchHost::CopyOutputLines(CStringArray& lines)
{
    for (const CString& line : m_frame.GetOutputBar().GetLines())
        lines.Add(line);
}

// The output window compares an upper-case line with the text as given when case does
// not matter: the text goes in upper case then.
void CMainFrameSearchHost::ShowOutputLine(int line, const CString& text, bool matchCase)
{
    CString wanted = text;
    if (!matchCase)
        wanted.MakeUpper();
    m_frame.GetOutputBar().FindInLine(line, wanted, matchCase);
}

void CMainFrameSearchHost::ShowRecordControl(EnumSendParam type, int page, UINT controlId, const CString& text,
                                             bool matchCase)
{
    CTreeCtrlCaptureTypes& tree = m_frame.GetCaptureTypesBar().GetTree();
    if (!tree.SelectRecordType(type, page, true, true))
        return;
    if (CFormVwProperties* view = m_frame.GetPropertiesView())
        FocusControlText(view->GetSafeHwnd(), controlId, text, matchCase);
}

bool FocusControlText(HWND window, UINT controlId, const CString& text, bool matchCase)
{
    FindControl find = {controlId, nullptr};
    if (window)
        EnumChildWindows(window, FindVisibleControl, reinterpret_cast<LPARAM>(&find));
    if (!find.found)
        return false;
    SetFocus(find.found);
    if (!IsEdit(find.found))
        return true;
    CString content = AppGetWindowText(find.found), wanted = text;
    if (!matchCase)
    {
        content.MakeUpper();
        wanted.MakeUpper();
    }
    const int start = content.Find(wanted);
    if (start >= 0)
        SendMessageW(find.found, EM_SETSEL, start, start + wanted.GetLength());
    return true;
}
