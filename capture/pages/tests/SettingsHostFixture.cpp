#include "capture/pages/tests/SettingsHostFixture.h"

#include "capture/destinations/CImageDestinations.h"
#include "framework/AppMainWnd.h"
#include "framework/AppWindowText.h"

void SettingsHostTest::SetUp()
{
    // The page tests' registry is private to the program; every test starts from the defaults.
    RegDeleteTreeW(HKEY_CURRENT_USER, INFO_REGISTRY_ROOT);
    CoInitialize(nullptr);
    const RECT place = {20, 20, 580, 440};
    ASSERT_TRUE(m_host.CreateEx(0, AppRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW),
                                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                                L"Settings host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, place, nullptr, 0));
    AppSetMainWnd(m_host);
    SetForegroundWindow(m_host);
    SetCapturePageHost(this);
    MakeController();
    m_sheet = std::make_unique<CPSheetCaptureSettings>();
    ASSERT_TRUE(m_sheet->Create(m_host));
}

void SettingsHostTest::TearDown()
{
    m_sheet.reset();
    m_host.controller = nullptr;
    m_controller.reset();
    SetCapturePageHost(nullptr);
    AppSetMainWnd(nullptr);
    m_host.DestroyWindow();
    CoUninitialize();
}

void SettingsHostTest::MakeController(std::unique_ptr<ITrainingCaptureManager> training,
                                      std::unique_ptr<IMovieCaptureManager> movie)
{
    m_host.controller = nullptr;
    m_controller.reset();
    CaptureManagers managers;
    managers.screen = std::make_unique<CScreenCaptureManager>(std::make_unique<CImageDestinations>(), m_dialogs);
    m_training = training ? nullptr : new controller_test::FakeTraining;
    managers.training = training ? std::move(training) : std::unique_ptr<ITrainingCaptureManager>(m_training);
    m_movie = movie ? nullptr : new controller_test::FakeMedia;
    managers.movie = movie ? std::move(movie) : std::unique_ptr<IMovieCaptureManager>(m_movie);
    m_audio = new FakeMediaWithRecord<InfoAudioPlaying>;
    m_video = new FakeMediaWithRecord<InfoVideoPlaying>;
    managers.audio.reset(m_audio);
    managers.video.reset(m_video);
    m_controller = std::make_unique<CLocalController>(std::move(managers));
    m_controller->SetHost(this);
    m_host.controller = m_controller.get();
}

CScreenCaptureManagerBase* SettingsHostTest::GetScreenCaptureManager()
{
    return m_controller ? m_controller->GetScreenManager() : nullptr;
}

bool SettingsHostTest::SelectRecordType(EnumSendParam type)
{
    Show(type);
    return true;
}

void SettingsHostTest::Show(int type, int activePage)
{
    m_sheet->ShowPages(type, activePage, true);
}

HWND SettingsHostTest::Item(int page, UINT id)
{
    CPropertyPage* shown = m_sheet->GetPage(page);
    return shown ? shown->GetDlgItem(id) : nullptr;
}

CString SettingsHostTest::Text(int page, UINT id)
{
    return AppGetWindowText(Item(page, id));
}

CPPageSettsCommonTime& SettingsHostTest::TimePage()
{
    CPPageSettsCommonTime* page = m_sheet->GetTimePage();
    EXPECT_NE(nullptr, page);
    return *page;
}

InfoScSettings SettingsHostTest::StoredSettings()
{
    InfoScSettings stored;
    stored.LoadFromRegistry();
    return stored;
}
