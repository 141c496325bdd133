#include "capture/pages/tests/PageHostFixture.h"

#include "capture/destinations/CImageDestinations.h"
#include "Info/InfoAudioPlaying.h"
#include "Info/InfoAudioRecording.h"
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoCBTRecording.h"
#include "Info/InfoPresentationPlaying.h"
#include "Info/InfoPresentationRecording.h"
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
#include "capture/pages/CDlgProperties.h"
#include "framework/AppWindowText.h"
#include "standins/audio/TestAudioIds.h"
#include "testing/PrivateUserRegistry.h"
#include "testing/TestInput.h"

namespace
{
::testing::Environment* const registry = ::testing::AddGlobalTestEnvironment(new PrivateUserRegistry);

void Snapshot(HKEY key, const std::wstring& path, RegistrySnapshot& out)
{
    wchar_t name[256];
    BYTE data[4096];
    for (DWORD i = 0;; ++i)
    {
        DWORD nameLength = 256, size = sizeof(data), type = 0;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS)
            break;
        out[path + L"\\" + name].assign(data, data + size);
    }
    for (DWORD i = 0;; ++i)
    {
        DWORD nameLength = 256;
        if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY sub = nullptr;
        if (RegOpenKeyExW(key, name, 0, KEY_READ, &sub) == ERROR_SUCCESS)
        {
            Snapshot(sub, path + L"\\" + name, out);
            RegCloseKey(sub);
        }
    }
}

} // namespace

RegistrySnapshot TakeRegistrySnapshot()
{
    RegistrySnapshot snapshot;
    HKEY root = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, INFO_REGISTRY_ROOT, 0, KEY_READ, &root) == ERROR_SUCCESS)
    {
        Snapshot(root, std::wstring(), snapshot);
        RegCloseKey(root);
    }
    return snapshot;
}

std::vector<std::wstring> ChangedValues(const RegistrySnapshot& before, const RegistrySnapshot& after)
{
    std::vector<std::wstring> changed;
    for (const auto& value : after)
    {
        auto old = before.find(value.first);
        if (old == before.end() || old->second != value.second)
            changed.push_back(value.first);
    }
    for (const auto& value : before)
        if (!after.count(value.first))
            changed.push_back(value.first);
    return changed;
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers)
{
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers)
        inputs.push_back(KeyStroke(modifier, false));
    inputs.push_back(KeyStroke(key, false));
    inputs.push_back(KeyStroke(key, true));
    for (auto it = modifiers.end(); it != modifiers.begin();)
        inputs.push_back(KeyStroke(*--it, true));
    ASSERT_TRUE(SendInputSettled(inputs.data(), static_cast<UINT>(inputs.size())));
}

void TypeInto(HWND control, const std::wstring& text)
{
    SetForegroundWindow(GetAncestor(control, GA_ROOT));
    SetFocus(control);
    ASSERT_EQ(control, GetFocus());
    SendMessageW(control, EM_SETSEL, 0, -1);
    if (text.empty())
    {
        PressKey(VK_DELETE);
        return;
    }
    std::vector<INPUT> inputs;
    for (wchar_t ch : text)
        for (bool up : {false, true})
        {
            INPUT input = {};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = ch;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        }
    ASSERT_TRUE(SendInputSettled(inputs.data(), static_cast<UINT>(inputs.size())));
}

void ClickAt(POINT screen, bool twice)
{
    SetCursorPos(screen.x, screen.y);
    std::vector<INPUT> inputs;
    for (int i = 0; i < (twice ? 2 : 1); ++i)
        for (DWORD flag : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
        {
            INPUT input = {};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = flag;
            inputs.push_back(input);
        }
    ASSERT_TRUE(SendInputSettled(inputs.data(), static_cast<UINT>(inputs.size())));
}

int PropertiesDialogs::EditProperties(SendParam& record, HWND parent)
{
    ++propertiesAsked;
    return EditCaptureProperties(record, parent);
}

void PageHostTest::SetUp()
{
    // Every destination record starts from its defaults in the private registry.
    RegDeleteTreeW(HKEY_CURRENT_USER, INFO_REGISTRY_ROOT);
    auto destinations = std::make_unique<CImageDestinations>();
    destinations->LoadFromRegistry();
    m_manager = std::make_unique<CScreenCaptureManager>(std::move(destinations), m_dialogs);
    m_captureRecords[SP_CBT_RECORDING] = std::make_unique<InfoCBTRecording>();
    m_captureRecords[SP_CBT_PLAYING] = std::make_unique<InfoCBTPlaying>();
    m_captureRecords[SP_AUDIO_RECORDING] = std::make_unique<InfoAudioRecording>();
    m_captureRecords[SP_AUDIO_PLAYING] = std::make_unique<InfoAudioPlaying>();
    m_captureRecords[SP_VIDEO_RECORDING] = std::make_unique<InfoVideoRecording>();
    m_captureRecords[SP_VIDEO_PLAYING] = std::make_unique<InfoVideoPlaying>();
    m_captureRecords[SP_PRESENTATION_RECORDING] = std::make_unique<InfoPresentationRecording>();
    m_captureRecords[SP_PRESENTATION_PLAYING] = std::make_unique<InfoPresentationPlaying>();
    for (auto& record : m_captureRecords)
        record.second->LoadFromRegistry();
    SetCapturePageHost(this);
    const CString hostClass = AppRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    m_host = CreateWindowExW(0, hostClass, L"Page host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 560, 420, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, m_host);
    SetForegroundWindow(m_host);
    m_sheet = std::make_unique<CPSheetCaptureProperties>();
    ASSERT_TRUE(m_sheet->Create(m_host));
}

void PageHostTest::TearDown()
{
    m_sheet.reset();
    DestroyWindow(m_host);
    SetCapturePageHost(nullptr);
    m_manager.reset();
}

SendParam* PageHostTest::GetCaptureRecord(EnumSendParam type)
{
    auto found = m_captureRecords.find(type);
    return found == m_captureRecords.end() ? nullptr : found->second.get();
}

SendParam& PageHostTest::Live(EnumSendParam type)
{
    SendParam* record = type >= SP_CBT_RECORDING ? GetCaptureRecord(type) : m_manager->GetRecord(type);
    return *record;
}

bool PageHostTest::SelectRecordType(EnumSendParam type)
{
    m_selectedTypes.push_back(type);
    m_sheet->ShowPages(type, 0, false);
    return true;
}

void PageHostTest::Show(int type)
{
    m_sheet->ShowPages(type, 0, true);
}

IProperties& PageHostTest::Page(int index)
{
    CPPagePropsBase* page = m_sheet->GetRecordPage(index);
    EXPECT_NE(nullptr, page);
    return *page;
}

HWND PageHostTest::Item(int page, UINT id)
{
    CPPagePropsBase* record = m_sheet->GetRecordPage(page);
    return record ? record->GetDlgItem(id) : nullptr;
}

void PageHostTest::SetText(int page, UINT id, const wchar_t* text)
{
    HWND item = Item(page, id);
    ASSERT_NE(nullptr, item);
    SetWindowTextW(item, text);
}

CString PageHostTest::Text(int page, UINT id)
{
    return AppGetWindowText(Item(page, id));
}

void PageHostTest::MakeValid(EnumSendParam type)
{
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    switch (type)
    {
    case SP_SC_FILE:
        static_cast<InfoScFile&>(Live(type)).FName = L"Shot";
        static_cast<InfoScFile&>(Live(type)).FPath = m_folder.Path();
        break;
    case SP_SC_EDITOR:
        static_cast<InfoScEditor&>(Live(type)).FName = program;
        break;
    case SP_SC_EMAIL:
    {
        auto& mail = static_cast<InfoScEmail&>(Live(type));
        mail.Server = L"mail.example";
        mail.From = L"me@example.com";
        mail.To = L"you@example.com";
        break;
    }
    case SP_SC_ICQ:
        static_cast<InfoScIcq&>(Live(type)).UID = 12345;
        break;
    case SP_SC_PRINTER:
    {
        auto& printer = static_cast<InfoScPrinter&>(Live(type));
        printer.Name = L"PDF";
        printer.DrvName = L"winspool";
        printer.PortName = L"CUPS:PDF";
        break;
    }
    case SP_SC_FAX:
    {
        auto& fax = static_cast<InfoScFax&>(Live(type));
        fax.SvrName = L"(local)";
        fax.RecName = L"Ann";
        fax.RecNumber = L"555";
        fax.UseCoverPage = false;
        break;
    }
    case SP_SC_DATABASE:
    {
        auto& database = static_cast<InfoScDatabase&>(Live(type));
        database.ConnStr = L"DSN=Test";
        database.Table = L"Shots";
        database.BlobCol = L"Image";
        CStringList names, values;
        CList<int> codes;
        names.AddTail(CString(L"Taken"));
        codes.AddTail(6);
        values.AddTail(CString(L"(AutoGenerate)"));
        database.SetExtraColInfo(names, codes, values);
        break;
    }
    case SP_SC_SCREENSAVER:
        static_cast<InfoScScreenSaver&>(Live(type)).Name = L"Saver";
        break;
    case SP_SC_WALLPAPER:
        static_cast<InfoScWallpaper&>(Live(type)).Name = L"Paper";
        break;
    case SP_SC_WEB:
    {
        auto& web = static_cast<InfoScWeb&>(Live(type));
        web.FName = L"Web";
        web.FPath = m_folder.Path();
        web.HostAddress = L"ftp://127.0.0.1";
        web.WebPath = L"/";
        web.Port = 21;
        break;
    }
    default:
        MakeCaptureValid(type);
        break;
    }
}

void PageHostTest::MakeCaptureValid(EnumSendParam type)
{
    const CString folder = m_folder.Path();
    const CString device = kTestAudioDeviceName;
    const CString pin = kTestAudioInputs[0];
    switch (type)
    {
    case SP_CBT_RECORDING:
    {
        auto& training = static_cast<InfoCBTRecording&>(Live(type));
        training.RecFName = L"Session";
        training.RecPath = folder;
        training.RecSoundDevice = device;
        training.RecSoundFormat = kStandInFormat;
        training.RecInputPinName = pin;
        break;
    }
    case SP_CBT_PLAYING:
        static_cast<InfoCBTPlaying&>(Live(type)).PlayFName = folder + L"\\Session.vtf";
        break;
    case SP_AUDIO_RECORDING:
    {
        auto& audio = static_cast<InfoAudioRecording&>(Live(type));
        audio.RecFName = L"Sound";
        audio.RecPath = folder;
        audio.RecInputDevice = device;
        audio.RecInputFormat = kStandInFormat;
        audio.RecInputPinName = pin;
        break;
    }
    case SP_AUDIO_PLAYING:
        static_cast<InfoAudioPlaying&>(Live(type)).PlayFName = folder + L"\\Sound.wav";
        break;
    case SP_VIDEO_RECORDING:
    {
        auto& video = static_cast<InfoVideoRecording&>(Live(type));
        video.RecFName = L"Clip";
        video.RecPath = folder;
        video.RecVideoDevice = kStandInCamera;
        video.RecPreview = false;
        video.RecAudioInputDevice = device;
        video.RecAudioInputFormat = kStandInFormat;
        video.RecAudioInputPinName = pin;
        break;
    }
    case SP_VIDEO_PLAYING:
    case SP_PRESENTATION_PLAYING:
    {
        auto& playing = static_cast<InfoVideoPlaying&>(Live(type));
        playing.PlayFName = folder + L"\\Clip.avi";
        playing.PlayWndWidth = 320;
        playing.PlayWndHeight = 240;
        break;
    }
    case SP_PRESENTATION_RECORDING:
    {
        auto& movie = static_cast<InfoPresentationRecording&>(Live(type));
        movie.RecFName = L"Movie";
        movie.RecPath = folder;
        break;
    }
    default: // the other types pass with the values they have
        break;
    }
}
