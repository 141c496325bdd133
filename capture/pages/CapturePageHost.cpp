#include "capture/pages/ICapturePageHost.h"

#include "capture/controller/CLocalController.h"
#include "capture/selection/CScreenCaptureManagerBase.h"

namespace
{
ICapturePageHost* g_host = nullptr;
}

ICapturePageHost* GetCapturePageHost()
{
    return g_host;
}

void SetCapturePageHost(ICapturePageHost* host)
{
    g_host = host;
}

SendParam* GetLiveDestinationRecord(EnumSendParam type)
{
    CScreenCaptureManagerBase* manager = g_host ? g_host->GetScreenCaptureManager() : nullptr;
    return manager ? manager->GetRecord(type) : nullptr;
}

void ShowHostActionMenu()
{
    if (g_host)
        g_host->ShowActionMenu();
}

CLocalController* ICapturePageHost::GetController()
{
    return GetLocalController();
}

SendParam* ICapturePageHost::GetCaptureRecord(EnumSendParam type)
{
    CLocalController* controller = GetController();
    if (!controller)
        return nullptr;
    const bool recorder = type % 2 == 0;
    switch (type)
    {
    case SP_CBT_RECORDING:
    case SP_CBT_PLAYING:
        return controller->GetTrainingManager() ? controller->GetTrainingManager()->GetLiveRecord(recorder) : nullptr;
    case SP_AUDIO_RECORDING:
    case SP_AUDIO_PLAYING:
        return controller->GetAudioManager() ? controller->GetAudioManager()->GetLiveRecord(recorder) : nullptr;
    case SP_VIDEO_RECORDING:
    case SP_VIDEO_PLAYING:
        return controller->GetVideoManager() ? controller->GetVideoManager()->GetLiveRecord(recorder) : nullptr;
    case SP_PRESENTATION_RECORDING:
    case SP_PRESENTATION_PLAYING:
        return controller->GetMovieManager() ? controller->GetMovieManager()->GetLiveRecord(recorder) : nullptr;
    default:
        return nullptr;
    }
}

SendParam* GetLiveCaptureRecord(EnumSendParam type)
{
    return g_host ? g_host->GetCaptureRecord(type) : nullptr;
}

CLocalController* GetHostController()
{
    return g_host ? g_host->GetController() : nullptr;
}

InfoScSettings* GetHostScreenSettings()
{
    CLocalController* controller = GetHostController();
    CScreenCaptureManager* screen = controller ? controller->GetScreenManager() : nullptr;
    return screen ? screen->GetSettings() : nullptr;
}
