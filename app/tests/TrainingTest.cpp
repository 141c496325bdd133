// Training capture from the main window: Record in the training kind, given as a command or
// as the Ctrl+Shift+F9 hot key, records the user's input into the record's ".vtf" file until
// the record's duration ends it.
#include "app/AppIds.h"
#include "app/tests/ProfileFixture.h"
#include "Info/InfoCBTRecording.h"
#include "testing/TestFolder.h"

namespace app_test
{
namespace
{
const wchar_t kCommonKey[] = L"Software\\Talvono Software\\Talvono Vellumor\\Common";
const wchar_t* const kChoiceValues[] = {L"CaptType", L"CBTType"};

class TrainingTest : public ProfileFixture
{
protected:
    void SetUp() override
    {
        ProfileFixture::SetUp();
        savedRecording.LoadFromRegistry();
        for (int i = 0; i < 2; ++i)
            hadChoice[i] = Read(kChoiceValues[i], savedChoice[i]);
    }
    void TearDown() override
    {
        ProfileFixture::TearDown();
        savedRecording.SaveToRegistry(0);
        for (int i = 0; i < 2; ++i)
            if (hadChoice[i])
                Write(kChoiceValues[i], savedChoice[i]);
            else
                RegDeleteKeyValueW(HKEY_CURRENT_USER, kCommonKey, kChoiceValues[i]);
    }
    static bool Read(const wchar_t* name, DWORD& value)
    {
        DWORD size = sizeof value;
        return RegGetValueW(HKEY_CURRENT_USER, kCommonKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
               ERROR_SUCCESS;
    }
    static void Write(const wchar_t* name, DWORD value)
    {
        RegSetKeyValueW(HKEY_CURRENT_USER, kCommonKey, name, REG_DWORD, &value, sizeof value);
    }

    // The training kind with recording chosen, recording for two seconds into the folder;
    // then the program starts.
    void StartForRecording()
    {
        InfoCBTRecording recording(L"session", folder.Path(), true, false, L"", L"", L"", false, false, 2, false);
        ASSERT_TRUE(recording.SaveToRegistry(0));
        Write(L"CaptType", 2);
        Write(L"CBTType", 1);
        StartProgram();
    }
    // Mouse moves are the session's events; true once the recording has written its file.
    bool MovesReachTheTrainingFile(DWORD limitMs = 30000) const
    {
        const CString file = folder / L"session.vtf";
        int step = 0;
        return WaitFor([&] {
            INPUT move = {};
            move.type = INPUT_MOUSE;
            move.mi.dx = (step++ % 2) ? 5 : -5;
            move.mi.dwFlags = MOUSEEVENTF_MOVE;
            SendInput(1, &move, sizeof move);
            return GetFileAttributesW(file) != INVALID_FILE_ATTRIBUTES;
        }, limitMs);
    }
    // The keys go in one batch: the system takes them in order, and nothing else comes
    // between the modifiers' presses and F9's.
    static void PressCtrlShiftF9()
    {
        const WORD keys[][2] = {{VK_CONTROL, 0}, {VK_SHIFT, 0}, {VK_F9, 0}, {VK_F9, KEYEVENTF_KEYUP},
                                {VK_SHIFT, KEYEVENTF_KEYUP}, {VK_CONTROL, KEYEVENTF_KEYUP}};
        INPUT inputs[6] = {};
        for (int i = 0; i < 6; ++i)
        {
            inputs[i].type = INPUT_KEYBOARD;
            inputs[i].ki.wVk = keys[i][0];
            inputs[i].ki.dwFlags = keys[i][1];
        }
        SendInput(6, inputs, sizeof inputs[0]);
    }
    // How long the program's window takes to answer a message: a busy window thread also
    // keeps the low-level hook from being called.
    DWORD AnswerTime()
    {
        const DWORD start = GetTickCount();
        DWORD_PTR result = 0;
        SendMessageTimeoutW(program.Window(), WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result);
        return GetTickCount() - start;
    }

    TestFolder folder;
    InfoCBTRecording savedRecording;
    DWORD savedChoice[2] = {};
    bool hadChoice[2] = {};
};

TEST_F(TrainingTest, RecordWritesTheUsersInputIntoTheTrainingFile)
{
    ASSERT_NO_FATAL_FAILURE(StartForRecording());
    program.Post(ID_CAPTURE_RECORD);
    EXPECT_TRUE(MovesReachTheTrainingFile());
    EXPECT_TRUE(program.Boxes().empty());
}

// In the training kind a low-level hook turns Ctrl+Shift+F9 into Record.
TEST_F(TrainingTest, CtrlShiftF9StartsTheRecording)
{
    // The program has started once its window thread takes input: the hook is called there.
    ASSERT_NO_FATAL_FAILURE(StartForRecording());
    // The system skips a low-level hook that does not answer in time, as it may on a loaded
    // machine, so the keys are pressed again while no recording came of them. While the
    // program records, its hot keys are off: a press then is recorded like any key.
    bool recorded = false;
    std::string answers;
    for (int attempt = 0; attempt < 4 && !recorded; ++attempt)
    {
        answers += std::to_string(AnswerTime()) + " ms ";
        PressCtrlShiftF9();
        recorded = MovesReachTheTrainingFile(10000);
    }
    EXPECT_TRUE(recorded) << "The window answered in " << answers << program.Describe().GetString();
    EXPECT_TRUE(program.Boxes().empty());
}
} // namespace
} // namespace app_test
