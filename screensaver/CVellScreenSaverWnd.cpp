#include "screensaver/CVellScreenSaverWnd.h"

#include "framework/AppMessageBox.h"
#include "framework/AppModule.h"
#include "framework/Handles.h"
#include "screensaver/CEnBitmap.h"
#include "screensaver/CImageFlipper.h"
#include "screensaver/CImagePoolFile.h"
#include "screensaver/CScreenSaverDataMonitor.h"
#include "screensaver/ScreenSaverLayout.h"
#include "screensaver/resource.h"

#include <algorithm>
#include <future>

namespace
{
const UINT kReadPeriod = 200;
const UINT kRevealWatchPeriod = 3500;
const UINT kMosaicPause = 3000;
const UINT kFramePeriod = 30;

bool FileExists(const CString& path)
{
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

CVellScreenSaverWnd::CVellScreenSaverWnd(RandomSource random) : m_random(std::move(random))
{
    m_current = m_pending;
}

CVellScreenSaverWnd::~CVellScreenSaverWnd()
{
    StopReveal();
}

void CVellScreenSaverWnd::OnCreated()
{
    SetTimer(GetSafeHwnd(), kReadTimer, kReadPeriod, nullptr);
}

void CVellScreenSaverWnd::RequestRead(UINT periodMs)
{
    SetTimer(GetSafeHwnd(), kReadTimer, periodMs, nullptr);
}

void CVellScreenSaverWnd::EnablePoolTimer(bool enable)
{
    if (enable)
        SetTimer(GetSafeHwnd(), kPoolTimer, m_current.poolTime, nullptr);
    else
        KillTimer(GetSafeHwnd(), kPoolTimer);
}

LRESULT CVellScreenSaverWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_DESTROY:
        StopReveal();
        KillTimers();
        break;
    default:
        break;
    }
    return CScreenSaverWndBase::WindowProc(message, wParam, lParam);
}

void CVellScreenSaverWnd::OnTimer(UINT_PTR id)
{
    HWND window = GetSafeHwnd();
    switch (id)
    {
    case kReadTimer:
        if (m_mosaicTick)
            return;
        ReadSettings();
        if (!m_started || SettingsChanged())
        {
            m_started = true;
            RestartShow();
        }
        Apply();
        KillTimer(window, kReadTimer);
        break;
    case kMosaicTimer:
        m_mosaicTick = true;
        MosaicStep();
        m_mosaicTick = false;
        break;
    case kMosaicDoneTimer:
    case kRevealDoneTimer:
        KillTimer(window, id);
        if (m_current.pool)
            NextPoolPicture();
        else
            RestartShow();
        break;
    case kRevealWatchTimer:
        if (!m_memory || !m_memory->IsBusy())
        {
            KillTimer(window, kRevealWatchTimer);
            SetTimer(window, kRevealDoneTimer, m_current.pool ? m_current.poolTime : m_current.freqDisplay, nullptr);
        }
        break;
    case kOverlayTimer:
        OverlayFrame();
        break;
    case kDropTimer:
        WaterDrop();
        break;
    case kWaterTimer:
        WaterFrame();
        break;
    case kPoolTimer:
        if (m_current.pool)
        {
            SetTimer(window, kReadTimer, m_current.poolTime, nullptr);
            AdvancePoolName();
        }
        break;
    default:
        break;
    }
}

void CVellScreenSaverWnd::OnPaint()
{
    if (IsAnimatedEffect(m_current.effect))
    {
        if (!m_work.IsEmpty() && !m_busy)
            DrawWork();
        CScreenSaverWndBase::WindowProc(WM_PAINT, 0, 0);
        return;
    }
    CScreenSaverWndBase::WindowProc(WM_PAINT, 0, 0);
    RestartShow();
}

void CVellScreenSaverWnd::ReadSettings()
{
    m_pending.Read();
    const CString folder = ReadScreenSaverFolder();
    if (!m_pending.pool)
    {
        m_pending.name = m_pending.image;
        LoadPicture(folder.IsEmpty() ? CString() : folder + L"\\" + m_pending.name + L".bmp");
        return;
    }
    if (m_pending.poolListNamed)
    {
        std::vector<CString> list;
        switch (CImagePoolFile::Read(ImagePoolFilePath(folder), list))
        {
        case CImagePoolFile::ReadDone:
            m_poolList = list;
            break;
        case CImagePoolFile::ReadFailed:
            AppMessageBox(IDS_POOL_LOAD, MB_ICONEXCLAMATION);
            break;
        default:
            break;
        }
    }
    m_poolText = CImagePoolFile::Join(m_poolList);
    // A name from outside the pool (the show's start, or a pool just switched on or
    // rewritten) gives way to the pool's next picture: the logo for an empty pool.
    if (std::find(m_poolList.begin(), m_poolList.end(), m_pending.name) == m_poolList.end())
        AdvancePoolName();
    LoadPicture(m_pending.name);
}

void CVellScreenSaverWnd::LoadPicture(const CString& path)
{
    const CString& name = m_pending.name;
    const bool logo = name.CompareNoCase(kScreenSaverLogoName) == 0;
    if (!path.IsEmpty() && !logo && FileExists(path))
    {
        if (HasPicture() && m_loadedName.CompareNoCase(name) != 0)
            m_picture.Destroy();
        if (HasPicture())
            return;
        if (SUCCEEDED(m_picture.Load(path)))
        {
            m_loadedName = name;
            return;
        }
    }
    else if ((logo || name.IsEmpty()) && m_loadedName != kScreenSaverLogoName)
    {
        m_picture.Destroy();
    }
    if (HasPicture())
        return;
    HANDLE bitmap = LoadImageW(AppGetResourceHandle(), MAKEINTRESOURCEW(IDB_LOGO), IMAGE_BITMAP, 0, 0,
                               LR_CREATEDIBSECTION);
    if (bitmap && m_picture.Attach(static_cast<HBITMAP>(bitmap)))
        m_loadedName = kScreenSaverLogoName;
}

bool CVellScreenSaverWnd::SettingsChanged() const
{
    return m_pending.name.CompareNoCase(m_current.name) != 0 || m_poolText != m_currentPoolText ||
           m_pending.pool != m_current.pool || m_pending.effect != m_current.effect ||
           m_pending.origSize != m_current.origSize || m_pending.matrix != m_current.matrix;
}

void CVellScreenSaverWnd::Apply()
{
    if (m_fire && m_pending.alphaFire != m_current.alphaFire)
        m_fire->SetAlpha(m_pending.alphaFire);
    if (m_plasma && m_pending.alphaPlasma != m_current.alphaPlasma)
        m_plasma->SetAlpha(m_pending.alphaPlasma);
    const bool waterChanged = m_pending.freqWater != m_current.freqWater;
    m_current = m_pending;
    m_currentPoolText = m_poolText;
    if (waterChanged && m_current.effect == SSE_WATER)
        SetTimer(GetSafeHwnd(), kDropTimer, m_current.freqWater, nullptr);
}

void CVellScreenSaverWnd::KillTimers()
{
    for (UINT_PTR id = kReadTimer; id <= kPoolTimer; ++id)
        KillTimer(GetSafeHwnd(), id);
}

void CVellScreenSaverWnd::RestartShow()
{
    StopReveal();
    m_mosaicCount = 0;
    KillTimers();
    if (m_water)
        m_water->ClearHeights();
    if (IsAnimatedEffect(m_pending.effect) != IsAnimatedEffect(m_current.effect))
        ReleaseAnimation();
    Apply();
    RECT client;
    GetClientRect(GetSafeHwnd(), &client);
    FillRect(CClientDCHandle(GetSafeHwnd()), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (Compose())
        StartEffectTimers();
    HWND window = GetSafeHwnd();
    if (m_current.pool)
    {
        SetTimer(window, kReadTimer, m_current.poolTime, nullptr);
        SetTimer(window, kPoolTimer, m_current.poolTime, nullptr);
    }
    else
    {
        SetTimer(window, kReadTimer, kReadPeriod, nullptr);
    }
}

void CVellScreenSaverWnd::StartEffectTimers()
{
    HWND window = GetSafeHwnd();
    const int effect = m_current.effect;
    if (effect == SSE_MOSAIC)
        SetTimer(window, kMosaicTimer, MosaicPeriod(m_current.MosaicSize()), nullptr);
    else if (TransitionCode(effect))
        SetTimer(window, kRevealWatchTimer, kRevealWatchPeriod, nullptr);
    else if (effect == SSE_FIRE || effect == SSE_PLASMA)
        SetTimer(window, kOverlayTimer, kFramePeriod, nullptr);
    else if (effect == SSE_WATER)
    {
        SetTimer(window, kDropTimer, m_current.freqWater, nullptr);
        SetTimer(window, kWaterTimer, kFramePeriod, nullptr);
    }
}

void CVellScreenSaverWnd::NextPoolPicture()
{
    AdvancePoolName();
    ReadSettings();
    if (SettingsChanged())
        RestartShow();
    Apply();
}

void CVellScreenSaverWnd::AdvancePoolName()
{
    if (m_poolList.empty())
    {
        m_pending.name.Empty();
        return;
    }
    m_poolPosition = (m_poolPosition + 1) % static_cast<int>(m_poolList.size());
    m_pending.name = m_poolList[m_poolPosition];
}

bool CVellScreenSaverWnd::Compose()
{
    StopReveal();
    if (!HasPicture())
        return false;
    HWND window = GetSafeHwnd();
    CClientDCHandle dc(window);
    RECT client;
    GetClientRect(window, &client);
    const int width = std::max<int>(GetSystemMetrics(SM_CXSCREEN), client.right);
    const int height = std::max<int>(GetSystemMetrics(SM_CYSCREEN), client.bottom);
    m_memory = std::make_unique<CMemoryDC>();
    if (!m_memory->CreateCopyOf(dc, width, height))
        return false;
    m_rect = PictureRect(client, m_picture.GetWidth(), m_picture.GetHeight(), m_current.origSize);
    HDC pictureDC = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(pictureDC, m_picture);
    HDC memory = m_memory->GetMainDC();
    SetStretchBltMode(memory, COLORONCOLOR);
    StretchBlt(memory, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, pictureDC, 0,
               0, m_picture.GetWidth(), m_picture.GetHeight(), SRCCOPY);
    SelectObject(pictureDC, old);
    DeleteDC(pictureDC);

    const int effect = m_current.effect;
    const int rectWidth = m_rect.right - m_rect.left, rectHeight = m_rect.bottom - m_rect.top;
    if (effect == SSE_NONE || IsAnimatedEffect(effect))
        m_memory->BitBltTo(dc, m_rect.left, m_rect.top, rectWidth, rectHeight, m_rect.left, m_rect.top);
    if (IsAnimatedEffect(effect))
        return CreateAnimation();
    if (TransitionCode(effect))
        StartReveal();
    return true;
}

void CVellScreenSaverWnd::StartReveal()
{
    m_workerDC = GetDC(GetSafeHwnd());
    CScreenSaverDataMonitor::Reveal reveal;
    reveal.source = m_memory.get();
    reveal.target = m_workerDC;
    reveal.code = TransitionCode(m_current.effect);
    reveal.rect = m_rect;
    CScreenSaverDataMonitor::Global().Set(reveal);
    // The shared data is this window's until its worker has taken a copy.
    std::promise<void> taken;
    std::future<void> copied = taken.get_future();
    m_worker = std::thread([taken = std::move(taken)]() mutable {
        CScreenSaverDataMonitor::Reveal job = CScreenSaverDataMonitor::Global().Get();
        taken.set_value();
        job.source->RunTransition(job.code, job.target, job.rect);
    });
    copied.wait();
}

void CVellScreenSaverWnd::StopReveal()
{
    if (m_worker.joinable())
    {
        m_memory->RequestStop();
        m_worker.join();
    }
    if (m_workerDC)
        ReleaseDC(GetSafeHwnd(), m_workerDC);
    m_workerDC = nullptr;
}

bool CVellScreenSaverWnd::CreateAnimation()
{
    ReleaseAnimation();
    const int width = m_rect.right - m_rect.left, height = m_rect.bottom - m_rect.top;
    if (!m_source.Create(width, height) || !m_work.Create(width, height))
        return false;
    m_water = std::make_unique<CWaterRoutine>(m_random);
    m_water->Create(width, height);
    m_fire = std::make_unique<CFireRoutine>(m_random);
    m_fire->SetAlpha(m_current.alphaFire);
    m_fire->Init(width, height);
    m_plasma = std::make_unique<CPlasmaRoutine>();
    m_plasma->SetAlpha(m_current.alphaPlasma);
    m_plasma->Init(width, height);

    // Upside down and read top row first into the bottom-up sections: upright on screen.
    CEnBitmap picture;
    if (!picture.CopyImage(m_picture, RGB(255, 255, 255)))
        return false;
    picture.Attach(CImageFlipper::FlipVertical(picture.GetBitmap()));
    const std::vector<DWORD> pixels = picture.GetPixels(width, height);
    if (pixels.empty())
        return false;
    m_source.Fill(pixels.data());
    m_work.Fill(pixels.data());
    return true;
}

void CVellScreenSaverWnd::ReleaseAnimation()
{
    m_source.Delete();
    m_work.Delete();
    m_water.reset();
    m_fire.reset();
    m_plasma.reset();
}

void CVellScreenSaverWnd::DrawWork()
{
    m_work.Draw(CClientDCHandle(GetSafeHwnd()), m_rect.left, m_rect.top);
}

void CVellScreenSaverWnd::MosaicStep()
{
    const int n = m_current.MosaicSize();
    const int* order = MosaicOrder(n);
    if (!m_memory || !order || m_mosaicCount >= n * n)
        return;
    const RECT cell = MosaicCellRect(m_rect, n, order[m_mosaicCount]);
    m_memory->BitBltTo(CClientDCHandle(GetSafeHwnd()), cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top,
                       cell.left, cell.top);
    if (++m_mosaicCount < n * n)
        return;
    KillTimer(GetSafeHwnd(), kMosaicTimer);
    if (m_current.pool)
        SetTimer(GetSafeHwnd(), kRevealDoneTimer, m_current.poolTime, nullptr);
    else
        SetTimer(GetSafeHwnd(), kMosaicDoneTimer, kMosaicPause, nullptr);
}

void CVellScreenSaverWnd::OverlayFrame()
{
    if (m_busy || m_work.IsEmpty() || !m_water)
        return;
    m_busy = true;
    m_water->ClearHeights();
    m_water->Render(m_source.Bits(), m_work.Bits());
    if (m_current.effect == SSE_FIRE)
        m_fire->Render(m_work.Bits());
    else
        m_plasma->Render(m_work.Bits());
    DrawWork();
    m_busy = false;
}

void CVellScreenSaverWnd::WaterFrame()
{
    if (m_busy || m_work.IsEmpty() || !m_water)
        return;
    m_busy = true;
    m_water->Render(m_source.Bits(), m_work.Bits());
    DrawWork();
    m_busy = false;
}

void CVellScreenSaverWnd::WaterDrop()
{
    if (m_water)
        m_water->Drop();
}

void CVellScreenSaverWnd::ReadAndRestart()
{
    ReadSettings();
    m_started = true;
    RestartShow();
    Apply();
}
