// Where the pages of types 18..25 find their live records when the host keeps none of
// its own: the managers of the program's controller.
#include "capture/controller/CLocalController.h"
#include "capture/movie/CPresentationManager.h"
#include "capture/pages/ICapturePageHost.h"

#include <gtest/gtest.h>

namespace
{
class ProgramHost : public ICapturePageHost
{
public:
    CScreenCaptureManagerBase* GetScreenCaptureManager() override { return nullptr; }
    void ShowActionMenu() override {}
    bool SelectRecordType(EnumSendParam) override { return false; }
};

TEST(CapturePageHost, TheControllersManagersHoldTheLiveRecords)
{
    ProgramHost host;
    EXPECT_EQ(nullptr, host.GetCaptureRecord(SP_PRESENTATION_RECORDING));

    CaptureManagers managers;
    managers.movie.reset(new CPresentationManager(nullptr));
    SetLocalController(std::unique_ptr<CLocalController>(new CLocalController(std::move(managers))));
    IMovieCaptureManager* movie = GetLocalController()->GetMovieManager();
    SetCapturePageHost(&host);
    EXPECT_EQ(movie->GetLiveRecord(true), GetLiveCaptureRecord(SP_PRESENTATION_RECORDING));
    EXPECT_EQ(movie->GetLiveRecord(false), GetLiveCaptureRecord(SP_PRESENTATION_PLAYING));
    EXPECT_NE(nullptr, GetLiveCaptureRecord(SP_PRESENTATION_PLAYING));
    // A kind this controller has no manager for, and a type that is no capture record.
    EXPECT_EQ(nullptr, GetLiveCaptureRecord(SP_AUDIO_RECORDING));
    EXPECT_EQ(nullptr, GetLiveCaptureRecord(SP_SC_FILE));
    SetCapturePageHost(nullptr);
    SetLocalController(nullptr);
}
} // namespace
