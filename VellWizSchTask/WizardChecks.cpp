#include "VellWizSchTask/WizardChecks.h"

#include "common/PathHelpers.h"
#include "common/TextHelpers.h"

namespace
{
// Months of 31 days: January, March, May, July, August, October, December.
const WORD kLongMonths = 0x1 | 0x4 | 0x10 | 0x40 | 0x80 | 0x200 | 0x800;
const WORD kFebruary = 0x2;

bool Fail(const wchar_t* text, CString& message)
{
    message = text;
    return false;
}

// Whether the file's extension, compared in any case, is extension (with its dot).
bool HasExtension(const CString& path, const wchar_t* extension)
{
    CString name, found, folder;
    SplitPath(path, name, found, folder);
    return found.CompareNoCase(extension) == 0;
}
} // namespace

bool CheckWeeklyDays(WORD daysOfTheWeek, CString& message)
{
    message.Empty();
    return daysOfTheWeek != 0 || Fail(L"There is no day selected. Please provide at least one day.", message);
}

bool CheckMonthly(const TASK_TRIGGER& trigger, int dayOfMonth, CString& message)
{
    message.Empty();
    const WORD months = trigger.TriggerType == TASK_TIME_TRIGGER_MONTHLYDOW ? trigger.Type.MonthlyDOW.rgfMonths
                                                                            : trigger.Type.MonthlyDate.rgfMonths;
    if (months == 0)
        return Fail(L"There is no month selected. Please provide at least one month.", message);
    if (trigger.TriggerType != TASK_TIME_TRIGGER_MONTHLYDATE)
        return true;
    const bool februaryOnly = months == kFebruary;
    if ((februaryOnly && dayOfMonth > 29) || (dayOfMonth == 31 && (months & kLongMonths) == 0))
    {
        message.Format(L"The day of the month to run is set to %d. This day is not valid for the month(s) selected, "
                       L"so the task will not run.",
                       dayOfMonth);
        return false;
    }
    return true;
}

bool CheckDuration(int duration, int frequence, CString& message)
{
    message.Empty();
    if (duration <= 0)
        return Fail(L"The duration parameter is missing and it is required for processing the current task.",
                    message);
    if (duration > 1 && duration <= frequence)
        return Fail(L"The duration value cannot be smaller than or equal to the frequence value.", message);
    return true;
}

AudioInputLack CheckAudioInput(const CString& device, const CString& format, const CString& pin,
                               bool deviceAndFormat, CString& message)
{
    message.Empty();
    auto missing = [](const CString& value) { return value.IsEmpty() || value == L"<ERROR>"; };
    if (deviceAndFormat && missing(device))
        return Fail(L"Audio input device is missing.", message), AudioInputLack::Device;
    if (deviceAndFormat && missing(format))
        return Fail(L"Audio input format is missing.", message), AudioInputLack::Format;
    if (pin.IsEmpty())
        return Fail(L"Audio input pin is missing.", message), AudioInputLack::Pin;
    return AudioInputLack::None;
}

int CheckWindowSize(int width, int height, CString& message)
{
    const int kMinimumWidth = 200;
    const int kMinimumHeight = 120;
    message.Empty();
    if (width < kMinimumWidth)
    {
        message.Format(L"The window's width cannot be less than %d pixels.", kMinimumWidth);
        return 1;
    }
    if (height < kMinimumHeight)
    {
        message.Format(L"The window's height cannot be less than %d pixels.", kMinimumHeight);
        return 2;
    }
    return 0;
}

bool CheckSelection(int selectionType, const CString& text, CString& message)
{
    message.Empty();
    const bool needsNoText = selectionType == 5 || selectionType == 6;
    if (text.IsEmpty() && !needsNoText)
        return Fail(L"No selection text provided. Please enter the specific data for the screen capture selection "
                    L"type chosen.",
                    message);
    CArray<POINT> points;
    if (!ParseNumberList(text, L",", points) && selectionType < 4)
        return Fail(L"The selection text contains invalid characters or empty coordinates. Please enter numerical "
                    L"data points delimited by comma (ex. 50,50,75,60,240,233).",
                    message);
    if (selectionType <= 1 && points.GetSize() < 3)
        return Fail(L"The current selection requires at least 3 points (6 screen coordinate values delimited by "
                    L"comma). Please correct.",
                    message);
    if ((selectionType == 2 || selectionType == 3) && points.GetSize() != 2)
        return Fail(L"The current selection requires 4 coordinates delimited by comma (rectangle: left, top, right, "
                    L"bottom). Please correct.",
                    message);
    return true;
}

bool CheckTrainingFile(const CString& path, CString& message)
{
    message.Empty();
    if (!FileExists(path))
        return Fail(L"Training file does not exist.", message);
    if (!HasExtension(path, L".vtf"))
    {
        message.Format(L"Invalid training file extension. A training file extension should be %s.", L".vtf");
        return false;
    }
    return true;
}

bool CheckLaunchProgram(const CString& program, CString& message, UINT& icon)
{
    message.Empty();
    icon = MB_ICONEXCLAMATION;
    if (program.IsEmpty())
        return true;
    if (!FileExists(program))
    {
        icon = MB_ICONINFORMATION;
        message.Format(L"The file '%s' does not exist.", program.GetString());
        return false;
    }
    if (!HasExtension(program, L".exe"))
    {
        message.Format(L"Invalid file extension. The file's extension for this operation should be '%s'. ", L".exe");
        return false;
    }
    return true;
}

CString OperationSentence(int captureKind, bool record)
{
    struct Kind
    {
        const wchar_t* recording;
        const wchar_t* playing;
    };
    const Kind kinds[] = {
        {L"Screen Capture", L"Screen Capture"}, {L"Training Capture", L"Training Playback"},
        {L"Audio Capture", L"Audio Playback"},   {L"Video Capture", L"Video Playback"},
        {L"Movie Capture", L"Movie Playback"},
    };
    if (captureKind < 1 || captureKind > 5)
        return CString();
    CString operation = record || captureKind == 1 ? kinds[captureKind - 1].recording : kinds[captureKind - 1].playing;
    operation.MakeLower();
    CString sentence;
    sentence.Format(captureKind == 3 ? L"which will perform an %s operation." : L"which will perform a %s operation.",
                    operation.GetString());
    return sentence;
}

CString ScheduleSentence(const TASK_TRIGGER& t)
{
    CString sentence;
    sentence.Format(L"At %d:%.2d on %d/%.2d/%d", t.wStartHour, t.wStartMinute, t.wBeginMonth, t.wBeginDay,
                    t.wBeginYear);
    return sentence;
}
