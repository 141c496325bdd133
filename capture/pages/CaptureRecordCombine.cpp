#include "capture/pages/CaptureRecordCombine.h"

#include "Info/InfoAudioPlaying.h"
#include "Info/InfoAudioRecording.h"
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoCBTRecording.h"
#include "Info/InfoPresentationPlaying.h"
#include "Info/InfoPresentationRecording.h"
#include "Info/InfoVideoPlaying.h"
#include "Info/InfoVideoRecording.h"

namespace
{
template <class R> const R& Page(const std::vector<SendParam*>& pages, size_t index)
{
    return static_cast<const R&>(*pages[index]);
}

SendParam* TrainingRecording(const std::vector<SendParam*>& pages)
{
    const auto& file = Page<InfoCBTRecording>(pages, 0);
    const auto& sound = Page<InfoCBTRecording>(pages, 1);
    return new InfoCBTRecording(file.RecFName, file.RecPath, file.RecOverwrite, sound.RecSound, sound.RecSoundDevice,
                                sound.RecSoundFormat, sound.RecInputPinName, file.RecSkipMouse, file.RecSkipKeyboard,
                                file.RecDuration, file.RecShowDlg);
}

SendParam* TrainingPlaying(const std::vector<SendParam*>& pages)
{
    const auto& play = Page<InfoCBTPlaying>(pages, 0);
    const auto& launch = Page<InfoCBTPlaying>(pages, 1);
    return new InfoCBTPlaying(play.PlayFName, play.PlaySound, play.PlayRepeat, play.PlaySkipMouse,
                              play.PlaySkipKeyboard, play.PlayDuration, play.PlayShowDlg, launch.PlayAppFileName,
                              launch.PlayCmdLine, launch.PlayDelayTime, launch.PlayWndLeft, launch.PlayWndTop,
                              launch.PlayWndWidth, launch.PlayWndHeight);
}

SendParam* AudioRecording(const std::vector<SendParam*>& pages)
{
    const auto& file = Page<InfoAudioRecording>(pages, 0);
    const auto& devices = Page<InfoAudioRecording>(pages, 1);
    return new InfoAudioRecording(file.RecFName, file.RecPath, file.RecFType, file.RecOverwrite, devices.RecInputDevice,
                                  devices.RecInputFormat, devices.RecInputPinName, file.RecDuration,
                                  devices.RecAudition, file.RecShowDlg);
}

SendParam* VideoRecording(const std::vector<SendParam*>& pages)
{
    const auto& file = Page<InfoVideoRecording>(pages, 0);
    const auto& device = Page<InfoVideoRecording>(pages, 1);
    const auto& audio = Page<InfoVideoRecording>(pages, 2);
    return new InfoVideoRecording(file.RecFName, file.RecPath, file.RecFType, file.RecOverwrite, file.RecDuration,
                                  device.RecVideoDevice, device.RecFramesRate, device.RecPreview, device.RecWndLeft,
                                  device.RecWndTop, device.RecWndWidth, device.RecWndHeight, audio.RecAudio,
                                  audio.RecAudioInputDevice, audio.RecAudioInputFormat, audio.RecAudioInputPinName,
                                  file.RecShowDlg);
}

template <class R> bool Assign(SendParam& target, const SendParam& source)
{
    static_cast<R&>(target) = static_cast<const R&>(source);
    return true;
}

SendParam* MovieRecording(const std::vector<SendParam*>& pages)
{
    const auto& file = Page<InfoPresentationRecording>(pages, 0);
    const auto& timing = Page<InfoPresentationRecording>(pages, 1);
    return new InfoPresentationRecording(file.RecFName, file.RecPath, file.RecFileType, file.RecOverwrite,
                                         timing.RecDuration, timing.RecFreq, timing.RecFramesRate, file.RecShowDlg);
}
} // namespace

SendParam* CombineCaptureRecord(int type, const std::vector<SendParam*>& pages)
{
    const size_t counts[] = {2, 2, 2, 1, 3, 1, 2, 1};
    if (type < SP_CBT_RECORDING || type > SP_PRESENTATION_PLAYING ||
        pages.size() != counts[type - SP_CBT_RECORDING])
        return nullptr;
    for (SendParam* page : pages)
        if (!page)
            return nullptr;
    switch (type)
    {
    case SP_CBT_RECORDING:
        return TrainingRecording(pages);
    case SP_CBT_PLAYING:
        return TrainingPlaying(pages);
    case SP_AUDIO_RECORDING:
        return AudioRecording(pages);
    case SP_AUDIO_PLAYING:
        return new InfoAudioPlaying(Page<InfoAudioPlaying>(pages, 0));
    case SP_VIDEO_RECORDING:
        return VideoRecording(pages);
    case SP_VIDEO_PLAYING:
        return new InfoVideoPlaying(Page<InfoVideoPlaying>(pages, 0));
    case SP_PRESENTATION_RECORDING:
        return MovieRecording(pages);
    default:
        return new InfoPresentationPlaying(Page<InfoPresentationPlaying>(pages, 0));
    }
}

bool AssignCaptureRecord(SendParam& target, const SendParam& source)
{
    if (target.GetType() != source.GetType())
        return false;
    switch (target.GetType())
    {
    case SP_CBT_RECORDING:
        return Assign<InfoCBTRecording>(target, source);
    case SP_CBT_PLAYING:
        return Assign<InfoCBTPlaying>(target, source);
    case SP_AUDIO_RECORDING:
        return Assign<InfoAudioRecording>(target, source);
    case SP_AUDIO_PLAYING:
        return Assign<InfoAudioPlaying>(target, source);
    case SP_VIDEO_RECORDING:
        return Assign<InfoVideoRecording>(target, source);
    case SP_VIDEO_PLAYING:
        return Assign<InfoVideoPlaying>(target, source);
    case SP_PRESENTATION_RECORDING:
        return Assign<InfoPresentationRecording>(target, source);
    case SP_PRESENTATION_PLAYING:
        return Assign<InfoPresentationPlaying>(target, source);
    default:
        return false;
    }
}
