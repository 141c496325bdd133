#pragma once
// The checks the wizard's pages run when Next is pressed, each a plain function: true
// when the page may be left, else false with the text the user is shown.
#include "framework/CString.h"

#include <windows.h>
#include <mstask.h>

// Weekly schedule: at least one day.
bool CheckWeeklyDays(WORD daysOfTheWeek, CString& message);
// Monthly schedule: at least one month, and with a day of the month (type 3), a day
// that exists in the chosen months (29 passes for February).
bool CheckMonthly(const TASK_TRIGGER& trigger, int dayOfMonth, CString& message);
// Duration and frequence of a timed screen capture, in seconds.
bool CheckDuration(int duration, int frequence, CString& message);
// The selection type (0 free hand ... 6 desktop) and its text: points or a title.
bool CheckSelection(int selectionType, const CString& text, CString& message);
// The training file a playback plays: it exists and ends in ".vtf" (any case).
bool CheckTrainingFile(const CString& path, CString& message);
// The program a training playback launches first: none (empty), or an existing ".exe"
// (any case). icon is the message box's icon for the text.
bool CheckLaunchProgram(const CString& program, CString& message, UINT& icon);

// The audio input of a recording page: the device and the format when deviceAndFormat
// (empty or "<ERROR>", a failed query, is none), then the pin in any case. The result
// names what is missing; message says it.
enum class AudioInputLack
{
    None,
    Device,
    Format,
    Pin
};
AudioInputLack CheckAudioInput(const CString& device, const CString& format, const CString& pin,
                               bool deviceAndFormat, CString& message);
// The size of a window the task shows: at least 200 wide, then at least 120 high. The
// result: 0 it passes, 1 the width, 2 the height is too small.
int CheckWindowSize(int width, int height, CString& message);

// The finish page's sentences: the operation ("which will perform a screen capture
// operation.") by the capture kind and whether it records, and the schedule ("At 7:05
// on 10/01/2030").
CString OperationSentence(int captureKind, bool record);
CString ScheduleSentence(const TASK_TRIGGER& trigger);
