#include "app/CVellumorApp.h"

#include "app/AppIds.h"
#include "app/AppSeams.h"
#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CMediaManagerAdapter.h"
#include "Info/InfoGlobalFunctions.h"
#include "capture/audio/AudioDeviceLists.h"
#include "capture/audio/AudioErrorText.h"
#include "capture/controller/CLocalController.h"
#include "capture/destinations/CImageDestinations.h"
#include "capture/movie/CPresentationManager.h"
#include "capture/video/CWndVideoRecorder.h"
#include "common/CMruFileManager.h"
#include "common/CRegistry.h"
#include "common/DirectXVersion.h"
#include "common/PathHelpers.h"
#include "framework/AppMessageBox.h"
#include "framework/AppPrintSetup.h"
#include "framework/AppProfile.h"
#include "framework/CCmdUI.h"

#include <commctrl.h>
#include <commdlg.h>
#include <cwctype>

namespace
{
const wchar_t kRegistryMaker[] = L"Talvono Software";
const wchar_t kProductKey[] = L"Software\\Talvono Software\\Talvono Vellumor";
const wchar_t kScreenSaverKey[] = L"Software\\Talvono Software\\Talvono Vellumor\\ScreenSaver";
const int kRecentEntries = 8;
const DWORD kLeastDirectXMajor = 9;
const DWORD kLeastDirectXMinor = 0;

// A name longer than ".xml" that ends in it, in any case.
bool IsConfigurationFile(const wchar_t* fullPath)
{
    const CString path(fullPath);
    const int length = path.GetLength();
    return length > 4 && path.Right(4).CompareNoCase(L".xml") == 0;
}
} // namespace

const wchar_t* const CVellumorApp::kDefaultConfigName = L"DefaultConfig.xml";
const wchar_t* const CVellumorApp::kRecentSection = L"Recent Config Files";

CVellumorApp::CVellumorApp() = default;

CVellumorApp::~CVellumorApp()
{
    ExitInstance();
}

CVellumorApp* AppGetVellumorApp()
{
    return dynamic_cast<CVellumorApp*>(AppGetApp());
}

bool CVellumorApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    bool socketsStarted = AppWinInit(m_hInstance, nullptr, m_lpCmdLine, m_nCmdShow);
    AppSetRegistryKey(kRegistryMaker);
    CString title;
    title.LoadString(IDS_APP_TITLE);
    AppSetProfileName(title);
    AppSetMessageBoxCaption(title);
    PrepareRecentList();
    WriteScreenSaverFolder();
    CheckComponents(socketsStarted);
    CreateController();
    m_frame.reset(new CMainFrame(*GetLocalController()));
    if (!m_frame->LoadFrame())
        return false;
    ShowWindow(m_frame->GetSafeHwnd(), SW_SHOW);
    UpdateWindow(m_frame->GetSafeHwnd());
    return true;
}

void CVellumorApp::ExitInstance()
{
    m_frame.reset();
    SetLocalController(nullptr);
    m_recentFiles.reset();
}

// The program folder's default configuration heads a list that holds nothing yet.
void CVellumorApp::PrepareRecentList()
{
    m_recentFiles.reset(new CMruFileManager([this](const wchar_t* path) { return OpenDocumentFile(path) != nullptr; }));
    m_recentFiles->AddMruList(ID_FILE_MRU_FIRST, kRecentSection, L"File%d", IsConfigurationFile, kRecentEntries, false,
                              0);
    const CString defaultPath = GetModuleDirectory() + L"\\" + kDefaultConfigName;
    if (!m_recentFiles->HasRecentFile(defaultPath))
        AddToRecentFileList(defaultPath);
}

// The screen saver shows the pictures of this folder. A failure leaves the value as it was.
void CVellumorApp::WriteScreenSaverFolder()
{
    CString error;
    CRegistry product;
    if (!product.Open(HKEY_LOCAL_MACHINE, kProductKey, true, error))
        return;
    CRegistry screenSaver;
    if (screenSaver.Open(HKEY_LOCAL_MACHINE, kScreenSaverKey, true, error))
        screenSaver.SetString(L"ImgPath", InfoGlobalFunctions::GetScImageDirectory() + L"\\Screen Saver", error, false);
}

// What the capture kinds need of the system; each failure is told and the start goes on.
void CVellumorApp::CheckComponents(bool socketsStarted)
{
    if (!socketsStarted)
        AppMessageBox(IDS_SOCKETS_FAILED, MB_OK | MB_ICONEXCLAMATION);
    DWORD major = 0;
    DWORD minor = 0;
    wchar_t letter = 0;
    if (SUCCEEDED(GetDirectXVersion(major, minor, letter)) && major < kLeastDirectXMajor)
    {
        CString format;
        format.LoadString(IDS_DIRECTX_VERSION);
        CString text;
        text.Format(format, kLeastDirectXMajor, kLeastDirectXMinor);
        AppMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    }
    if (CheckAudioCaptureDevice())
        AppMessageBox(GetAudioErrorText(), MB_OK | MB_ICONEXCLAMATION);
}

void CVellumorApp::CreateController()
{
    CaptureManagers managers;
    managers.screen.reset(new CScreenCaptureManager(std::make_unique<CImageDestinations>(), m_captureDialogs));
    managers.training = AppCreateTrainingManager(m_captureDialogs);
    managers.audio.reset(new CAudioCaptureAdapter(std::make_unique<CAudioManager>(&m_captureDialogs)));
    auto* video = new CVideoCaptureAdapter;
    // Recordings from a capture device run in the recorder window, which asks its
    // questions through the program's dialogs.
    VideoRecorderFactory recorders = [this](const InfoVideoRecording& recording, HWND owner) {
        return std::unique_ptr<IVideoRecorder>(new CWndVideoRecorder(&recording, owner, &m_captureDialogs));
    };
    video->SetManager(std::make_unique<CVideoManager>(&m_captureDialogs, recorders, video));
    managers.video.reset(video);
    managers.movie.reset(new CPresentationManager(&m_captureDialogs));
    SetLocalController(std::make_unique<CLocalController>(std::move(managers)));
}

bool CVellumorApp::OnCmdMsg(UINT id, CmdRequest request, CCmdUI* item)
{
    if (m_recentFiles && id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST)
    {
        if (request == CmdRequest::Run)
            return m_recentFiles->OnOpenRecentFile(id);
        if (request == CmdRequest::Update)
            return m_recentFiles->OnUpdateRecentFile(item);
        return m_recentFiles->FindListByCommandId(id) != nullptr;
    }
    return CWinApp::OnCmdMsg(id, request, item);
}

void CVellumorApp::AddToRecentFileList(const wchar_t* path)
{
    if (m_recentFiles)
        m_recentFiles->AddToRecentFileList(path);
}

CMainFrame* CVellumorApp::OpenDocumentFile(const wchar_t* path)
{
    if (!path || !m_frame)
        return nullptr;
    return m_frame->LoadConfiguration(path) ? m_frame.get() : nullptr;
}

const CCommandMap* CVellumorApp::GetCommandMap() const
{
    static const CCommandMap map = CCommandMapOf<CVellumorApp>(CWinApp::GetCommandMap())
                                       .On(ID_APP_ABOUT, &CVellumorApp::OnAppAbout)
                                       .On(ID_TOOLS_OPTIONS, &CVellumorApp::OnOptions)
                                       .On(ID_FILE_PAGE_SETUP, &CVellumorApp::OnPageSetup);
    return &map;
}

void CVellumorApp::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
}

// The dialog edits the controller's options: the output window follows them at once and a
// later Save Configuration writes them.
void CVellumorApp::OnOptions()
{
    CLocalController* controller = GetLocalController();
    if (!controller)
        return;
    AppCreateMainDialogs()->ShowOptions(controller->GetGlobalOptions());
    if (m_frame)
        m_frame->TrimOutput();
}

// The printer chosen here is the one the output window prints to next.
void CVellumorApp::OnPageSetup()
{
    PrintSetupChoice choice;
    AppPrintSetup(m_frame ? m_frame->GetSafeHwnd() : nullptr, choice);
}
