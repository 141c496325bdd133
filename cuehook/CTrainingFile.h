#pragma once
// CTrainingFile: the training file (".vtf") through the framework's archive.
//
// Layout, little-endian, no padding: the version text "Vellumor CBT Version 1.1" in the
// archive's wide string form; the duration (uint32, last event time minus first, ms); the
// event count N (uint32); N records of 24 bytes (window handle as a sign-extended 64-bit
// value, message, paramH, paramL, time; note paramH before paramL); the sound flag (one
// byte). Version 1.0 has no duration. Either string form of the version is read.
#include "cuehook/CEventArray.h"
#include "framework/CArchive.h"

class CTrainingFile
{
public:
    static const wchar_t* const kInvalidVersionText;
    static const wchar_t* const kMemoryFailureText;

    // Stores count (> 0) events; the archive holds any failure.
    static bool Write(CArchive& archive, const EVENTMSG* events, UINT count, bool sound);
    // Reads a whole training into events (its capacity becomes count). Sizes are checked
    // against the bytes in the file before anything is allocated. False with the
    // failure's text (at most 500 characters) in error.
    static bool Read(CArchive& archive, CEventArray& events, UINT& count, bool& sound, CString& error);

private:
    static bool ReadVersion(CArchive& archive, CString& error);
    static void WriteEvent(CArchive& archive, const EVENTMSG& event);
    static void ReadEvent(CArchive& archive, EVENTMSG& event);
    static bool ArchiveFailure(const CArchive& archive, CString& error);
};
