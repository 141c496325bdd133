#include "runjobs/JobKind.h"

namespace
{
struct KindEntry
{
    JobKind kind;
    const wchar_t* typeWord;
    const wchar_t* name;
};

const KindEntry kKinds[] = {
    {JobKind::Screen, L"VELLUMOR_SC", L"Screen"},         {JobKind::Training, L"VELLUMOR_CBT", L"Training"},
    {JobKind::Audio, L"VELLUMOR_AUDIO", L"Audio"},        {JobKind::Video, L"VELLUMOR_VIDEO", L"Video"},
    {JobKind::Movie, L"VELLUMOR_PRESENTATION", L"Movie"},
};
} // namespace

JobKind JobKindOf(const CString& typeWord)
{
    for (const KindEntry& entry : kKinds)
        if (typeWord.CompareNoCase(entry.typeWord) == 0)
            return entry.kind;
    return JobKind::None;
}

const wchar_t* JobKindName(JobKind kind)
{
    for (const KindEntry& entry : kKinds)
        if (entry.kind == kind)
            return entry.name;
    return L"*Unknown*";
}

CString JobKindPrefix(JobKind kind)
{
    return JobKindName(kind) + CString(L"  ");
}

CString JobStepPrefix(JobKind kind, bool record)
{
    return JobKindPrefix(kind) + (record ? L"Recording: " : L"Playing: ");
}
