#pragma once
// The bars of a frame kept in the profile under one name: the sizes of its sizing bars
// and the places of all its bars (CDockState).
#include <windows.h>

class CFrameWnd;

// When the saved dock state fits the frame (it names only bars the frame has), every
// sizing bar loads its sizes and then the frame its bar places; otherwise nothing is
// loaded and every bar keeps its default place and size. True when loaded.
bool AppLoadFrameBarState(CFrameWnd& frame, const wchar_t* profileName);
// Every sizing bar saves its sizes, then the frame its bar places.
void AppSaveFrameBarState(CFrameWnd& frame, const wchar_t* profileName);
