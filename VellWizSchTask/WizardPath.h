#pragma once
// The way through the scheduled-task wizard: which page follows each page with Next and
// which one Back returns to, from the choices the pages hold (capture kind, destination,
// record or play, schedule). Pages are named by their dialog ids; -1 means no page.
// The duration page follows the destination chosen now, so Back from it always returns
// to the current destination's page.

// The choices that decide the way.
struct WizardChoices
{
    int captureKind = 1;   // 1 screen, 2 training, 3 audio, 4 video, 5 movie
    int destination = 7;   // the screen destination, 7 File to 17 Web
    int trainingOp = 18;   // 18 record, 19 play
    int audioOp = 20;      // 20 record, 21 play
    int videoOp = 22;      // 22 record, 23 play
    int movieOp = 24;      // 24 record, 25 play
    int triggerType = 1;   // the Name page's schedule: 0 once, 1 daily, 2 weekly, 3 or 4 monthly
};

enum WizardPage
{
    kPageIntro = 666,
    kPageCaptureType = 665,
    kPageScType = 670,
    kPageScDuration = 782,
    kPageScSelection = 685,
    kPageName = 689,
    kPageCredentials = 694,
    kPageFinish = 688,
};

// The page of the screen destination (Web: its first page, 777); -1 for another value.
int DestinationPage(int destination);
int WizardNextPage(int page, const WizardChoices& choices);
int WizardBackPage(int page, const WizardChoices& choices);
