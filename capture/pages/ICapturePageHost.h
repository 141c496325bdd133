#pragma once
// ICapturePageHost: what the property pages and sheets ask of the window that hosts them
// (the main window; a test's host window): the live screen-capture manager, whose
// destination records the pages edit, the capture action menu and the selection of a
// record type as if chosen in the capture-type tree, and the capture-type controller whose
// state and managers the settings pages show and change. One host for the process; the
// pages ask for it at every use.
#include "Info/InfoEnums.h"

class CLocalController;
class CScreenCaptureManagerBase;
class InfoScSettings;
class SendParam;

class ICapturePageHost
{
public:
    virtual ~ICapturePageHost() = default;

    // The manager whose records are live; null when there is none.
    virtual CScreenCaptureManagerBase* GetScreenCaptureManager() = 0;
    // Pops up the action menu of the current capture type at the cursor (a right click
    // on a page's or sheet's background).
    virtual void ShowActionMenu() = 0;
    // Shows the record type's pages as if it had been selected in the capture-type tree;
    // false when the type could not be shown.
    virtual bool SelectRecordType(EnumSendParam type) = 0;
    // The controller of the capture kinds (current kind, record or play mode, what runs,
    // the elapsed-time display, the training hot keys, the managers); null when there is
    // none. By default the program's controller.
    virtual CLocalController* GetController();
    // The live record of a training, audio, video or movie type (18..25); null without
    // its manager. By default the records of the host controller's managers.
    virtual SendParam* GetCaptureRecord(EnumSendParam type);
};

// The host of the process; null until one is set.
ICapturePageHost* GetCapturePageHost();
void SetCapturePageHost(ICapturePageHost* host);
// The live record of a destination type through the host's manager; null without one.
SendParam* GetLiveDestinationRecord(EnumSendParam type);
// The live record of a type 18..25 through the host; null without one.
SendParam* GetLiveCaptureRecord(EnumSendParam type);
// The host's action menu, when there is a host (a right click on a page or sheet).
void ShowHostActionMenu();
// The host's controller; null without a host or controller.
CLocalController* GetHostController();
// The live screen-capture settings of the host controller's screen manager; null without
// one.
InfoScSettings* GetHostScreenSettings();
