#pragma once
// The kinds of capture a job line names by its type word, and the words a kind's
// failure texts start with.
#include "framework/CString.h"

enum class JobKind
{
    None,     // a type word that names no job: the job does nothing
    Screen,   // VELLUMOR_SC
    Training, // VELLUMOR_CBT
    Audio,    // VELLUMOR_AUDIO
    Video,    // VELLUMOR_VIDEO
    Movie,    // VELLUMOR_PRESENTATION
};

// The kind of the type word, compared ignoring case; None for any other word.
JobKind JobKindOf(const CString& typeWord);
// "Screen", "Training", "Audio", "Video", "Movie"; "*Unknown*" for None (a line whose
// kind is not known).
const wchar_t* JobKindName(JobKind kind);
// The start of the kind's failure texts: its name and two blanks ("Audio  ").
CString JobKindPrefix(JobKind kind);
// The start of the failure texts of a recording or a playing: "Audio  Recording: ",
// "Audio  Playing: ".
CString JobStepPrefix(JobKind kind, bool record);
