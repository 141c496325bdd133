#include "capture/controller/CTreeCtrlCaptureTypes.h"

#include "capture/controller/ActionIds.h"
#include "capture/controller/CLocalController.h"
#include "capture/controller/CMenuActions.h"
#include "capture/controller/CaptureType.h"
#include "capture/controller/IControllerHost.h"
#include "capture/destinations/DestinationTable.h"
#include "capture/destinations/IcqApiAccess.h"
#include "framework/AppMainWnd.h"
#include "framework/AppMessageBox.h"

#include <shellapi.h>

namespace
{
const wchar_t* const kKindNames[] = {L"Screen Capture", L"Training Capture", L"Audio Capture", L"Video Capture",
                                     L"Movie Capture"};
// The screen-capture destinations in the tree's (alphabetical) order.
const EnumSendParam kDestinations[] = {SP_SC_CLIPBOARD, SP_SC_DATABASE, SP_SC_EMAIL,       SP_SC_FAX,
                                       SP_SC_FILE,      SP_SC_EDITOR,   SP_SC_ICQ,         SP_SC_PRINTER,
                                       SP_SC_SCREENSAVER, SP_SC_WALLPAPER, SP_SC_WEB};
// The image of a top item; its children's follow it.
const int kKindImages[] = {0, 12, 15, 18, 21};
// The record type of "Recording" of kinds 2 to 5; "Playing" is the next one.
const int kRecordingTypes[] = {SP_CBT_RECORDING, SP_AUDIO_RECORDING, SP_VIDEO_RECORDING, SP_PRESENTATION_RECORDING};
// The tray icon's text (the program's string table).
const UINT kProgramNameId = 102;

bool IsKind(int type)
{
    return type >= CT_SCREEN && type <= CT_NONE;
}
bool IsDestination(int type)
{
    return type >= SP_SC_FILE && type <= SP_SC_WEB;
}
bool IsRecordChoice(int type)
{
    return type >= SP_CBT_RECORDING && type <= SP_PRESENTATION_PLAYING;
}
// The kind (2 to 5) of a "Recording" or "Playing" item, and whether it is "Recording".
int KindOfChoice(int type)
{
    return CT_TRAINING + (type - SP_CBT_RECORDING) / 2;
}
bool IsRecording(int type)
{
    return (type - SP_CBT_RECORDING) % 2 == 0;
}
} // namespace

CTreeCtrlCaptureTypes::CTreeCtrlCaptureTypes(CLocalController& controller, IControllerHost* host)
    : m_controller(controller), m_host(host)
{
}

bool CTreeCtrlCaptureTypes::Create(const RECT& rect, HWND parent, UINT id)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_CHECKBOXES | TVS_HASBUTTONS | TVS_HASLINES |
                        TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    if (!CTreeCtrl::Create(style, rect, parent, id))
        return false;
    Refresh();
    return true;
}

CString CTreeCtrlCaptureTypes::KindName(int type)
{
    return type >= CT_SCREEN && type <= CT_MOVIE ? kKindNames[type - CT_SCREEN] : L"";
}

CString CTreeCtrlCaptureTypes::TitleOf(int type)
{
    return CString(L"Talvono Vellumor - ") + KindName(type);
}

void CTreeCtrlCaptureTypes::Refresh()
{
    m_selecting = true; // the rebuild's own selections show no pages
    DeleteAllItems();
    Fill();
    m_selecting = false;
    CheckChoices();
    SetWindowTextW(AppGetMainWnd(), TitleOf(m_controller.GetCaptureType()));
    UpdateTrayTip();
}

void CTreeCtrlCaptureTypes::Fill()
{
    for (int kind = CT_SCREEN; kind <= CT_MOVIE; ++kind)
    {
        const int image = kKindImages[kind - CT_SCREEN];
        HTREEITEM top = InsertItem(kKindNames[kind - CT_SCREEN], image, image);
        SetItemData(top, static_cast<DWORD_PTR>(kind));
        m_topItems[kind - CT_SCREEN] = top;
        if (kind == CT_SCREEN)
        {
            for (int i = 0; i < kDestinationCount; ++i)
            {
                HTREEITEM child = InsertItem(DestinationOf(kDestinations[i]).name, image + 1 + i, image + 1 + i, top);
                SetItemData(child, static_cast<DWORD_PTR>(kDestinations[i]));
            }
            continue;
        }
        const int recording = kRecordingTypes[kind - CT_TRAINING];
        SetItemData(InsertItem(L"Recording", image + 1, image + 1, top), static_cast<DWORD_PTR>(recording));
        SetItemData(InsertItem(L"Playing", image + 2, image + 2, top), static_cast<DWORD_PTR>(recording + 1));
    }
}

void CTreeCtrlCaptureTypes::CheckChoices()
{
    const int current = m_controller.GetCaptureType();
    for (int kind = CT_SCREEN; kind <= CT_MOVIE; ++kind)
    {
        HTREEITEM top = m_topItems[kind - CT_SCREEN];
        SetCheck(top, kind == current);
        if (kind == current)
        {
            Expand(top, TVE_EXPAND);
            EnsureVisible(top);
        }
    }
    InfoScSettings* settings = m_controller.GetScreenManager() ? m_controller.GetScreenManager()->GetSettings() : nullptr;
    HTREEITEM firstChecked = nullptr;
    for (HTREEITEM child = GetChildItem(m_topItems[0]); child; child = GetNextSiblingItem(child))
    {
        const bool on = settings && settings->*DestinationOf(static_cast<EnumSendParam>(GetItemData(child))).flag;
        SetCheck(child, on);
        if (on && !firstChecked)
            firstChecked = child;
    }
    if (current == CT_SCREEN && firstChecked)
        SelectRecordType(static_cast<int>(GetItemData(firstChecked)), -1, true, true);
    for (int kind = CT_TRAINING; kind <= CT_MOVIE; ++kind)
    {
        HTREEITEM recording = GetChildItem(m_topItems[kind - CT_SCREEN]);
        HTREEITEM playing = GetNextSiblingItem(recording);
        const bool records = m_controller.IsRecActive(kind);
        SetCheck(recording, records);
        SetCheck(playing, !records);
        if (kind == current)
            SelectRecordType(static_cast<int>(GetItemData(records ? recording : playing)), -1, true, true);
    }
}

HTREEITEM CTreeCtrlCaptureTypes::FindItem(int recordType) const
{
    for (HTREEITEM top : m_topItems)
    {
        if (top && static_cast<int>(GetItemData(top)) == recordType)
            return top;
        for (HTREEITEM child = top ? GetChildItem(top) : nullptr; child; child = GetNextSiblingItem(child))
        {
            if (static_cast<int>(GetItemData(child)) == recordType)
                return child;
        }
    }
    return nullptr;
}

bool CTreeCtrlCaptureTypes::SelectRecordType(int recordType, int page, bool select, bool force)
{
    if (m_selecting || (!force && recordType == m_currentRecordType))
        return true;
    if (m_host && !m_host->ShowRecordType(static_cast<EnumSendParam>(recordType), page))
    {
        m_selecting = true;
        SelectItem(m_selected);
        m_selecting = false;
        return false;
    }
    HTREEITEM item = FindItem(recordType);
    if (select && item)
    {
        m_selecting = true;
        SelectItem(item);
        m_selecting = false;
    }
    m_selected = item;
    m_currentRecordType = recordType;
    InvalidateRect(AppGetMainWnd(), nullptr, TRUE);
    return true;
}

LRESULT CTreeCtrlCaptureTypes::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    {
        OnButtonDown({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        // The tree view's own click waits for the button-up; the decided state follows it.
        const LRESULT result = DefaultWindowProc(message, wParam, lParam);
        if (m_clicked)
            PostMessageW(GetSafeHwnd(), WM_LBUTTONUP, wParam, lParam);
        return result;
    }
    case WM_LBUTTONUP:
    {
        const LRESULT result = DefaultWindowProc(message, wParam, lParam);
        OnButtonUp();
        return result;
    }
    case WM_RBUTTONDOWN:
        CMenuActions(CMenuActions::kView, m_controller).Show(m_controller.GetCaptureType());
        return 0;
    default:
        return DefaultWindowProc(message, wParam, lParam);
    }
}

bool CTreeCtrlCaptureTypes::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (message != WM_NOTIFY || header->code != TVN_SELCHANGEDW)
        return false;
    const auto* change = reinterpret_cast<const NMTREEVIEWW*>(lParam);
    SelectRecordType(static_cast<int>(change->itemNew.lParam), -1, false, false);
    result = 0;
    return true;
}

void CTreeCtrlCaptureTypes::OnButtonDown(POINT point)
{
    m_clicked = nullptr;
    m_icqRefused = false;
    UINT flags = 0;
    HTREEITEM item = HitTest(point, &flags);
    if (!item || !(flags & TVHT_ONITEMSTATEICON))
        return;
    const int type = static_cast<int>(GetItemData(item));
    if (IsKind(type))
        ClickKind(item, type);
    else if (IsDestination(type))
        ClickDestination(item, type);
    else if (IsRecordChoice(type))
        ClickRecordChoice(item, type);
    UpdateTrayTip();
}

void CTreeCtrlCaptureTypes::OnButtonUp()
{
    if (!m_clicked)
        return;
    SetCheck(m_clicked, m_clickedCheck);
    m_clicked = nullptr;
    if (m_icqRefused)
        AppMessageBox(IDS_ICQ_NOT_AVAILABLE, MB_OK);
}

bool CTreeCtrlCaptureTypes::ChooseAmongSiblings(HTREEITEM item)
{
    // The chosen item stays checked until a sibling is chosen.
    m_clicked = item;
    m_clickedCheck = true;
    if (GetCheck(item))
        return false;
    // What runs ends before the choice changes.
    m_controller.StopAll();
    HTREEITEM parent = GetParentItem(item);
    for (HTREEITEM sibling = parent ? GetChildItem(parent) : GetRootItem(); sibling;
         sibling = GetNextSiblingItem(sibling))
    {
        if (sibling != item)
            SetCheck(sibling, false);
    }
    return true;
}

void CTreeCtrlCaptureTypes::ClickKind(HTREEITEM item, int type)
{
    if (!ChooseAmongSiblings(item))
        return;
    m_controller.SetCaptureType(type);
    if (m_host)
        m_host->SwitchCaptureHooks();
    SetWindowTextW(AppGetMainWnd(), TitleOf(type));
}

void CTreeCtrlCaptureTypes::ClickDestination(HTREEITEM item, int type)
{
    CScreenCaptureManager* screen = m_controller.GetScreenManager();
    m_clicked = item;
    m_clickedCheck = !GetCheck(item);
    int version = 0;
    if (type == SP_SC_ICQ && m_clickedCheck && !InitIcqApi(&version))
    {
        m_icqRefused = true;
        m_clickedCheck = false;
    }
    if (!screen || !screen->GetSettings()->SetSelection(static_cast<EnumSendParam>(type), m_clickedCheck))
        AppMessageBox(IDS_REGISTRY_WRITE_FAILED, MB_OK);
}

void CTreeCtrlCaptureTypes::ClickRecordChoice(HTREEITEM item, int type)
{
    if (!ChooseAmongSiblings(item))
        return;
    const int kind = KindOfChoice(type);
    m_controller.SetRecActive(kind, IsRecording(type));
    if (kind == CT_MOVIE && m_host)
        m_host->SwitchCaptureHooks();
}

void CTreeCtrlCaptureTypes::UpdateTrayTip()
{
    CString name;
    name.LoadString(kProgramNameId);
    const CString kind = KindName(m_controller.GetCaptureType());
    m_tipText = kind.IsEmpty() ? name : name + L" - " + kind;
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = AppGetMainWnd();
    data.uID = 0;
    data.uFlags = NIF_TIP;
    lstrcpynW(data.szTip, m_tipText, static_cast<int>(sizeof data.szTip / sizeof data.szTip[0]));
    if (data.hWnd)
        Shell_NotifyIconW(NIM_MODIFY, &data);
}
