// The wizard's way and checks as plain functions: Next and Back on every path, and each
// page check's cases with its exact text.
#include "VellWizSchTask/WizardChecks.h"
#include "VellWizSchTask/WizardPath.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
std::vector<int> WalkNext(const WizardChoices& choices)
{
    std::vector<int> pages = {kPageIntro};
    while (pages.back() != kPageFinish && pages.size() < 20)
    {
        const int next = WizardNextPage(pages.back(), choices);
        if (next < 0)
            break;
        pages.push_back(next);
    }
    return pages;
}

std::string Text(const std::vector<int>& pages)
{
    std::string text;
    for (int page : pages)
        text += std::to_string(page) + " ";
    return text;
}

// Every combination of the choices that decide the way.
std::vector<WizardChoices> AllChoices()
{
    std::vector<WizardChoices> all;
    for (int trigger = 0; trigger <= 4; ++trigger)
    {
        WizardChoices c;
        c.triggerType = trigger;
        for (int destination = 7; destination <= 17; ++destination)
        {
            c.captureKind = 1;
            c.destination = destination;
            all.push_back(c);
        }
        for (int record = 0; record <= 1; ++record)
            for (int kind = 2; kind <= 5; ++kind)
            {
                c.captureKind = kind;
                c.trainingOp = record ? 18 : 19;
                c.audioOp = record ? 20 : 21;
                c.videoOp = record ? 22 : 23;
                c.movieOp = record ? 24 : 25;
                all.push_back(c);
            }
    }
    return all;
}
} // namespace

TEST(WizardPathTest, EveryPathReachesTheFinishAndBackRetracesIt)
{
    for (const WizardChoices& c : AllChoices())
    {
        const std::vector<int> pages = WalkNext(c);
        SCOPED_TRACE(Text(pages));
        ASSERT_EQ(kPageFinish, pages.back());
        // Back from each page leads to the page before it, down to the introduction.
        for (size_t i = pages.size() - 1; i >= 1; --i)
            EXPECT_EQ(pages[i - 1], WizardBackPage(pages[i], c)) << "Back from " << pages[i];
    }
}

TEST(WizardPathTest, PathsByKindOperationAndSchedule)
{
    struct Case
    {
        int kind, destination, op, trigger;
        const char* path;
    };
    const Case cases[] = {
        {1, 7, 0, 2, "666 665 670 671 782 685 689 691 694 688 "},
        {1, 17, 0, 3, "666 665 670 777 778 782 685 689 692 694 688 "},
        {1, 13, 0, 4, "666 665 670 780 782 685 689 692 694 688 "},
        {2, 0, 19, 0, "666 665 704 703 776 689 693 694 688 "},
        {3, 0, 20, 1, "666 665 707 709 689 690 694 688 "},
        {4, 0, 22, 1, "666 665 737 739 740 689 690 694 688 "},
        {5, 0, 24, 1, "666 665 771 772 773 775 689 690 694 688 "},
        {5, 0, 25, 1, "666 665 771 774 689 690 694 688 "},
    };
    for (const Case& k : cases)
    {
        WizardChoices c;
        c.captureKind = k.kind;
        c.destination = k.destination;
        c.trainingOp = k.op == 19 ? 19 : 18;
        c.audioOp = k.op == 21 ? 21 : 20;
        c.movieOp = k.op == 25 ? 25 : 24;
        c.triggerType = k.trigger;
        EXPECT_EQ(std::string(k.path), Text(WalkNext(c)));
    }
}

TEST(WizardPathTest, TheDurationPageFollowsTheDestinationChosenNow)
{
    WizardChoices c;
    c.destination = 7;
    EXPECT_EQ(671, WizardBackPage(kPageScDuration, c));
    c.destination = 9; // the user went back and chose e-mail
    EXPECT_EQ(679, WizardBackPage(kPageScDuration, c));
    EXPECT_EQ(679, WizardNextPage(kPageScType, c));
    c.captureKind = 0;
    EXPECT_EQ(-1, WizardNextPage(kPageCaptureType, c)) << "no kind set";
}

TEST(WizardChecksTest, MonthlyScheduleNeedsAMonthAndADayThatExistsInIt)
{
    struct Case
    {
        WORD months;
        int day;
        const wchar_t* message; // empty: passes
    };
    const wchar_t* noMonth = L"There is no month selected. Please provide at least one month.";
    const Case cases[] = {
        {0x0, 1, noMonth},
        {0x2, 30, L"The day of the month to run is set to 30. This day is not valid for the month(s) selected, so the "
                  L"task will not run."},
        {0x2, 29, L""},
        {0x2 | 0x8, 31, L"The day of the month to run is set to 31. This day is not valid for the month(s) selected, "
                        L"so the task will not run."},
        {0x1 | 0x8, 31, L""},
        {0x8, 30, L""},
    };
    for (const Case& c : cases)
    {
        TASK_TRIGGER trigger = {};
        trigger.TriggerType = TASK_TIME_TRIGGER_MONTHLYDATE;
        trigger.Type.MonthlyDate.rgfMonths = c.months;
        CString message;
        EXPECT_EQ(c.message[0] == 0, CheckMonthly(trigger, c.day, message)) << c.months << " " << c.day;
        EXPECT_EQ(CString(c.message), message);
    }
    TASK_TRIGGER byWeekday = {};
    byWeekday.TriggerType = TASK_TIME_TRIGGER_MONTHLYDOW;
    byWeekday.Type.MonthlyDOW.rgfMonths = 0x2;
    CString message;
    EXPECT_TRUE(CheckMonthly(byWeekday, 31, message)) << "the day of the month is not used by weekday";
    byWeekday.Type.MonthlyDOW.rgfMonths = 0;
    EXPECT_FALSE(CheckMonthly(byWeekday, 1, message));
    EXPECT_EQ(CString(noMonth), message);
}

TEST(WizardChecksTest, WeeklyDurationAndSelectionChecks)
{
    CString message;
    EXPECT_FALSE(CheckWeeklyDays(0, message));
    EXPECT_EQ(CString(L"There is no day selected. Please provide at least one day."), message);
    EXPECT_TRUE(CheckWeeklyDays(TASK_SUNDAY, message));

    const CString missing = L"The duration parameter is missing and it is required for processing the current task.";
    const CString notLonger = L"The duration value cannot be smaller than or equal to the frequence value.";
    struct DurationCase
    {
        int duration, frequence;
        const CString* message;
    };
    const DurationCase durations[] = {{0, 1, &missing}, {-5, 0, &missing}, {1, 50, nullptr},
                                      {10, 10, &notLonger}, {10, 20, &notLonger}, {10, 2, nullptr}};
    for (const DurationCase& c : durations)
    {
        EXPECT_EQ(c.message == nullptr, CheckDuration(c.duration, c.frequence, message)) << c.duration;
        EXPECT_EQ(c.message ? *c.message : CString(), message);
    }

    const CString noText = L"No selection text provided. Please enter the specific data for the screen capture "
                           L"selection type chosen.";
    const CString invalid = L"The selection text contains invalid characters or empty coordinates. Please enter "
                            L"numerical data points delimited by comma (ex. 50,50,75,60,240,233).";
    const CString threePoints = L"The current selection requires at least 3 points (6 screen coordinate values "
                                L"delimited by comma). Please correct.";
    const CString fourValues = L"The current selection requires 4 coordinates delimited by comma (rectangle: left, "
                               L"top, right, bottom). Please correct.";
    struct SelectionCase
    {
        int type;
        const wchar_t* text;
        const CString* message;
    };
    const SelectionCase selections[] = {
        {0, L"", &noText},           {0, L"1,1,5,5", &threePoints},  {1, L"1,1,5,5,9,1", nullptr},
        {2, L"0,0,10", &fourValues}, {2, L"0,0,10,10", nullptr},     {3, L"0,0,a,10", &invalid},
        {3, L"0,0,1,1,2,2", &fourValues}, {4, L"", &noText},         {4, L"Untitled - Notepad", nullptr},
        {5, L"", nullptr},           {6, L"", nullptr},
    };
    for (const SelectionCase& c : selections)
    {
        EXPECT_EQ(c.message == nullptr, CheckSelection(c.type, c.text, message)) << c.type;
        EXPECT_EQ(c.message ? *c.message : CString(), message);
    }
}

TEST(WizardChecksTest, ATrainingPlaybackTakesOnlyAnExistingTrainingFile)
{
    TestFolder folder;
    for (const wchar_t* name : {L"lesson.VTF", L"lesson.vtf", L"lesson.cbt", L"lesson"})
        ASSERT_TRUE(WriteFileBytes(folder / name, "x"));
    const CString wrongExtension = L"Invalid training file extension. A training file extension should be .vtf.";
    const CString missing = L"Training file does not exist.";
    struct Case
    {
        CString path;
        const CString* message;
    };
    const Case cases[] = {
        {folder / L"lesson.VTF", nullptr},
        {folder / L"lesson.vtf", nullptr},
        {folder / L"lesson.cbt", &wrongExtension},
        {folder / L"lesson", &wrongExtension},
        {folder / L"other.vtf", &missing},
        {L"", &missing},
        // A folder is no training file, whatever its name.
        {folder.Path(), &missing},
    };
    for (const Case& c : cases)
    {
        CString message;
        EXPECT_EQ(c.message == nullptr, CheckTrainingFile(c.path, message)) << c.path.ToAnsi(CP_UTF8);
        EXPECT_EQ(c.message ? *c.message : CString(), message);
    }
}

TEST(WizardChecksTest, ALaunchedProgramIsNoneOrAnExistingExecutable)
{
    TestFolder folder;
    ASSERT_TRUE(WriteFileBytes(folder / L"notepad.EXE", "MZ"));
    ASSERT_TRUE(WriteFileBytes(folder / L"notes.txt", "x"));
    const CString wrongExtension = L"Invalid file extension. The file's extension for this operation should be '.exe'. ";
    const CString missing = L"The file '" + folder / L"gone.exe" + L"' does not exist.";
    struct Case
    {
        CString program;
        const CString* message;
        UINT icon;
    };
    const Case cases[] = {
        {folder / L"notepad.EXE", nullptr, MB_ICONEXCLAMATION},
        {L"", nullptr, MB_ICONEXCLAMATION},
        {folder / L"gone.exe", &missing, MB_ICONINFORMATION},
        {folder / L"notes.txt", &wrongExtension, MB_ICONEXCLAMATION},
    };
    for (const Case& c : cases)
    {
        CString message;
        UINT icon = 0;
        EXPECT_EQ(c.message == nullptr, CheckLaunchProgram(c.program, message, icon)) << c.program.ToAnsi(CP_UTF8);
        EXPECT_EQ(c.message ? *c.message : CString(), message);
        if (c.message)
        {
            EXPECT_EQ(c.icon, icon);
        }
    }
}

// The audio input of the recording pages and the preview window's least size.
TEST(WizardChecksTest, AudioInputAndWindowSizeChecks)
{
    const CString device = L"Audio input device is missing.";
    const CString format = L"Audio input format is missing.";
    const CString pin = L"Audio input pin is missing.";
    struct InputCase
    {
        const wchar_t *device, *format, *pin;
        bool deviceAndFormat;
        AudioInputLack lack;
        const CString* message;
    };
    const InputCase inputs[] = {
        {L"Mic", L"f", L"In", true, AudioInputLack::None, nullptr},
        {L"", L"f", L"In", true, AudioInputLack::Device, &device},
        {L"<ERROR>", L"f", L"In", true, AudioInputLack::Device, &device},
        {L"", L"", L"", true, AudioInputLack::Device, &device},
        {L"Mic", L"<ERROR>", L"In", true, AudioInputLack::Format, &format},
        {L"Mic", L"f", L"", true, AudioInputLack::Pin, &pin},
        // Without the device and format (a training recording without sound) the pin
        // is still required; a failed device query is then no reason to stay.
        {L"<ERROR>", L"", L"", false, AudioInputLack::Pin, &pin},
        {L"<ERROR>", L"", L"In", false, AudioInputLack::None, nullptr},
    };
    CString message;
    for (const InputCase& c : inputs)
    {
        EXPECT_EQ(c.lack, CheckAudioInput(c.device, c.format, c.pin, c.deviceAndFormat, message)) << c.device;
        EXPECT_EQ(c.message ? *c.message : CString(), message);
    }

    const CString width = L"The window's width cannot be less than 200 pixels.";
    const CString height = L"The window's height cannot be less than 120 pixels.";
    struct SizeCase
    {
        int width, height, tooSmall;
        const CString* message;
    };
    const SizeCase sizes[] = {{199, 120, 1, &width}, {200, 119, 2, &height}, {0, 0, 1, &width}, {200, 120, 0, nullptr}};
    for (const SizeCase& c : sizes)
    {
        EXPECT_EQ(c.tooSmall, CheckWindowSize(c.width, c.height, message)) << c.width << "x" << c.height;
        EXPECT_EQ(c.message ? *c.message : CString(), message);
    }
}

TEST(WizardChecksTest, SummarySentences)
{
    EXPECT_EQ(CString(L"which will perform an audio playback operation."), OperationSentence(3, false));
    EXPECT_EQ(CString(L"which will perform an audio capture operation."), OperationSentence(3, true));
    EXPECT_EQ(CString(L"which will perform a screen capture operation."), OperationSentence(1, false));
    EXPECT_EQ(CString(L"which will perform a training playback operation."), OperationSentence(2, false));
    EXPECT_EQ(CString(L"which will perform a movie capture operation."), OperationSentence(5, true));
    TASK_TRIGGER trigger = {};
    trigger.wStartHour = 7;
    trigger.wStartMinute = 5;
    trigger.wBeginMonth = 10;
    trigger.wBeginDay = 1;
    trigger.wBeginYear = 2030;
    EXPECT_EQ(CString(L"At 7:05 on 10/01/2030"), ScheduleSentence(trigger));
}
