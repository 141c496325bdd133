#pragma once
// Fixtures of the frame, toolbar and docking tests: a frame, a view and an application
// object with small command tables that count what ran, and real mouse input played
// from another thread while the test thread dispatches messages.
#include "framework/CCmdUI.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "framework/tests/FrameTestIds.h"
#include "testing/TestInput.h"

#include <atomic>
#include <functional>
#include <map>
#include <thread>
#include <vector>

namespace frame_test
{
// What ran, by command id.
using RunCounts = std::map<UINT, int>;

class TestFrame : public CFrameWnd
{
public:
    RunCounts runs;

    bool CreateShown(UINT menuId = IDM_TEST_MENU, RECT rect = {100, 100, 700, 560})
    {
        if (!Create(L"Frame test", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rect, nullptr, menuId))
            return false;
        ShowWindow(GetSafeHwnd(), SW_SHOWNOACTIVATE);
        return true;
    }

protected:
    const CCommandMap* GetCommandMap() const override
    {
        static const CCommandMap map = CCommandMapOf<TestFrame>(CFrameWnd::GetCommandMap())
                                           .On(ID_CMD_FRAME, &TestFrame::OnFrame)
                                           .On(ID_CMD_CHECKED, &TestFrame::OnChecked)
                                           .OnUpdate(ID_CMD_DISABLED, &TestFrame::OnUpdateDisabled)
                                           .OnUpdate(ID_CMD_CHECKED, &TestFrame::OnUpdateChecked);
        return &map;
    }

private:
    void OnFrame() { ++runs[ID_CMD_FRAME]; }
    void OnChecked() { ++runs[ID_CMD_CHECKED]; }
    void OnUpdateDisabled(CCmdUI* item) { item->Enable(false); }
    void OnUpdateChecked(CCmdUI* item) { item->SetCheck(1); }
};

// A child filling the frame's free room, taking commands as the frame's active view.
class TestView : public CWnd
{
public:
    RunCounts runs;

    bool Create(CFrameWnd& frame)
    {
        RECT none = {};
        return CreateEx(0, AppRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)), L"view",
                        WS_CHILD | WS_VISIBLE, none, frame.GetSafeHwnd(), AFX_IDW_PANE_FIRST);
    }

protected:
    const CCommandMap* GetCommandMap() const override
    {
        static const CCommandMap map = CCommandMapOf<TestView>(nullptr)
                                           .On(ID_CMD_FRAME, &TestView::OnFrame)
                                           .On(ID_CMD_VIEW, &TestView::OnView);
        return &map;
    }

private:
    void OnFrame() { ++runs[ID_CMD_FRAME]; }
    void OnView() { ++runs[ID_CMD_VIEW]; }
};

class TestApp : public CWinApp
{
public:
    RunCounts runs;

protected:
    const CCommandMap* GetCommandMap() const override
    {
        static const CCommandMap map = CCommandMapOf<TestApp>(nullptr)
                                           .On(ID_CMD_VIEW, &TestApp::OnView)
                                           .On(ID_CMD_APP, &TestApp::OnApp);
        return &map;
    }

private:
    void OnView() { ++runs[ID_CMD_VIEW]; }
    void OnApp() { ++runs[ID_CMD_APP]; }
};

inline RECT WindowRect(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

inline POINT Center(const RECT& r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Real mouse input, one step after another from a thread of its own, while this thread
// dispatches messages (a window of this thread may wait for the button's release inside
// its handler).
class MouseScript
{
public:
    MouseScript& MoveTo(POINT point)
    {
        m_steps.push_back([point] {
            SetCursorPos(point.x, point.y);
            INPUT input = AbsoluteMove(point);
            SendInput(1, &input, sizeof input);
        });
        return *this;
    }
    MouseScript& Button(DWORD flags)
    {
        m_steps.push_back([flags] {
            INPUT input = {};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = flags;
            SendInput(1, &input, sizeof input);
        });
        return *this;
    }
    // Press at from, move there in a few steps, release at to.
    MouseScript& Drag(POINT from, POINT to)
    {
        MoveTo(from).Button(MOUSEEVENTF_LEFTDOWN);
        for (int i = 1; i <= 4; ++i)
            MoveTo({from.x + (to.x - from.x) * i / 4, from.y + (to.y - from.y) * i / 4});
        return Button(MOUSEEVENTF_LEFTUP);
    }
    MouseScript& Click(POINT at) { return MoveTo(at).Button(MOUSEEVENTF_LEFTDOWN).Button(MOUSEEVENTF_LEFTUP); }

    // Plays the steps (40 ms apart, a user's pace) and then dispatches what they caused
    // until the input has been handled; true when the script ended and settled within the
    // limit.
    bool Play()
    {
        std::atomic<bool> finished{false};
        std::thread player([this, &finished] {
            for (const auto& step : m_steps)
            {
                step();
                Sleep(40);
            }
            finished = true;
        });
        const bool ended = PumpUntil([&finished] { return finished.load(); });
        player.join();
        return ended && InputSettled();
    }

private:
    std::vector<std::function<void()>> m_steps;
};
} // namespace frame_test
