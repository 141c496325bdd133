#pragma once
// CVellScreenSaverWnd: the picture show. It shows the current picture (or the image pool's
// pictures in turn) over its client area and animates it with one of fifteen effects:
// fire, plasma or water overlays drawn on its own thread every 30 ms, ten pixel-by-pixel
// reveals run by a worker thread, or a mosaic revealed cell by cell.
//
// Settings are kept twice: "pending" as last read from the registry, "current" as the
// running show uses them; applying copies pending to current. Timer 5950 re-reads them
// (the settings dialog sets it after each change); the show restarts when they changed.
//
// Reveal worker protocol: the window composes the picture into the memory DC, hands the
// DC, its own window DC, the code and the rectangle to the worker through the shared data
// monitor and starts it; the worker only reads the memory DC and sets pixels in the window
// DC. Before the memory DC is remade or the window destroyed the window sets the DC's stop
// flag and joins the worker.
#include "common/CMemoryDC.h"
#include "framework/CImage.h"
#include "screensaver/CDIBSectionLite.h"
#include "screensaver/CFireRoutine.h"
#include "screensaver/CPlasmaRoutine.h"
#include "screensaver/CScreenSaverWndBase.h"
#include "screensaver/CWaterRoutine.h"
#include "screensaver/ScreenSaverSettings.h"

#include <memory>
#include <thread>
#include <vector>

class CVellScreenSaverWnd : public CScreenSaverWndBase
{
public:
    enum TimerId : UINT_PTR
    {
        kReadTimer = 5950,
        kMosaicTimer = 5951,
        kMosaicDoneTimer = 5952,
        kRevealWatchTimer = 5953,
        kRevealDoneTimer = 5954,
        kOverlayTimer = 5955,
        kDropTimer = 5956,
        kWaterTimer = 5957,
        kPoolTimer = 5958
    };

    explicit CVellScreenSaverWnd(RandomSource random = DefaultRandomSource());
    ~CVellScreenSaverWnd() override;

    // Sets timer 5950 to the period (the settings dialog asks for a re-read this way).
    void RequestRead(UINT periodMs);
    // Starts (pool time) or stops the pool timer 5958.
    void EnablePoolTimer(bool enable);

    // What tests and the benchmark look at or drive.
    const ScreenSaverSettings& Current() const { return m_current; }
    const RECT& PictureRectangle() const { return m_rect; }
    bool HasPicture() const { return !m_picture.IsNull(); }
    const CString& LoadedName() const { return m_loadedName; }
    bool IsRevealRunning() const { return m_worker.joinable() && m_memory && m_memory->IsBusy(); }
    int MosaicCount() const { return m_mosaicCount; }
    // Reads the settings and restarts the show at once (the first firing of 5950).
    void ReadAndRestart();
    // Steps of the effects, as their timers run them.
    void MosaicStep();
    void OverlayFrame();
    void WaterFrame();
    void WaterDrop();
    // Composes the picture into the memory DC and the window; false without a picture.
    bool Compose();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCreated() override;

private:
    void OnTimer(UINT_PTR id);
    void OnPaint();
    void ReadSettings();
    void LoadPicture(const CString& path);
    bool SettingsChanged() const;
    void Apply();
    void RestartShow();
    void NextPoolPicture();
    void AdvancePoolName();
    void StartEffectTimers();
    void StartReveal();
    void StopReveal();
    bool CreateAnimation();
    void ReleaseAnimation();
    void DrawWork();
    void KillTimers();

    ScreenSaverSettings m_pending;
    ScreenSaverSettings m_current;
    std::vector<CString> m_poolList;
    CString m_poolText;
    CString m_currentPoolText;
    int m_poolPosition = -1;
    bool m_started = false;

    CImage m_picture;
    CString m_loadedName; // the picture's name as loaded; the logo's name for the logo
    RECT m_rect = {};
    std::unique_ptr<CMemoryDC> m_memory;
    CDIBSectionLite m_source;
    CDIBSectionLite m_work;
    RandomSource m_random;
    std::unique_ptr<CWaterRoutine> m_water;
    std::unique_ptr<CFireRoutine> m_fire;
    std::unique_ptr<CPlasmaRoutine> m_plasma;
    int m_mosaicCount = 0;
    bool m_busy = false;
    bool m_mosaicTick = false;

    std::thread m_worker;
    HDC m_workerDC = nullptr;
};
