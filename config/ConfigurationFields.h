#pragma once
// The value elements of every record element of the configuration file, in file order:
// one function per record names each element, its field and its form, for a walker V
// that writes or reads them:
//   v.Text (name, CString&)                a text, as the record holds it;
//   v.Int (name, field, min, max)          a signed decimal number, accepted in [min, max];
//   v.Flag (name, bool&)                   "1" or "0", any number on reading.
// The bounds are the values the program can use; a file that brings another is refused.
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
#include "Info/InfoScSettings.h"
#include "Info/InfoScWallpaper.h"
#include "Info/InfoScWeb.h"
#include "Info/InfoVideoPlaying.h"
#include "Info/InfoVideoRecording.h"

#include <climits>

namespace ConfigurationFields
{
const long long kMinInt = INT_MIN;
const long long kMaxInt = INT_MAX;
const long long kLastImageType = FT_PNG;

// Show-dialog flag, duration and frequency: the end of every destination.
template <class V, class R> void DialogAndTiming(V& v, R& r, bool& showDialog)
{
    v.Flag(L"showdlg", showDialog);
    v.Int(L"duration", r.Duration, 0, kMaxInt);
    v.Int(L"frequency", r.Frequence, 0, kMaxInt);
}

// The image type before them.
template <class V, class R> void DestinationTail(V& v, R& r, bool& showDialog, long long lastType)
{
    v.Int(L"filetype", r.FType, 0, lastType);
    DialogAndTiming(v, r, showDialog);
}

// File name, folder, image type and overwrite flag, then the end of every destination:
// the file destination, and the end of the web destination.
template <class V, class R> void FileTail(V& v, R& r)
{
    v.Text(L"filename", r.FName);
    v.Text(L"path", r.FPath);
    v.Int(L"filetype", r.FType, 0, kLastImageType);
    v.Flag(L"overwrite", r.Overwrite);
    DialogAndTiming(v, r, r.ShowDlg);
}

template <class V> void Visit(V& v, InfoScFile& r)
{
    FileTail(v, r);
}

template <class V> void Visit(V& v, InfoScFax& r)
{
    v.Text(L"servername", r.SvrName);
    v.Text(L"recnumber", r.RecNumber);
    v.Text(L"recname", r.RecName);
    v.Text(L"reccompany", r.RecCompany);
    v.Text(L"recdept", r.RecDepartment);
    v.Flag(L"usecoverpage", r.UseCoverPage);
    v.Text(L"coverpagename", r.CoverPageName);
    v.Text(L"note", r.Note);
    v.Text(L"subject", r.Subject);
    DestinationTail(v, r, r.ShowDlg, kLastImageType);
}

template <class V> void Visit(V& v, InfoScEditor& r)
{
    v.Text(L"filename", r.FName);
    DestinationTail(v, r, r.ShowDlg, kLastImageType);
}

template <class V> void Visit(V& v, InfoScEmail& r)
{
    v.Text(L"servername", r.Server);
    v.Text(L"from", r.From);
    v.Text(L"to", r.To);
    v.Text(L"cc", r.CC);
    v.Text(L"subject", r.Subject);
    v.Text(L"body", r.Body);
    v.Flag(L"attached", r.Attached);
    DestinationTail(v, r, r.Display, kLastImageType);
}

template <class V> void Visit(V& v, InfoScIcq& r)
{
    v.Text(L"firstname", r.FirstName);
    v.Text(L"lastname", r.LastName);
    v.Int(L"uin", r.UID, kMinInt, kMaxInt);
    v.Int(L"ip", r.IP, kMinInt, kMaxInt);
    DestinationTail(v, r, r.ShowDlg, kLastImageType);
}

template <class V> void Visit(V& v, InfoScClipboard& r)
{
    // 0 a device-dependent bitmap, 1 a device-independent one.
    DestinationTail(v, r, r.ShowDlg, 1);
}

template <class V> void Visit(V& v, InfoScPrinter& r)
{
    v.Text(L"printername", r.Name);
    v.Text(L"drivername", r.DrvName);
    v.Text(L"portname", r.PortName);
    v.Int(L"pageorientation", r.Orientation, PO_PORTRAIT, PO_LANDSCAPE);
    v.Int(L"numcopies", r.NumCopies, 1, kMaxInt);
    DialogAndTiming(v, r, r.ShowDlg);
}

template <class V> void Visit(V& v, InfoScScreenSaver& r)
{
    v.Text(L"name", r.Name);
    v.Flag(L"createunique", r.Unique);
    v.Flag(L"makecurrent", r.MakeCurrent);
    DialogAndTiming(v, r, r.ShowDlg);
}

template <class V> void Visit(V& v, InfoScWallpaper& r)
{
    v.Text(L"name", r.Name);
    v.Flag(L"createunique", r.Unique);
    v.Int(L"displaytype", r.DisplayType, InfoScWallpaper::DISPLAY_CENTRED, InfoScWallpaper::DISPLAY_STRETCHED);
    DialogAndTiming(v, r, r.ShowDlg);
}

template <class V> void Visit(V& v, InfoScWeb& r)
{
    v.Int(L"websvr", r.SvrType, kMinInt, kMaxInt);
    v.Text(L"hostaddr", r.HostAddress);
    v.Int(L"port", r.Port, 0, 65535);
    v.Text(L"login", r.Login);
    v.Text(L"pwd", r.Pwd);
    v.Text(L"webpath", r.WebPath);
    FileTail(v, r);
}

template <class V> void Visit(V& v, InfoScDatabase& r)
{
    v.Text(L"connstr", r.ConnStr);
    v.Text(L"table", r.Table);
    v.Text(L"blobcol", r.BlobCol);
    v.Text(L"extracol", r.ExtraColInfo);
    DialogAndTiming(v, r, r.Display);
}

// The capture-cursor flag has no element: it comes back off.
template <class V> void Visit(V& v, InfoScSettings& r)
{
    v.Int(L"sctype", r.Type, SCT_FREE_HAND, SCT_DESKTOP);
    v.Flag(L"showseltype", r.ShowSize);
    v.Int(L"sliderpos", r.HoldTime, 200, 2000);
    v.Int(L"lastcapture", r.RLC, RLC_CTRL_SHIFT_F9, RLC_CTRL_SHIFT_F12);
    v.Flag(L"file", r.File);
    v.Flag(L"printer", r.Printer);
    v.Flag(L"fax", r.Fax);
    v.Flag(L"editor", r.Editor);
    v.Flag(L"email", r.Email);
    v.Flag(L"icq", r.ICQ);
    v.Flag(L"clipboard", r.Clipboard);
    v.Flag(L"screensaver", r.ScreenSaver);
    v.Flag(L"wallpaper", r.Wallpaper);
    v.Flag(L"web", r.Web);
    v.Flag(L"db", r.Db);
}

template <class V> void Visit(V& v, InfoCBTRecording& r)
{
    v.Text(L"filename", r.RecFName);
    v.Text(L"path", r.RecPath);
    v.Flag(L"overwrite", r.RecOverwrite);
    v.Flag(L"sound", r.RecSound);
    v.Text(L"sounddevice", r.RecSoundDevice);
    v.Text(L"soundformat", r.RecSoundFormat);
    v.Text(L"soundpinname", r.RecInputPinName);
    v.Flag(L"skipmouse", r.RecSkipMouse);
    v.Flag(L"skipkeyboard", r.RecSkipKeyboard);
    v.Int(L"duration", r.RecDuration, 0, kMaxInt);
    v.Flag(L"showdlg", r.RecShowDlg);
}

// Left and top may lie anywhere; sizes are not negative.
template <class V, class R> void WindowPlace(V& v, R& left, R& top, R& width, R& height)
{
    v.Int(L"wndleft", left, kMinInt, kMaxInt);
    v.Int(L"wndtop", top, kMinInt, kMaxInt);
    v.Int(L"wndwidth", width, 0, kMaxInt);
    v.Int(L"wndheight", height, 0, kMaxInt);
}

template <class V> void Visit(V& v, InfoCBTPlaying& r)
{
    v.Text(L"filename", r.PlayFName);
    v.Flag(L"sound", r.PlaySound);
    v.Int(L"repeatnumber", r.PlayRepeat, -1, kMaxInt);
    v.Flag(L"skipmouse", r.PlaySkipMouse);
    v.Flag(L"skipkeyboard", r.PlaySkipKeyboard);
    v.Int(L"duration", r.PlayDuration, 0, kMaxInt);
    v.Text(L"apptolaunch", r.PlayAppFileName);
    v.Text(L"cmdline", r.PlayCmdLine);
    WindowPlace(v, r.PlayWndLeft, r.PlayWndTop, r.PlayWndWidth, r.PlayWndHeight);
    v.Int(L"delaytime", r.PlayDelayTime, 0, kMaxInt);
    v.Flag(L"showdlg", r.PlayShowDlg);
}

template <class V> void Visit(V& v, InfoAudioRecording& r)
{
    v.Text(L"filename", r.RecFName);
    v.Text(L"path", r.RecPath);
    v.Int(L"filetype", r.RecFType, AFT_WAV, AFT_WAV);
    v.Flag(L"overwrite", r.RecOverwrite);
    v.Int(L"duration", r.RecDuration, 0, kMaxInt);
    v.Text(L"sounddevice", r.RecInputDevice);
    v.Text(L"soundformat", r.RecInputFormat);
    v.Text(L"soundpinname", r.RecInputPinName);
    v.Flag(L"audition", r.RecAudition);
    v.Flag(L"showdlg", r.RecShowDlg);
}

template <class V> void Visit(V& v, InfoAudioPlaying& r)
{
    v.Text(L"filename", r.PlayFName);
    v.Int(L"duration", r.PlayDuration, 0, kMaxInt);
    v.Int(L"repeatnumber", r.PlayRepeat, -1, kMaxInt);
    v.Flag(L"showdlg", r.PlayShowDlg);
}

template <class V> void Visit(V& v, InfoVideoRecording& r)
{
    v.Text(L"filename", r.RecFName);
    v.Text(L"path", r.RecPath);
    v.Int(L"filetype", r.RecFType, VFT_AVI, VFT_AVI);
    v.Flag(L"overwrite", r.RecOverwrite);
    v.Int(L"duration", r.RecDuration, 0, kMaxInt);
    v.Text(L"videodevice", r.RecVideoDevice);
    v.Int(L"framerate", r.RecFramesRate, 0, kMaxInt);
    v.Flag(L"preview", r.RecPreview);
    WindowPlace(v, r.RecWndLeft, r.RecWndTop, r.RecWndWidth, r.RecWndHeight);
    v.Flag(L"audio", r.RecAudio);
    v.Text(L"sounddevice", r.RecAudioInputDevice);
    v.Text(L"soundformat", r.RecAudioInputFormat);
    v.Text(L"soundpinname", r.RecAudioInputPinName);
    v.Flag(L"showdlg", r.RecShowDlg);
}

// Video and movie playing alike.
template <class V> void Visit(V& v, InfoVideoPlaying& r)
{
    v.Text(L"filename", r.PlayFName);
    v.Int(L"duration", r.PlayDuration, 0, kMaxInt);
    v.Int(L"repeatnumber", r.PlayRepeat, -1, kMaxInt);
    v.Flag(L"showdlg", r.PlayShowDlg);
    v.Flag(L"audio", r.PlayAudio);
    WindowPlace(v, r.PlayWndLeft, r.PlayWndTop, r.PlayWndWidth, r.PlayWndHeight);
}

template <class V> void Visit(V& v, InfoPresentationRecording& r)
{
    v.Text(L"filename", r.RecFName);
    v.Text(L"path", r.RecPath);
    v.Int(L"filetype", r.RecFileType, PFT_AVI, PFT_AVI);
    v.Flag(L"overwrite", r.RecOverwrite);
    v.Int(L"duration", r.RecDuration, 0, kMaxInt);
    v.Int(L"frequency", r.RecFreq, 0, kMaxInt);
    v.Int(L"framerate", r.RecFramesRate, 0, kMaxInt);
    v.Flag(L"showdlg", r.RecShowDlg);
}
} // namespace ConfigurationFields
