#pragma once
// CVellumorApp: the application object of the main program. It prepares the process (the
// profile, the recent-configuration list, the screen saver's picture folder, sockets,
// DirectX and the audio capture device), makes the capture controller over the managers
// and the main frame, and owns About, Options, Page Setup and the opening of a
// configuration file from the recent list.
#include "app/CAppCaptureDialogs.h"
#include "framework/CWinApp.h"

#include <memory>

class CMainFrame;
class CMruFileManager;

class CVellumorApp : public CWinApp
{
public:
    static const wchar_t* const kDefaultConfigName;
    static const wchar_t* const kRecentSection;

    CVellumorApp();
    ~CVellumorApp() override;

    // The start-up; false ends the program.
    bool InitInstance();
    // The frame, the controller and the recent list go (the list is written to the profile).
    void ExitInstance();

    bool OnCmdMsg(UINT id, CmdRequest request, CCmdUI* item) override;
    // Adds the file to the recent list that accepts it.
    void AddToRecentFileList(const wchar_t* path);
    // Loads the configuration file into the main frame; null (the failure shown) when
    // it could not be loaded.
    CMainFrame* OpenDocumentFile(const wchar_t* path);

    CMainFrame* GetMainFrame() const { return m_frame.get(); }
    CAppCaptureDialogs& GetCaptureDialogs() { return m_captureDialogs; }

protected:
    const CCommandMap* GetCommandMap() const override;

private:
    void PrepareRecentList();
    void WriteScreenSaverFolder();
    void CheckComponents(bool socketsStarted);
    void CreateController();

    void OnAppAbout();
    void OnOptions();
    void OnPageSetup();

    CAppCaptureDialogs m_captureDialogs;
    std::unique_ptr<CMruFileManager> m_recentFiles;
    std::unique_ptr<CMainFrame> m_frame;
};

CVellumorApp* AppGetVellumorApp();
