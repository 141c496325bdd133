#include "capture/video/tests/AviReadBack.h"

#include "standins/camera/CameraPattern.h"

#include <vfw.h>

namespace
{
void ReadVideo(PAVIFILE file, AviReadBack& back, bool everyFrame)
{
    PAVISTREAM stream = nullptr;
    if (AVIFileGetStream(file, &stream, streamtypeVIDEO, 0) != 0)
        return;
    AVISTREAMINFOW info{};
    AVIStreamInfoW(stream, &info, sizeof(info));
    back.framesPerSecond = info.dwScale ? static_cast<double>(info.dwRate) / info.dwScale : 0;
    BITMAPINFOHEADER format{};
    LONG formatBytes = sizeof(format);
    AVIStreamReadFormat(stream, 0, &format, &formatBytes);
    back.width = format.biWidth;
    back.height = format.biHeight;
    std::vector<BYTE> frame;
    const LONG length = AVIStreamLength(stream);
    back.frameCount = length;
    for (LONG i = 0; i < length; i = everyFrame || i == length - 1 ? i + 1 : length - 1)
    {
        LONG bytes = 0;
        AVIStreamRead(stream, i, 1, nullptr, 0, &bytes, nullptr);
        frame.resize(bytes);
        if (bytes <= 0 || AVIStreamRead(stream, i, 1, frame.data(), bytes, &bytes, nullptr) != 0)
            back.frameNumbers.push_back(-1);
        else
            back.frameNumbers.push_back(ReadCameraPattern(frame.data(), format.biWidth, format.biHeight,
                                                          format.biBitCount));
    }
    AVIStreamRelease(stream);
}

void ReadSound(PAVIFILE file, AviReadBack& back)
{
    PAVISTREAM stream = nullptr;
    if (AVIFileGetStream(file, &stream, streamtypeAUDIO, 0) != 0)
        return;
    back.hasSound = true;
    LONG bytes = sizeof(back.soundFormat);
    AVIStreamReadFormat(stream, 0, &back.soundFormat, &bytes);
    back.soundBytes = AVIStreamLength(stream) * back.soundFormat.nBlockAlign;
    AVIStreamRelease(stream);
}
} // namespace

AviReadBack ReadAviBack(const CString& path, bool everyFrame)
{
    AviReadBack back;
    AVIFileInit();
    PAVIFILE file = nullptr;
    if (AVIFileOpenW(&file, path, OF_READ | OF_SHARE_DENY_NONE, nullptr) == 0)
    {
        back.opened = true;
        ReadVideo(file, back, everyFrame);
        ReadSound(file, back);
        AVIFileRelease(file);
    }
    AVIFileExit();
    return back;
}
