// The registry-recording manager of the job runner: its states and fixed results, its
// stop timer, and the preparation of its numbered ".vrf" file and folder.
#include "runjobs/CJobRegistryRecordingManager.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"
#include "testing/TestPump.h"

#include <gtest/gtest.h>

TEST(JobRegistryRecordingTest, OperationsSetTheStateAndGiveFixedResults)
{
    CJobRegistryRecordingManager manager;
    EXPECT_EQ(2, manager.StartRecording());
    EXPECT_EQ(CJobRegistryRecordingManager::kStopped, manager.GetState()) << "a start records nothing";
    struct Step
    {
        const char* name;
        std::function<bool(CJobRegistryRecordingManager&)> run;
        int state;
        bool recording;
        bool paused;
    };
    const Step steps[] = {
        {"resume", [](CJobRegistryRecordingManager& m) { return m.ResumeRecording(); }, 2, true, false},
        {"pause", [](CJobRegistryRecordingManager& m) { return m.PauseRecording(); }, 1, false, true},
        {"stop after pause", [](CJobRegistryRecordingManager& m) { return m.StopRecording(); }, 0, false, false},
    };
    for (const Step& step : steps)
    {
        EXPECT_FALSE(step.run(manager)) << step.name;
        EXPECT_EQ(step.state, manager.GetState()) << step.name;
        EXPECT_EQ(step.recording, manager.IsRecording()) << step.name;
        EXPECT_EQ(step.paused, manager.IsRecordingPaused()) << step.name;
    }
    EXPECT_EQ(1, manager.RollBack());
    EXPECT_FALSE(manager.IsRollingBack());
}

TEST(JobRegistryRecordingTest, TheStopTimerStopsARecordingThatRuns)
{
    CJobRegistryRecordingManager manager;
    manager.ResumeRecording();
    manager.StartStopTimer(1);
    ASSERT_TRUE(manager.GetTimer());
    EXPECT_EQ(2000u, manager.GetTimer()->GetRemaining());
    EXPECT_TRUE(PumpUntil([&] { return manager.GetState() == CJobRegistryRecordingManager::kStopped; }));
}

TEST(JobRegistryRecordingTest, PreparationNumbersAnExistingFileAndCreatesOrRefusesTheFolder)
{
    TestFolder folder;
    CJobRegistryRecordingManager manager;
    InfoRegistryRecording record = manager.GetRecording();
    record.RecPath = folder.Path();
    record.RecFName = L"keys";
    record.RecOverwrite = false;
    WriteBytes(folder / L"keys.vrf", "old");
    CString path, error;
    ASSERT_TRUE(manager.PrepareOutputFile(record, path, error)) << error.ToAnsi();
    EXPECT_EQ(folder / L"keys1.vrf", path);

    record.RecOverwrite = true;
    ASSERT_TRUE(manager.PrepareOutputFile(record, path, error));
    EXPECT_EQ(folder / L"keys.vrf", path);

    record.RecPath = folder / L"new\\deeper";
    ASSERT_TRUE(manager.PrepareOutputFile(record, path, error)) << error.ToAnsi();
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(folder / L"new\\deeper"));

    // A folder below a file cannot be made.
    record.RecPath = folder / L"keys.vrf\\sub";
    path.Empty();
    EXPECT_FALSE(manager.PrepareOutputFile(record, path, error));
    EXPECT_FALSE(error.IsEmpty());
    EXPECT_TRUE(path.IsEmpty());
}
