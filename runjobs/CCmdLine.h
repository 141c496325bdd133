#pragma once
// CCmdLine: one capture job read from the job runner's arguments. The grammar is
// strictly positional: "-type" and the type word, then the flags of that capture kind
// (and, for a screen capture, of its destination), each followed by its value, at
// fixed places. The constructor parses the arguments, builds the job's settings
// records into the manager of the job's kind, and checks them; any error ends
// construction by throwing the message text as a CString ("Task  " followed by the
// kind's message). A constructed object is always a checked job.
//
// Without validation (the tasks manager reading a task's line back) the line is only
// parsed: the records are filled and nothing is checked or created on disk; errors of
// the grammar itself still throw.
//
// Only the manager of the job's kind is made; the others stay null. The job runner
// reads the fields directly.
#include "framework/CArray.h"
#include "framework/CString.h"
#include "runjobs/CJobManagers.h"
#include "runjobs/CJobScreenCaptureManager.h"
#include "runjobs/JobKind.h"

#include <memory>

class CCmdLine
{
public:
    // argv[0] is the program. Throws CString on any error of the line.
    CCmdLine(int argc, const wchar_t* const* argv, bool validate = true);
    CCmdLine(const CCmdLine&) = delete;
    CCmdLine& operator=(const CCmdLine&) = delete;
    ~CCmdLine();

    // The job's settings record: the screen destination's record, or the recording or
    // playing record of the other kinds; null when the type word names no job.
    const SendParam* GetRecord() const;

    std::unique_ptr<CJobScreenCaptureManager> m_screenManager;
    std::unique_ptr<CJobCBTManager> m_cbtManager;
    std::unique_ptr<CJobAudioManager> m_audioManager;
    std::unique_ptr<CJobVideoManager> m_videoManager;
    std::unique_ptr<CJobPresentationManager> m_presentationManager;

    // Every argument, the program included, each followed by one blank.
    CString m_cmdLine;
    // The argument after "-type", as given.
    CString m_type;
    // The kind the type word names.
    JobKind m_kind = JobKind::None;
    // Screen jobs: the destination, SP_SC_FILE to SP_SC_WEB.
    int m_sendParam = 0;
    // Screen and movie jobs: SCT_FREE_HAND to SCT_DESKTOP.
    int m_selectionType = 0;
    // The points read from the size text.
    CArray<POINT> m_selectionPoints;
    // The size text when it is not read as points (a window's title).
    CString m_selectionText;
    // The value of "-size" without its quotes.
    CString m_sizeText;
    bool m_captureCursor = false;
    // True for a recording (every screen job), false for a playing.
    bool m_record = false;

private:
    // Fills the command line, type word and kind, makes the kind's manager, then
    // parses (and validates) by the kind.
    void Parse(int argc, const wchar_t* const* argv, bool validate);
    void MakeManager();
};
