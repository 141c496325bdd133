// What the screen shows of the main program: the docking bars, dragged to other places,
// are there again with their captions after the program starts anew; the open Actions
// menu shows the Record command's toolbar image in Record's row.
#include "app/AppIds.h"
#include "app/tests/ProfileFixture.h"
#include "app/tests/ProgramMenu.h"
#include "app/tests/Screenshot.h"
#include "framework/CToolBar.h"
#include "testing/TestFolder.h"
#include "testing/TestInput.h"
#include "testing/TestRoot.h"

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace app_test
{
namespace
{
const UINT kSplitterId = 0xE900;
const UINT kStatusBarId = 0xE801;
// The background colour of the program's toolbar bitmaps, drawn as transparent.
const COLORREF kToolbarTransparent = RGB(192, 192, 192);

RECT WindowRectOf(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientOnScreen(HWND window)
{
    RECT r = {};
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

POINT Center(const RECT& r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::string Describe(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

int Distance(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

// The pointer to the point, the buttons' flags with it: the display's pointer, then an
// injected move there that carries the buttons. The move comes with every button event: a
// pointer move the display reports late must not decide where the button went.
void MouseAt(POINT point, DWORD buttons = 0)
{
    SetCursorPos(point.x, point.y);
    INPUT input = AbsoluteMove(point);
    input.mi.dwFlags |= buttons;
    SendInputSettled(input);
}

HWND MouseCaptureOf(HWND window)
{
    GUITHREADINFO info = {sizeof info};
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndCapture;
}

// A point in the middle of the bar's caption: the strip between its window and its
// client area along the side where they lie furthest apart.
POINT CaptionPoint(HWND bar)
{
    RECT window = WindowRectOf(bar);
    RECT client = ClientOnScreen(bar);
    if (client.left - window.left > client.top - window.top)
        return {(window.left + client.left) / 2, (client.top + client.bottom) / 2};
    return {(client.left + client.right) / 2 - 10, (window.top + client.top) / 2};
}

// Drags the bar by its caption to the point as a user does: the button goes down, the bar
// takes the mouse, the pointer moves there in steps, and the button comes up.
bool DragBar(HWND bar, POINT to)
{
    const POINT from = CaptionPoint(bar);
    MouseAt(from);
    MouseAt(from, MOUSEEVENTF_LEFTDOWN);
    const bool taken = WaitFor([bar] { return MouseCaptureOf(bar) == bar; });
    for (int i = 1; taken && i < 4; ++i)
        MouseAt({from.x + (to.x - from.x) * i / 4, from.y + (to.y - from.y) * i / 4});
    MouseAt(to, MOUSEEVENTF_LEFTUP);
    return taken && WaitFor([bar] { return MouseCaptureOf(bar) == nullptr; });
}

// The pixels of the rows top to bottom, columns left to right, that stand out from the
// colour most of their column shows: the letters written across a band.
int StandingOut(const Screenshot& shot, int left, int top, int right, int bottom)
{
    int count = 0;
    for (int column = left; column < right; ++column)
    {
        std::map<COLORREF, int> counts;
        for (int row = top; row < bottom; ++row)
            ++counts[shot.Pixel(column, row)];
        COLORREF fill = counts.begin()->first;
        for (const auto& each : counts)
            if (each.second > counts[fill])
                fill = each.first;
        for (int row = top; row < bottom; ++row)
            count += Distance(shot.Pixel(column, row), fill) > 60 ? 1 : 0;
    }
    return count;
}

// The bar's caption across its top: a band of 9 to 16 rows that starts at the bar's left
// in a caption colour, with the bar's title written on it.
bool ShowsCaption(const Screenshot& shot, const RECT& bar)
{
    const COLORREF starts[] = {GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_INACTIVECAPTION)};
    for (int y = bar.top; y < bar.top + 16; ++y)
        for (int x = bar.left; x < bar.left + 10; ++x)
        {
            const COLORREF start = shot.Pixel(x, y);
            if (start != starts[0] && start != starts[1])
                continue;
            // A caption's height, and its first two columns in the starting colour: no edge
            // line of the same colour passes for one.
            int bottom = y;
            while (bottom < bar.bottom && shot.Pixel(x, bottom) == start && shot.Pixel(x + 1, bottom) == start)
                ++bottom;
            if (bottom - y >= 9 && bottom - y <= 16)
                return StandingOut(shot, x, y, bar.right - 20, bottom) >= 20;
        }
    return false;
}

// One image of the program's main toolbar, read from the program file's own resources;
// its transparent pixels are CLR_INVALID. Empty when the command has no button.
struct ToolbarImage
{
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
};

// The image index of the command's button in a toolbar resource (version, image width
// and height, button count, then the buttons' commands, 0 for a separator); -1 when none.
int ImageIndex(const WORD* toolbar, UINT command)
{
    int index = 0;
    for (int i = 0; i < toolbar[3]; ++i)
    {
        if (toolbar[4 + i] == command)
            return index;
        index += toolbar[4 + i] != 0 ? 1 : 0;
    }
    return -1;
}

ToolbarImage MainToolbarImage(UINT command)
{
    ToolbarImage image;
    HMODULE program = LoadLibraryExW(TestProgramFolder() + L"\\Vellumor.exe", nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    HRSRC found = program ? FindResourceW(program, MAKEINTRESOURCEW(IDR_MAINFRAME),
                                          MAKEINTRESOURCEW(CToolBar::RT_TOOLBAR_ID))
                          : nullptr;
    const auto* toolbar = found ? static_cast<const WORD*>(LockResource(LoadResource(program, found))) : nullptr;
    HBITMAP strip = program ? static_cast<HBITMAP>(LoadImageW(program, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_BITMAP,
                                                              0, 0, LR_CREATEDIBSECTION))
                            : nullptr;
    BITMAP bitmap = {};
    const int index = toolbar ? ImageIndex(toolbar, command) : -1;
    if (index >= 0 && strip && GetObjectW(strip, sizeof bitmap, &bitmap))
    {
        std::vector<COLORREF> all(static_cast<size_t>(bitmap.bmWidth) * bitmap.bmHeight);
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), bitmap.bmWidth, -bitmap.bmHeight, 1, 32, BI_RGB};
        HDC screen = GetDC(nullptr);
        const bool read = GetDIBits(screen, strip, 0, bitmap.bmHeight, all.data(), &info, DIB_RGB_COLORS) != 0;
        ReleaseDC(nullptr, screen);
        image.width = toolbar[1];
        image.height = toolbar[2];
        for (int y = 0; read && (index + 1) * image.width <= bitmap.bmWidth && y < image.height; ++y)
            for (int x = 0; x < image.width; ++x)
            {
                // The DIB's 0x00RRGGBB as a COLORREF.
                const DWORD bgr = all[static_cast<size_t>(y) * bitmap.bmWidth + index * image.width + x];
                const COLORREF colour = RGB(GetBValue(bgr), GetGValue(bgr), GetRValue(bgr));
                image.pixels.push_back(colour == kToolbarTransparent ? CLR_INVALID : colour);
            }
    }
    if (strip)
        DeleteObject(strip);
    if (program)
        FreeLibrary(program);
    if (image.pixels.empty())
        image = {};
    return image;
}

// Where the screen shows the image best with its top-left corner inside the area: the
// most of the image's pixels that are not transparent in place. {-1, -1} when fewer than
// the given share of them are anywhere.
POINT FindImage(const Screenshot& shot, const ToolbarImage& image, const RECT& area, double share)
{
    int opaque = 0;
    for (COLORREF pixel : image.pixels)
        opaque += pixel != CLR_INVALID ? 1 : 0;
    POINT best = {-1, -1};
    int bestCount = static_cast<int>(opaque * share) - 1;
    for (int top = area.top; top < area.bottom; ++top)
        for (int left = area.left; left < area.right; ++left)
        {
            int count = 0;
            for (int y = 0; y < image.height; ++y)
                for (int x = 0; x < image.width; ++x)
                {
                    const COLORREF wanted = image.pixels[static_cast<size_t>(y) * image.width + x];
                    count += wanted != CLR_INVALID && Distance(shot.Pixel(left + x, top + y), wanted) <= 24 ? 1 : 0;
                }
            if (count > bestCount)
            {
                bestCount = count;
                best = {left, top};
            }
        }
    return best;
}

HWND DescendantById(HWND root, UINT id)
{
    struct Find
    {
        UINT id;
        HWND found;
    } find{id, nullptr};
    EnumChildWindows(
        root,
        [](HWND child, LPARAM data) {
            auto* f = reinterpret_cast<Find*>(data);
            if (static_cast<UINT>(GetDlgCtrlID(child)) != f->id)
                return TRUE;
            f->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&find));
    return find.found;
}

// The bar docked in the main window, or floating in a frame of its own with its title.
HWND BarById(const MainProgram& program, UINT id, const wchar_t* title)
{
    if (HWND docked = program.ChildById(id))
        return docked;
    HWND floating = program.TopLevelByText(title);
    return floating ? DescendantById(floating, id) : nullptr;
}

class ScreenshotTest : public ProfileFixture
{
protected:
    TestFolder folder;
};

// The output bar floats, the capture-types bar moves from the left side to the right;
// after a normal exit and a new start both are where they were left, with their captions.
TEST_F(ScreenshotTest, AfterARestartTheBarsAreWhereTheyWereLeft)
{
    StartProgram();
    HWND output = program.ChildById(IDW_BAR_OUTPUT);
    HWND types = program.ChildById(IDW_BAR_CAPTURE_TYPES);
    HWND splitter = program.ChildById(kSplitterId);
    ASSERT_TRUE(output && types && splitter);
    const RECT frame = ClientOnScreen(program.Window());
    const HWND frameWindow = program.Window();

    ASSERT_TRUE(DragBar(types, {frame.right - 4, Center(frame).y}));
    ASSERT_TRUE(WaitFor([&] { return WindowRectOf(types).left > Center(frame).x; }))
        << "the capture-types bar is at " << Describe(WindowRectOf(types));
    // Into the views, left of the capture-types bar's new place.
    const RECT views = WindowRectOf(splitter);
    ASSERT_TRUE(DragBar(output, {(views.left * 3 + views.right) / 4, Center(views).y}));
    ASSERT_TRUE(WaitFor([&] { return GetAncestor(output, GA_ROOT) != frameWindow; })) << "the output bar did not float";
    // The room the output bar leaves goes to the side bars once the frame lays itself out.
    HWND status = program.ChildById(kStatusBarId);
    ASSERT_TRUE(WaitFor([&] { return WindowRectOf(types).bottom == WindowRectOf(status).top; }))
        << "the capture-types bar is at " << Describe(WindowRectOf(types));
    const RECT outputLeft = WindowRectOf(output);
    const RECT typesLeft = WindowRectOf(types);
    // The captions as the moved bars show them, before the exit.
    const CString before = folder / L"before exit.bmp";
    ASSERT_TRUE(WaitFor([&] {
        Screenshot shot(before);
        return ShowsCaption(shot, outputLeft) && ShowsCaption(shot, typesLeft);
    })) << "no captions on " << before.ToAnsi(CP_UTF8);
    ASSERT_EQ(0, program.Exit());

    StartProgram();
    output = BarById(program, IDW_BAR_OUTPUT, L"Output");
    types = BarById(program, IDW_BAR_CAPTURE_TYPES, L"Capture Types");
    ASSERT_TRUE(output && types);
    const CString after = folder / L"after restart.bmp";
    bool outputShown = false;
    bool typesShown = false;
    WaitFor([&] {
        Screenshot shot(after);
        const RECT outputNow = WindowRectOf(output);
        const RECT typesNow = WindowRectOf(types);
        outputShown = EqualRect(&outputLeft, &outputNow) && ShowsCaption(shot, outputLeft);
        typesShown = EqualRect(&typesLeft, &typesNow) && ShowsCaption(shot, typesLeft);
        return outputShown && typesShown;
    });
    EXPECT_TRUE(outputShown) << "output bar left at " << Describe(outputLeft) << ", now at "
                             << Describe(WindowRectOf(output)) << ", see " << after.ToAnsi(CP_UTF8);
    EXPECT_TRUE(typesShown) << "capture-types bar left at " << Describe(typesLeft) << ", now at "
                            << Describe(WindowRectOf(types)) << ", see " << after.ToAnsi(CP_UTF8);
    EXPECT_NE(GetAncestor(output, GA_ROOT), program.Window());
}

// Record is the first item: the menu opened by its keys selects it.
TEST_F(ScreenshotTest, TheOpenActionsMenuShowsTheRecordImageInRecordsRow)
{
    const ToolbarImage record = MainToolbarImage(ID_CAPTURE_RECORD);
    ASSERT_FALSE(record.pixels.empty());
    StartProgram();
    ProgramMenu actions(program, L'A', folder / L"actions menu.bmp");
    ASSERT_NE(nullptr, actions.Window());
    const RECT row = actions.SelectedRow();
    const CString shot = actions.Shot().Path();
    ASSERT_FALSE(IsRectEmpty(&row)) << "no item selected, see " << shot.ToAnsi(CP_UTF8);
    const RECT popup = WindowRectOf(actions.Window());
    // Most of the image: the menu may write the item's text over the image's right edge.
    const POINT at = FindImage(actions.Shot(), record, {popup.left, popup.top, popup.left + 48, popup.bottom}, 0.8);
    ASSERT_GE(at.x, 0) << "no Record image in the menu at " << Describe(popup) << ", see " << shot.ToAnsi(CP_UTF8);
    EXPECT_GE(at.y, row.top) << "Record's row " << Describe(row) << ", see " << shot.ToAnsi(CP_UTF8);
    EXPECT_LE(at.y + record.height, row.bottom) << "Record's row " << Describe(row) << ", see " << shot.ToAnsi(CP_UTF8);
    EXPECT_TRUE(actions.Close());
}
} // namespace
} // namespace app_test
