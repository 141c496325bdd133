#include "Info/InfoAudioPlaying.h"
#include "Info/InfoAudioRecording.h"
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoCBTRecording.h"
#include "Info/InfoGlobalFunctions.h"
#include "Info/InfoPresentationPlaying.h"
#include "Info/InfoPresentationRecording.h"
#include "Info/InfoRegistryRecording.h"
#include "Info/InfoRegistryRollback.h"
#include "Info/InfoVideoPlaying.h"
#include "Info/InfoVideoRecording.h"
#include "Info/tests/InfoTestSupport.h"

#include <variant>

using namespace InfoTest;

namespace
{
// Every value of a key as stored: a DWORD or a text.
using Stored = std::map<std::wstring, std::variant<DWORD, std::wstring>>;

DWORD N(DWORD value)
{
    return value;
}

std::wstring W(const CString& text)
{
    return text.GetString();
}

Stored StoredValues(const wchar_t* subKey)
{
    Stored stored;
    for (const std::wstring& name : ValueNames(subKey))
    {
        if (ValueType(subKey, name.c_str()) == REG_DWORD)
            stored[name] = Dword(subKey, name.c_str());
        else
            stored[name] = Text(subKey, name.c_str());
    }
    return stored;
}

void PutValue(const wchar_t* subKey, const std::wstring& name, const std::variant<DWORD, std::wstring>& value)
{
    if (std::holds_alternative<DWORD>(value))
        PutDword(subKey, name.c_str(), std::get<DWORD>(value));
    else
        PutText(subKey, name.c_str(), std::get<std::wstring>(value));
}

std::set<std::wstring> Names(const Stored& stored)
{
    std::set<std::wstring> names;
    for (const auto& value : stored)
        names.insert(value.first);
    return names;
}

// A record's table row, the values its defaults save, and the values its changed
// record (built through the value constructor where the record has one) saves. Every
// changed value differs from its default.
struct CaptureRecord
{
    RecordCase row;
    Stored defaults;
    Stored changed;
};

void PrintTo(const CaptureRecord& r, std::ostream* os)
{
    *os << r.row.name;
}

// A type number the program does not define, so that the type fields differ from their
// defaults; the records store whatever number they hold.
const int kOtherType = 7;

CaptureRecord CBTRecording()
{
    RecordCase c = MakeRecordCase<InfoCBTRecording>("CBTRecording", L"CBTCapture", SP_CBT_RECORDING);
    c.change = [](SendParam& r) {
        static_cast<InfoCBTRecording&>(r) = InfoCBTRecording(L"train", L"C:\\Train\\", true, false, L"Mic", L"PCM 8kHz",
                                                             L"Pin 1", true, true, 90, true);
    };
    c.parts = {{0,
                {L"RecFName", L"RecPath", L"RecOverwrite", L"RecSound", L"RecSoundDevice", L"RecSoundFormat",
                 L"RecInputPinName", L"RecSkipMouse", L"RecSkipKeyboard", L"RecDuration", L"RecShowDlg"}},
               {1, {L"RecShowDlg"}},
               {2, {L"RecFName", L"RecPath", L"RecOverwrite", L"RecSkipMouse", L"RecSkipKeyboard", L"RecDuration"}},
               {3, {L"RecSound", L"RecSoundDevice", L"RecSoundFormat", L"RecInputPinName"}}};
    c.unknownPart = 4;
    c.boolValue = L"RecOverwrite";
    c.boolField = [](const SendParam& r) { return static_cast<const InfoCBTRecording&>(r).RecOverwrite; };
    c.wrongTypeValue = L"RecDuration";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = static_cast<const InfoCBTRecording&>(l);
        auto& saved = static_cast<const InfoCBTRecording&>(s);
        return loaded.RecFName == saved.RecFName && loaded.RecInputPinName == saved.RecInputPinName &&
               !loaded.RecOverwrite && loaded.RecDuration == 0;
    };
    return {c,
            {{L"RecFName", L"VellTraining"},
             {L"RecPath", W(InfoGlobalFunctions::GetCBTDirectory())},
             {L"RecOverwrite", N(0)},
             {L"RecSound", N(1)},
             {L"RecSoundDevice", L""},
             {L"RecSoundFormat", L""},
             {L"RecInputPinName", L""},
             {L"RecSkipMouse", N(0)},
             {L"RecSkipKeyboard", N(0)},
             {L"RecDuration", N(0)},
             {L"RecShowDlg", N(0)}},
            {{L"RecFName", L"train"},
             {L"RecPath", L"C:\\Train\\"},
             {L"RecOverwrite", N(1)},
             {L"RecSound", N(0)},
             {L"RecSoundDevice", L"Mic"},
             {L"RecSoundFormat", L"PCM 8kHz"},
             {L"RecInputPinName", L"Pin 1"},
             {L"RecSkipMouse", N(1)},
             {L"RecSkipKeyboard", N(1)},
             {L"RecDuration", N(90)},
             {L"RecShowDlg", N(1)}}};
}

CaptureRecord CBTPlaying()
{
    RecordCase c = MakeRecordCase<InfoCBTPlaying>("CBTPlaying", L"CBTCapture", SP_CBT_PLAYING);
    c.change = [](SendParam& r) {
        static_cast<InfoCBTPlaying&>(r) = InfoCBTPlaying(L"C:\\Train\\a.vtf", false, 3, true, true, 40, true,
                                                         L"C:\\App\\app.exe", L"-demo", 5, 10, 20, 640, 480);
    };
    c.parts = {{0,
                {L"PlayFName", L"PlaySound", L"PlayRepeat", L"PlaySkipMouse", L"PlaySkipKeyboard", L"PlayDuration",
                 L"PlayShowDlg", L"PlayAppFileName", L"PlayCmdLine", L"PlayDelayTime", L"PlayWndLeft", L"PlayWndTop",
                 L"PlayWndWidth", L"PlayWndHeight"}},
               {1, {L"PlayShowDlg"}},
               {2, {L"PlayFName", L"PlaySound", L"PlayRepeat", L"PlaySkipMouse", L"PlaySkipKeyboard", L"PlayDuration"}},
               {3,
                {L"PlayAppFileName", L"PlayCmdLine", L"PlayDelayTime", L"PlayWndLeft", L"PlayWndTop", L"PlayWndWidth",
                 L"PlayWndHeight"}}};
    c.unknownPart = 4;
    c.boolValue = L"PlaySkipMouse";
    c.boolField = [](const SendParam& r) { return static_cast<const InfoCBTPlaying&>(r).PlaySkipMouse; };
    c.wrongTypeValue = L"PlaySound";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = static_cast<const InfoCBTPlaying&>(l);
        auto& saved = static_cast<const InfoCBTPlaying&>(s);
        return loaded.PlayFName == saved.PlayFName && loaded.PlayWndHeight == saved.PlayWndHeight &&
               !loaded.PlaySkipMouse && loaded.PlaySound;
    };
    return {c,
            {{L"PlayFName", W(InfoGlobalFunctions::GetCBTDirectory() + L"\\VellTraining.vtf")},
             {L"PlaySound", N(1)},
             {L"PlayRepeat", N(0)},
             {L"PlaySkipMouse", N(0)},
             {L"PlaySkipKeyboard", N(0)},
             {L"PlayDuration", N(0)},
             {L"PlayShowDlg", N(0)},
             {L"PlayAppFileName", L""},
             {L"PlayCmdLine", L""},
             {L"PlayDelayTime", N(0)},
             {L"PlayWndLeft", N(0)},
             {L"PlayWndTop", N(0)},
             {L"PlayWndWidth", N(0)},
             {L"PlayWndHeight", N(0)}},
            {{L"PlayFName", L"C:\\Train\\a.vtf"},
             {L"PlaySound", N(0)},
             {L"PlayRepeat", N(3)},
             {L"PlaySkipMouse", N(1)},
             {L"PlaySkipKeyboard", N(1)},
             {L"PlayDuration", N(40)},
             {L"PlayShowDlg", N(1)},
             {L"PlayAppFileName", L"C:\\App\\app.exe"},
             {L"PlayCmdLine", L"-demo"},
             {L"PlayDelayTime", N(5)},
             {L"PlayWndLeft", N(10)},
             {L"PlayWndTop", N(20)},
             {L"PlayWndWidth", N(640)},
             {L"PlayWndHeight", N(480)}}};
}

CaptureRecord AudioRecording()
{
    RecordCase c = MakeRecordCase<InfoAudioRecording>("AudioRecording", L"AudioCapture", SP_AUDIO_RECORDING);
    c.change = [](SendParam& r) {
        static_cast<InfoAudioRecording&>(r) =
            InfoAudioRecording(L"sound", L"C:\\Snd\\", static_cast<EnumAudioFileType>(kOtherType), false, L"Line in",
                               L"PCM 44kHz", L"Pin 2", 60, true, true);
    };
    c.parts = {{0,
                {L"RecFName", L"RecPath", L"RecFType", L"RecOverwrite", L"RecInputDevice", L"RecInputFormat",
                 L"RecInputPinName", L"RecDuration", L"RecAudition", L"RecShowDlg"}},
               {1, {L"RecShowDlg"}},
               {2, {L"RecFName", L"RecPath", L"RecFType", L"RecOverwrite", L"RecDuration"}},
               {3, {L"RecInputDevice", L"RecInputFormat", L"RecInputPinName", L"RecAudition"}}};
    c.unknownPart = 4;
    c.boolValue = L"RecAudition";
    c.boolField = [](const SendParam& r) { return static_cast<const InfoAudioRecording&>(r).RecAudition; };
    c.wrongTypeValue = L"RecFType";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = static_cast<const InfoAudioRecording&>(l);
        auto& saved = static_cast<const InfoAudioRecording&>(s);
        return loaded.RecInputPinName == saved.RecInputPinName && loaded.RecDuration == 0 && loaded.RecOverwrite;
    };
    return {c,
            {{L"RecFName", L"VellAudio"},
             {L"RecPath", W(InfoGlobalFunctions::GetAudioDirectory())},
             {L"RecFType", N(AFT_WAV)},
             {L"RecOverwrite", N(1)},
             {L"RecInputDevice", L""},
             {L"RecInputFormat", L""},
             {L"RecInputPinName", L""},
             {L"RecDuration", N(0)},
             {L"RecAudition", N(0)},
             {L"RecShowDlg", N(0)}},
            {{L"RecFName", L"sound"},
             {L"RecPath", L"C:\\Snd\\"},
             {L"RecFType", N(kOtherType)},
             {L"RecOverwrite", N(0)},
             {L"RecInputDevice", L"Line in"},
             {L"RecInputFormat", L"PCM 44kHz"},
             {L"RecInputPinName", L"Pin 2"},
             {L"RecDuration", N(60)},
             {L"RecAudition", N(1)},
             {L"RecShowDlg", N(1)}}};
}

CaptureRecord AudioPlaying()
{
    RecordCase c = MakeRecordCase<InfoAudioPlaying>("AudioPlaying", L"AudioCapture", SP_AUDIO_PLAYING);
    c.change = [](SendParam& r) {
        static_cast<InfoAudioPlaying&>(r) = InfoAudioPlaying(L"C:\\Snd\\a.wav", 12, 2, true);
    };
    c.parts = {{0, {L"PlayFName", L"PlayDuration", L"PlayRepeat", L"PlayShowDlg"}}, {1, {L"PlayShowDlg"}}};
    c.unknownPart = 2;
    c.boolValue = L"PlayShowDlg";
    c.boolField = [](const SendParam& r) { return static_cast<const InfoAudioPlaying&>(r).PlayShowDlg; };
    c.wrongTypeValue = L"PlayRepeat";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = static_cast<const InfoAudioPlaying&>(l);
        auto& saved = static_cast<const InfoAudioPlaying&>(s);
        return loaded.PlayFName == saved.PlayFName && loaded.PlayRepeat == 0 && loaded.PlayDuration == 0 &&
               !loaded.PlayShowDlg;
    };
    return {
        c,
        {{L"PlayFName", W(InfoGlobalFunctions::GetAudioDirectory() + L"\\VellAudio.wav")},
         {L"PlayDuration", N(0)},
         {L"PlayRepeat", N(0)},
         {L"PlayShowDlg", N(0)}},
        {{L"PlayFName", L"C:\\Snd\\a.wav"}, {L"PlayDuration", N(12)}, {L"PlayRepeat", N(2)}, {L"PlayShowDlg", N(1)}}};
}

CaptureRecord VideoRecording()
{
    RecordCase c = MakeRecordCase<InfoVideoRecording>("VideoRecording", L"VideoCapture", SP_VIDEO_RECORDING);
    c.change = [](SendParam& r) {
        static_cast<InfoVideoRecording&>(r) =
            InfoVideoRecording(L"clip", L"C:\\Vid\\", static_cast<EnumVideoFileType>(kOtherType), false, 120, L"Cam",
                               25, false, 1, 2, 640, 480, false, L"Line in", L"PCM 44kHz", L"Pin 3", true);
    };
    c.parts = {{0,
                {L"RecFName", L"RecPath", L"RecFType", L"RecOverwrite", L"RecDuration", L"RecVideoDevice",
                 L"RecFramesRate", L"RecPreview", L"RecWndLeft", L"RecWndTop", L"RecWndWidth", L"RecWndHeight",
                 L"RecAudio", L"RecAudioInputDevice", L"RecAudioInputFormat", L"RecAudioInputPinName", L"RecShowDlg"}},
               {1, {L"RecShowDlg"}},
               {2, {L"RecFName", L"RecPath", L"RecFType", L"RecOverwrite", L"RecDuration"}},
               {3,
                {L"RecVideoDevice", L"RecFramesRate", L"RecPreview", L"RecWndLeft", L"RecWndTop", L"RecWndWidth",
                 L"RecWndHeight"}},
               {4, {L"RecAudioInputDevice", L"RecAudioInputFormat", L"RecAudioInputPinName", L"RecAudio"}}};
    c.unknownPart = 5;
    c.boolValue = L"RecShowDlg";
    c.boolField = [](const SendParam& r) { return static_cast<const InfoVideoRecording&>(r).RecShowDlg; };
    c.wrongTypeValue = L"RecWndLeft";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = static_cast<const InfoVideoRecording&>(l);
        auto& saved = static_cast<const InfoVideoRecording&>(s);
        return loaded.RecAudioInputPinName == saved.RecAudioInputPinName && loaded.RecWndHeight == saved.RecWndHeight &&
               loaded.RecWndLeft == 100 && loaded.RecAudio && !loaded.RecShowDlg;
    };
    return {c,
            {{L"RecFName", L"VellVideo"},
             {L"RecPath", W(InfoGlobalFunctions::GetVideoDirectory())},
             {L"RecFType", N(VFT_AVI)},
             {L"RecOverwrite", N(1)},
             {L"RecDuration", N(0)},
             {L"RecVideoDevice", L""},
             {L"RecFramesRate", N(14)},
             {L"RecPreview", N(1)},
             {L"RecWndLeft", N(100)},
             {L"RecWndTop", N(100)},
             {L"RecWndWidth", N(320)},
             {L"RecWndHeight", N(240)},
             {L"RecAudio", N(1)},
             {L"RecAudioInputDevice", L""},
             {L"RecAudioInputFormat", L""},
             {L"RecAudioInputPinName", L""},
             {L"RecShowDlg", N(0)}},
            {{L"RecFName", L"clip"},
             {L"RecPath", L"C:\\Vid\\"},
             {L"RecFType", N(kOtherType)},
             {L"RecOverwrite", N(0)},
             {L"RecDuration", N(120)},
             {L"RecVideoDevice", L"Cam"},
             {L"RecFramesRate", N(25)},
             {L"RecPreview", N(0)},
             {L"RecWndLeft", N(1)},
             {L"RecWndTop", N(2)},
             {L"RecWndWidth", N(640)},
             {L"RecWndHeight", N(480)},
             {L"RecAudio", N(0)},
             {L"RecAudioInputDevice", L"Line in"},
             {L"RecAudioInputFormat", L"PCM 44kHz"},
             {L"RecAudioInputPinName", L"Pin 3"},
             {L"RecShowDlg", N(1)}}};
}

const Stored kChangedPlayback = {{L"PlayFName", L"C:\\Play\\a.avi"},
                                 {L"PlayDuration", N(30)},
                                 {L"PlayRepeat", N(4)},
                                 {L"PlayShowDlg", N(1)},
                                 {L"PlayAudio", N(0)},
                                 {L"PlayWndLeft", N(5)},
                                 {L"PlayWndTop", N(6)},
                                 {L"PlayWndWidth", N(800)},
                                 {L"PlayWndHeight", N(600)}};

// The table row of the video playback and of the movie playback, which keeps the same
// values under its own key.
template <typename T> RecordCase PlaybackCase(std::string name, const wchar_t* subKey, EnumSendParam type)
{
    RecordCase c = MakeRecordCase<T>(std::move(name), subKey, type);
    c.change = [](SendParam& r) { static_cast<T&>(r) = T(L"C:\\Play\\a.avi", 30, 4, true, false, 5, 6, 800, 600); };
    c.parts = {{0, Names(kChangedPlayback)}, {1, {L"PlayShowDlg"}}};
    c.unknownPart = 2;
    c.boolValue = L"PlayShowDlg";
    c.boolField = [](const SendParam& r) { return static_cast<const T&>(r).PlayShowDlg; };
    c.wrongTypeValue = L"PlayDuration";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = static_cast<const T&>(l);
        auto& saved = static_cast<const T&>(s);
        return loaded.PlayFName == saved.PlayFName && loaded.PlayWndHeight == saved.PlayWndHeight && loaded.PlayAudio &&
               loaded.PlayDuration == 0;
    };
    return c;
}

Stored DefaultPlayback(const CString& playFName)
{
    return {{L"PlayFName", W(playFName)}, {L"PlayDuration", N(0)},   {L"PlayRepeat", N(0)},
            {L"PlayShowDlg", N(0)},       {L"PlayAudio", N(1)},      {L"PlayWndLeft", N(100)},
            {L"PlayWndTop", N(100)},      {L"PlayWndWidth", N(320)}, {L"PlayWndHeight", N(240)}};
}

CaptureRecord VideoPlaying()
{
    return {PlaybackCase<InfoVideoPlaying>("VideoPlaying", L"VideoCapture", SP_VIDEO_PLAYING),
            DefaultPlayback(InfoGlobalFunctions::GetVideoDirectory() + L"\\VellVideo.avi"), kChangedPlayback};
}

CaptureRecord PresentationPlaying()
{
    return {PlaybackCase<InfoPresentationPlaying>("PresentationPlaying", L"MovieCapture", SP_PRESENTATION_PLAYING),
            DefaultPlayback(InfoGlobalFunctions::GetPresentationDirectory() + L"\\VellPres.avi"), kChangedPlayback};
}

CaptureRecord PresentationRecording()
{
    RecordCase c =
        MakeRecordCase<InfoPresentationRecording>("PresentationRecording", L"MovieCapture", SP_PRESENTATION_RECORDING);
    c.change = [](SendParam& r) {
        static_cast<InfoPresentationRecording&>(r) = InfoPresentationRecording(
            L"movie", L"C:\\Mov\\", static_cast<EnumPresentationFileType>(kOtherType), false, 60, 2, 10, true);
    };
    c.parts = {{0,
                {L"RecFName", L"RecPath", L"RecFileType", L"RecOverwrite", L"RecDuration", L"RecFreq", L"RecFramesRate",
                 L"RecShowDlg"}},
               {1, {L"RecShowDlg"}},
               {2, {L"RecFName", L"RecPath", L"RecFileType", L"RecOverwrite"}},
               {3, {L"RecFreq", L"RecFramesRate", L"RecDuration"}}};
    c.unknownPart = 4;
    c.boolValue = L"RecShowDlg";
    c.boolField = [](const SendParam& r) { return static_cast<const InfoPresentationRecording&>(r).RecShowDlg; };
    c.wrongTypeValue = L"RecFileType";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = static_cast<const InfoPresentationRecording&>(l);
        auto& saved = static_cast<const InfoPresentationRecording&>(s);
        return loaded.RecFName == saved.RecFName && loaded.RecDuration == saved.RecDuration && loaded.RecOverwrite &&
               !loaded.RecShowDlg;
    };
    return {c,
            {{L"RecFName", L"VellPres"},
             {L"RecPath", W(InfoGlobalFunctions::GetPresentationDirectory())},
             {L"RecFileType", N(PFT_AVI)},
             {L"RecOverwrite", N(1)},
             {L"RecDuration", N(0)},
             {L"RecFreq", N(1)},
             {L"RecFramesRate", N(1)},
             {L"RecShowDlg", N(0)}},
            {{L"RecFName", L"movie"},
             {L"RecPath", L"C:\\Mov\\"},
             {L"RecFileType", N(kOtherType)},
             {L"RecOverwrite", N(0)},
             {L"RecDuration", N(60)},
             {L"RecFreq", N(2)},
             {L"RecFramesRate", N(10)},
             {L"RecShowDlg", N(1)}}};
}

// The registry records write all their values whatever the part, so only part 0 of
// their rows is filled in and the common table (which saves an unknown part) leaves
// them out; RegistryRecordTest covers them.
CaptureRecord RegistryRecording()
{
    RecordCase c =
        MakeRecordCase<InfoRegistryRecording>("RegistryRecording", L"RegistryCapture", SP_REGISTRY_RECORDING);
    c.change = [](SendParam& r) {
        auto& rec = static_cast<InfoRegistryRecording&>(r);
        rec.RecFName = L"regs";
        rec.RecPath = L"C:\\Reg\\";
        rec.RecOverwrite = false;
        rec.RecDuration = 15;
        rec.RecDescription = L"Before setup";
        rec.RecMachine = L"HOST2";
        rec.RecClassRootKey = rec.RecCurUserKey = rec.RecLocalMachineKey = rec.RecUsersKey = rec.RecCurConfigKey =
            false;
        rec.RecShowDlg = true;
    };
    Stored changed = {{L"RecFName", L"regs"},
                      {L"RecPath", L"C:\\Reg\\"},
                      {L"RecOverwrite", N(0)},
                      {L"RecDuration", N(15)},
                      {L"RecDescription", L"Before setup"},
                      {L"RecMachine", L"HOST2"},
                      {L"RecClassRootKey", N(0)},
                      {L"RecCurUserKey", N(0)},
                      {L"RecLocalMachineKey", N(0)},
                      {L"RecUsersKey", N(0)},
                      {L"RecCurConfigKey", N(0)},
                      {L"RecShowDlg", N(1)}};
    c.parts = {{0, Names(changed)}};
    return {c,
            {{L"RecFName", L"VellRegistry"},
             {L"RecPath", W(InfoGlobalFunctions::GetRegistryDirectory())},
             {L"RecOverwrite", N(1)},
             {L"RecDuration", N(0)},
             {L"RecDescription", L""},
             {L"RecMachine", L"(local)"},
             {L"RecClassRootKey", N(1)},
             {L"RecCurUserKey", N(1)},
             {L"RecLocalMachineKey", N(1)},
             {L"RecUsersKey", N(1)},
             {L"RecCurConfigKey", N(1)},
             {L"RecShowDlg", N(0)}},
            changed};
}

CaptureRecord RegistryRollback()
{
    RecordCase c = MakeRecordCase<InfoRegistryRollback>("RegistryRollback", L"RegistryCapture", SP_REGISTRY_ROLLBACK);
    c.change = [](SendParam& r) {
        auto& rollback = static_cast<InfoRegistryRollback&>(r);
        rollback.RollbackFName = L"C:\\Reg\\regs.vrf";
        rollback.RollbackShowDlg = true;
    };
    c.parts = {{0, {L"RollbackFName", L"RollbackShowDlg"}}};
    return {c,
            {{L"RollbackFName", L""}, {L"RollbackShowDlg", N(0)}},
            {{L"RollbackFName", L"C:\\Reg\\regs.vrf"}, {L"RollbackShowDlg", N(1)}}};
}

using RecordPtr = std::unique_ptr<SendParam>;

RecordPtr Changed(const RecordCase& c)
{
    RecordPtr record(c.make());
    c.change(*record);
    return record;
}

std::string RecordName(const ::testing::TestParamInfo<CaptureRecord>& info)
{
    return info.param.row.name;
}
} // namespace

INSTANTIATE_RECORD_TABLE(Capture, CBTRecording().row, CBTPlaying().row, AudioRecording().row, AudioPlaying().row,
                         VideoRecording().row, VideoPlaying().row, PresentationRecording().row,
                         PresentationPlaying().row);

class CaptureRecordTest : public InfoRegistryTest, public ::testing::WithParamInterface<CaptureRecord>
{
};

INSTANTIATE_TEST_SUITE_P(Capture, CaptureRecordTest,
                         ::testing::Values(CBTRecording(), CBTPlaying(), AudioRecording(), AudioPlaying(),
                                           VideoRecording(), VideoPlaying(), PresentationRecording(),
                                           PresentationPlaying(), RegistryRecording(), RegistryRollback()),
                         RecordName);

TEST_P(CaptureRecordTest, DefaultsAreSavedUnderTheirValueNames)
{
    const CaptureRecord& r = GetParam();
    RecordPtr record(r.row.make());
    EXPECT_FALSE(record->IsDisplayFlagOn());
    ASSERT_TRUE(record->SaveToRegistry(0));
    EXPECT_EQ(r.defaults, StoredValues(r.row.subKey));
}

TEST_P(CaptureRecordTest, EachGivenValueIsSavedUnderItsName)
{
    const CaptureRecord& r = GetParam();
    RecordPtr record = Changed(r.row);
    EXPECT_TRUE(record->IsDisplayFlagOn());
    ASSERT_TRUE(record->SaveToRegistry(0));
    EXPECT_EQ(r.changed, StoredValues(r.row.subKey));
}

// Loading one changed value into a default record must make it unequal to the
// defaults: every persisted field is loaded and compared.
TEST_P(CaptureRecordTest, EveryLoadedValueTakesPartInTheComparison)
{
    const CaptureRecord& r = GetParam();
    RecordPtr defaults(r.row.make());
    for (const auto& value : r.changed)
    {
        DeleteKey(L"");
        ASSERT_TRUE(defaults->SaveToRegistry(0));
        PutValue(r.row.subKey, value.first, value.second);
        RecordPtr loaded(r.row.make());
        ASSERT_TRUE(loaded->LoadFromRegistry());
        EXPECT_FALSE(r.row.equal(*defaults, *loaded)) << std::string(value.first.begin(), value.first.end());
    }
}

class RegistryRecordTest : public CaptureRecordTest
{
};

INSTANTIATE_TEST_SUITE_P(Capture, RegistryRecordTest, ::testing::Values(RegistryRecording(), RegistryRollback()),
                         RecordName);

TEST_P(RegistryRecordTest, AnyPartWritesEveryValue)
{
    const CaptureRecord& r = GetParam();
    for (unsigned part : {0u, 1u, 2u, 9u})
    {
        DeleteKey(L"");
        RecordPtr record = Changed(r.row);
        EXPECT_TRUE(record->SaveToRegistry(part)) << "part " << part;
        EXPECT_EQ(r.changed, StoredValues(r.row.subKey)) << "part " << part;
    }
}

TEST_P(RegistryRecordTest, SaveThenLoadCopyAndAssignGiveTheSameRecord)
{
    const CaptureRecord& r = GetParam();
    RecordPtr saved = Changed(r.row);
    ASSERT_TRUE(saved->SaveToRegistry(1));
    RecordPtr loaded(r.row.make());
    ASSERT_TRUE(loaded->LoadFromRegistry());
    EXPECT_TRUE(r.row.equal(*saved, *loaded));
    EXPECT_EQ(r.row.type, loaded->GetType());

    RecordPtr copy(r.row.copy(*loaded));
    EXPECT_TRUE(r.row.equal(*saved, *copy));
    RecordPtr assigned(r.row.make());
    r.row.assign(*assigned, *loaded);
    EXPECT_TRUE(r.row.equal(*saved, *assigned));
    r.row.assign(*copy, *RecordPtr(r.row.make()));
    EXPECT_FALSE(r.row.equal(*saved, *copy));
}

TEST_P(RegistryRecordTest, LoadingFromAMissingKeyCreatesItAndChangesNothing)
{
    const CaptureRecord& r = GetParam();
    RecordPtr record = Changed(r.row);
    EXPECT_FALSE(record->LoadFromRegistry());
    EXPECT_TRUE(r.row.equal(*Changed(r.row), *record));
    EXPECT_TRUE(KeyExists(r.row.subKey));
}

TEST(CaptureRecords, FullPathFileNameIsTheFolderWithOneBackslashTheNameAndTheExtension)
{
    InfoCBTRecording cbt;
    EXPECT_EQ(InfoGlobalFunctions::GetCBTDirectory() + L"\\VellTraining.vtf", cbt.GetFullPathFileName());

    cbt.RecFName = L"n";
    cbt.RecPath = L"C:\\Rec\\/";
    InfoAudioRecording audio(L"n", L"C:\\Rec", AFT_WAV, true, L"", L"", L"", 0, false, false);
    InfoVideoRecording video;
    video.RecFName = L"n";
    video.RecPath = L"C:\\Rec\\\\";
    InfoPresentationRecording movie(L"n", L"C:\\Rec/", PFT_AVI, true, 0, 1, 1, false);
    InfoRegistryRecording registry;
    registry.RecFName = L"n";
    registry.RecPath = L"";
    EXPECT_EQ(L"C:\\Rec\\n.vtf", cbt.GetFullPathFileName());
    EXPECT_EQ(L"C:\\Rec\\n.wav", audio.GetFullPathFileName());
    EXPECT_EQ(L"C:\\Rec\\n.avi", video.GetFullPathFileName());
    EXPECT_EQ(L"C:\\Rec\\n.avi", movie.GetFullPathFileName());
    EXPECT_EQ(L"n.vrf", registry.GetFullPathFileName());
}

class PlaybackKeyTest : public InfoRegistryTest
{
};

TEST_F(PlaybackKeyTest, MovieAndVideoPlaybackLoadTheSameValuesFromTheirOwnKeys)
{
    InfoVideoPlaying video(L"C:\\Play\\a.avi", 30, 4, true, false, 5, 6, 800, 600);
    ASSERT_TRUE(video.SaveToRegistry(0));

    InfoPresentationPlaying movie;
    const InfoPresentationPlaying before(movie);
    EXPECT_FALSE(movie.LoadFromRegistry());
    EXPECT_TRUE(movie == before);

    for (const auto& value : StoredValues(L"VideoCapture"))
        PutValue(L"MovieCapture", value.first, value.second);
    ASSERT_TRUE(movie.LoadFromRegistry());
    EXPECT_TRUE(movie == video);
    EXPECT_EQ(SP_PRESENTATION_PLAYING, movie.GetType());

    DeleteKey(L"");
    ASSERT_TRUE(movie.SaveToRegistry(0));
    EXPECT_FALSE(KeyExists(L"VideoCapture"));
}
