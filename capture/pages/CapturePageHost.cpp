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
