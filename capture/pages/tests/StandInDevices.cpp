#include "capture/pages/tests/StandInDevices.h"

#include "capture/audio/AudioComboHelpers.h"
#include "capture/audio/AudioErrorText.h"
#include "capture/audio/AudioFormats.h"
#include "common/DirectShowHelpers.h"
#include "standins/audio/TestAudioIds.h"

const wchar_t kStandInFormat[] = L"0,176400,4,2,44100,16,1";
const wchar_t kStandInCamera[] = L"Test Camera";

namespace
{
long g_held = 0;

// What a device item holds: an object that counts the references to it.
class CountedDevice final : public IUnknown
{
public:
    CountedDevice() { ++g_held; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid != IID_IUnknown)
            return *out = nullptr, E_NOINTERFACE;
        AddRef();
        *out = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --m_references;
        if (left == 0)
        {
            --g_held;
            delete this;
        }
        return left;
    }

private:
    ULONG m_references = 1;
};

// Lists the names, each item holding a new counted device; "<< No entries >>" for none.
void AddDevices(HWND combo, const std::vector<std::wstring>& names)
{
    EmptyDeviceCombo(combo);
    for (const std::wstring& name : names)
    {
        const LRESULT item = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(new CountedDevice));
    }
    if (names.empty())
        AddDeviceNamesToCombo(nullptr, combo);
}
} // namespace

StandInDevices::StandInDevices()
    : audio{{kTestAudioDeviceName, {kTestAudioInputs, kTestAudioInputs + kTestAudioInputCount}}},
      formats{kStandInFormat, L"0,22050,1,1,22050,8,1"}, cameras{kStandInCamera}
{
    using namespace std::placeholders;
    m_previous = SetCaptureDeviceSource(
        {std::bind(&StandInDevices::FillAudioDevices, this, _1, _2, _3, _4),
         std::bind(&StandInDevices::FillAudioPins, this, _1, _2, _3, _4),
         std::bind(&StandInDevices::FillAudioFormats, this, _1, _2),
         std::bind(&StandInDevices::FillVideoDevices, this, _1)});
}

StandInDevices::~StandInDevices()
{
    SetCaptureDeviceSource(m_previous);
}

long StandInDevices::HeldDevices()
{
    return g_held;
}

HRESULT StandInDevices::FillAudioDevices(HWND devices, HWND pins, const CString& device, const CString& pin)
{
    ClearAudioErrorText();
    if (FAILED(audioResult))
        return SetAudioFailure(L"Failure enumerating the audio input devices installed in system. Error:  %s",
                               audioResult);
    std::vector<std::wstring> names;
    for (const AudioDevice& each : audio)
        names.push_back(each.name);
    AddDevices(devices, names);
    SendMessageW(devices, CB_SETCURSEL, 0, 0);
    SelectComboItemByText(devices, device);
    return FillAudioPins(devices, pins, static_cast<int>(SendMessageW(devices, CB_GETCURSEL, 0, 0)), pin);
}

HRESULT StandInDevices::FillAudioPins(HWND devices, HWND pins, int index, const CString& pin)
{
    if (SendMessageW(devices, CB_GETITEMDATA, static_cast<WPARAM>(index), 0) == 0)
        return S_FALSE;
    const CString name = GetComboSelectedText(devices);
    SendMessageW(pins, CB_RESETCONTENT, 0, 0);
    for (const AudioDevice& each : audio)
        if (name == each.name.c_str())
            for (const std::wstring& input : each.pins)
                SendMessageW(pins, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(input.c_str()));
    SelectComboItemByText(pins, pin);
    return S_OK;
}

HRESULT StandInDevices::FillAudioFormats(HWND combo, const CString& format)
{
    EmptyDataStringCombo(combo);
    for (const std::wstring& text : formats)
    {
        WAVEFORMATEX parsed;
        ParseAudioFormat(text.c_str(), &parsed);
        const LRESULT item = SendMessageW(combo, CB_ADDSTRING, 0,
                                          reinterpret_cast<LPARAM>(AudioFormatDisplayText(parsed).GetString()));
        SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(new CString(text.c_str())));
    }
    SelectComboItemByData(combo, format);
    return S_OK;
}

HRESULT StandInDevices::FillVideoDevices(HWND combo)
{
    if (FAILED(cameraResult))
        return cameraResult;
    AddDevices(combo, cameras);
    return S_OK;
}
