#pragma once
// CWndAudioNotifications: the hidden window that receives the events of an audio
// graph's two filter graphs and hands them to the graph on the thread that owns it.
#include "framework/CWnd.h"

class CAudioGraph;

class CWndAudioNotifications : public CWnd
{
public:
    // The first window registers the windows' class under a name no class of the module
    // has yet; throws CResourceException when it cannot.
    explicit CWndAudioNotifications(CAudioGraph& graph);

    // The hidden top-level tool window; false when it cannot be made.
    bool Create();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CAudioGraph& m_graph;
    CString m_className;
};
