#include "VellWizSchTask/CaptureTypeRows.h"

namespace
{
const wchar_t kRecordText[] = L"Recording operation for the selected capture type";
const wchar_t kPlayText[] = L"Playing operation for the selected capture type";

const CaptureTypeRow kKinds[] = {
    {L"Screen Capture", 1656, 1, L"Instantly capture the screen images"},
    {L"Training Capture", 1659, 2, L"Record/play back the system events and sound"},
    {L"Audio Capture", 1658, 3, L"Record/play back sound to/from a variety of audio files"},
    {L"Video Capture", 1657, 4, L"Record/play back video and sound to/from a variety of media files"},
    {L"Movie Capture", 1660, 5, L"Record/play back screen images to/from media file"},
};

const CaptureTypeRow kDestinations[] = {
    {L"Clipboard", 1643, 14, L"Store the screen capture image to the clipboard"},
    {L"Database", 1646, 13, L"Store the screen capture image to a database"},
    {L"Email", 1639, 9, L"Send the screen capture image to an email address"},
    {L"Fax", 1640, 12, L"Send the screen capture image to a fax recipient"},
    {L"File", 1638, 7, L"Store the screen capture image to disk file"},
    {L"Graphic Editor", 1641, 8, L"Display the screen capture image on a graphic editor"},
    {L"ICQ", 1642, 10, L"Send the screen capture image to an ICQ user"},
    {L"Printer", 1637, 11, L"Send the screen capture image to a printer"},
    {L"Screen Saver", 1644, 15, L"Store the screen capture image to disk file used by Vellumor's screen saver"},
    {L"Wallpaper", 1645, 16, L"Display the screen capture image to the desktop"},
    {L"Web Server", 1647, 17, L"Send the screen capture image to a web server"},
};
} // namespace

std::vector<CaptureTypeRow> CaptureTypeRows(int group)
{
    if (group == 0)
        return {std::begin(kKinds), std::end(kKinds)};
    if (group == 1)
        return {std::begin(kDestinations), std::end(kDestinations)};
    if (group < 2 || group > 5)
        return {};
    // Groups 2 to 5: recording and playing, icons and values two by two from 1648 and 18.
    const int offset = (group - 2) * 2;
    return {{L"Recording", 1648 + offset, 18 + offset, kRecordText},
            {L"Playing", 1649 + offset, 19 + offset, kPlayText}};
}
