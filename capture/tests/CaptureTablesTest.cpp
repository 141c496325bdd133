#include "capture/destinations/CaptureTables.h"
#include "capture/tests/CaptureTestSupport.h"
#include "common/PathHelpers.h"
#include <gtest/gtest.h>

#include <vector>

using namespace capture_test;

TEST(CaptureTablesTest, RecordTypeRangesAreHalfOpen)
{
    struct Case
    {
        bool (*test)(int);
        int first;
        int end;
    };
    const Case cases[] = {{IsCaptureGroupType, 1, 7}, {IsScreenDestinationType, 7, 18},
                          {IsTrainingType, 18, 20},   {IsAudioType, 20, 22},
                          {IsVideoType, 22, 24},      {IsMovieType, 24, 26}};
    for (const Case& c : cases)
    {
        EXPECT_FALSE(c.test(c.first - 1)) << c.first;
        EXPECT_TRUE(c.test(c.first)) << c.first;
        EXPECT_TRUE(c.test(c.end - 1)) << c.first;
        EXPECT_FALSE(c.test(c.end)) << c.first;
    }
}

TEST(CaptureTablesTest, ImageTypesHaveTheirExtensionNamesAndFormats)
{
    struct Case
    {
        int type;
        const wchar_t* extension;
        const wchar_t* shortName;
        const wchar_t* longName;
    };
    const Case cases[] = {
        {0, L".bmp", L"BMP", L"Windows Bitmap (BMP)"},
        {1, L".dib", L"DIB", L"Device Independent Bitmap (DIB)"},
        {2, L".jpg", L"JPG", L"Joint Photographic Experts Group (JPG)"},
        {3, L".gif", L"GIF", L"Graphics Interchange Format (GIF)"},
        {4, L".png", L"PNG", L"Portable Network Graphics (PNG)"},
        {5, L".bmp", L"", L""},
        {-1, L".bmp", L"", L""},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(CString(c.extension), GetImageFileExtension(c.type)) << c.type;
        EXPECT_EQ(CString(c.extension), GetOutputFileExtension(c.type, OFK_IMAGE)) << c.type;
        EXPECT_EQ(CString(c.shortName), GetImageTypeName(c.type, true)) << c.type;
        EXPECT_EQ(CString(c.longName), GetImageTypeName(c.type, false)) << c.type;
    }
    EXPECT_TRUE(IsEqualGUID(GUID_NULL, GetImageEncoderClsid(5)));
}

TEST(CaptureTablesTest, EncoderFormatsAreTheInstalledEncodersOfTheirTypes)
{
    ASSERT_TRUE(AppGdiplusInit());
    UINT count = 0, size = 0;
    ASSERT_EQ(Gdiplus::Ok, Gdiplus::GetImageEncodersSize(&count, &size));
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    ASSERT_EQ(Gdiplus::Ok, Gdiplus::GetImageEncoders(count, size, codecs));

    const struct
    {
        int type;
        const wchar_t* mimeType;
    } cases[] = {{0, L"image/bmp"}, {2, L"image/jpeg"}, {3, L"image/gif"}, {4, L"image/png"}};
    for (const auto& c : cases)
    {
        bool found = false;
        for (UINT i = 0; i < count; ++i)
            if (IsEqualGUID(codecs[i].FormatID, GetImageEncoderClsid(c.type)))
                found = CString(codecs[i].MimeType) == c.mimeType;
        EXPECT_TRUE(found) << c.type;
    }
}

TEST(CaptureTablesTest, OtherKindsTypesAndNames)
{
    EXPECT_EQ(CString(L".wav"), GetAudioFileExtension(3));
    EXPECT_EQ(CString(L"Waveform-Audio (WAV)"), GetAudioTypeName(0, false));
    EXPECT_EQ(CString(), GetAudioTypeName(1, true));
    EXPECT_EQ(CString(L".avi"), GetVideoFileExtension(2));
    EXPECT_EQ(CString(L"AVI"), GetVideoTypeName(0, true));
    EXPECT_EQ(CString(), GetVideoTypeName(1, false));

    const struct
    {
        int kind;
        const wchar_t* baseName;
        const wchar_t* extension;
    } kinds[] = {{OFK_IMAGE, L"VellImage", L".png"},
                 {OFK_TRAINING, L"VellTraining", L".vtf"},
                 {OFK_AUDIO, L"VellAudio", L".wav"},
                 {OFK_VIDEO, L"VellVideo", L".avi"},
                 {OFK_MOVIE, L"VellPres", L".avi"},
                 {OFK_REGISTRY, L"VellRegistry", L".vrf"},
                 {0, L"", L""},
                 {7, L"", L""}};
    for (const auto& k : kinds)
    {
        EXPECT_EQ(CString(k.baseName), GetDefaultBaseName(k.kind)) << k.kind;
        EXPECT_EQ(CString(k.extension), GetOutputFileExtension(FT_PNG, k.kind)) << k.kind;
    }

    EXPECT_EQ(CString(L"Free Hand"), GetSelectionTypeName(0));
    EXPECT_EQ(CString(L"Desktop"), GetSelectionTypeName(6));
    EXPECT_EQ(CString(), GetSelectionTypeName(7));

    const struct
    {
        int type;
        const wchar_t* name;
    } types[] = {{6, L""},
                 {7, L"Screen Capture - File"},
                 {12, L"Screen Capture - Fax"},
                 {17, L"Screen Capture - Web Server"},
                 {18, L"Training Capture - Recording"},
                 {21, L"Audio Capture - Playing"},
                 {22, L"Video Capture - Recording"},
                 {25, L"Movie Capture - Playing"},
                 {26, L""}};
    for (const auto& t : types)
        EXPECT_EQ(CString(t.name), GetCaptureTypeFullName(t.type)) << t.type;
}

TEST(CaptureTablesTest, MediaExtensionsIgnoreCaseAndHonourTheOnlyFlags)
{
    EXPECT_TRUE(IsAudioFileExtension(L"C:\\music\\SONG.MP3", false));
    EXPECT_FALSE(IsAudioFileExtension(L"C:\\music\\SONG.MP3", true));
    EXPECT_TRUE(IsAudioFileExtension(L"C:\\music\\song.Wav", true));
    EXPECT_TRUE(IsAudioFileExtension(L"a.aiff", false));
    EXPECT_FALSE(IsAudioFileExtension(L"a.avi", false));
    EXPECT_TRUE(IsVideoFileExtension(L"C:\\films\\CLIP.MPEG", false));
    EXPECT_FALSE(IsVideoFileExtension(L"C:\\films\\CLIP.MPEG", true));
    EXPECT_TRUE(IsVideoFileExtension(L"clip.AVI", true));
    EXPECT_FALSE(IsVideoFileExtension(L"clip", false));
}

TEST(CaptureTablesTest, UniqueFileNamesNumberPastExistingFiles)
{
    TestFolder folder;
    CString base = folder.Path() + L"\\";
    EXPECT_EQ(base + L"shot.jpg", MakeUniqueFileName(folder.Path(), L"shot", FT_JPG, OFK_IMAGE));

    WriteBytes(base + L"shot.jpg", "x");
    EXPECT_EQ(base + L"shot1.jpg", MakeUniqueFileName(folder.Path(), L"shot", FT_JPG, OFK_IMAGE));
    WriteBytes(base + L"shot1.jpg", "x");
    EXPECT_EQ(base + L"shot2.jpg", MakeUniqueFileName(base, L"shot", FT_JPG, OFK_IMAGE));
    // Another type's file does not count.
    EXPECT_EQ(base + L"shot.png", MakeUniqueFileName(base, L"shot", FT_PNG, OFK_IMAGE));

    // Empty base: the kind's default; a base with folder and extension: its name
    // only.
    EXPECT_EQ(base + L"VellAudio.wav", MakeUniqueFileName(base, L"", 0, OFK_AUDIO));
    EXPECT_EQ(base + L"pic.jpg", MakeUniqueFileName(base, L"D:\\elsewhere\\pic.gif", FT_JPG, OFK_IMAGE));
    // A folder ending in "/" gets no further separator; an empty folder gets
    // none.
    EXPECT_EQ(CString(L"C:/pics/VellImage.bmp"), MakeUniqueFileName(L"C:/pics/", L"", FT_BMP, OFK_IMAGE));
    EXPECT_EQ(CString(L"VellRegistry.vrf"), MakeUniqueFileName(L"", L"", 0, OFK_REGISTRY));
}

TEST(CaptureTablesTest, ActivePageIndexIsRememberedPerSheetKind)
{
    const int kType = 11;
    SaveActivePageIndex(kType, 0, true);
    SaveActivePageIndex(kType, 0, false);
    ASSERT_TRUE(SaveActivePageIndex(kType, 3, true));
    ASSERT_TRUE(SaveActivePageIndex(kType, 1, false));
    EXPECT_EQ(3, LoadActivePageIndex(kType, true));
    EXPECT_EQ(1, LoadActivePageIndex(kType, false));
    // A type never saved reads 0.
    EXPECT_EQ(0, LoadActivePageIndex(9999, true));

    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Talvono Software\\Talvono Vellumor\\ActivePage", 0,
                            KEY_QUERY_VALUE, &key));
    DWORD value = 0, size = sizeof(value), kind = 0;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, L"11", nullptr, &kind, reinterpret_cast<BYTE*>(&value), &size));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), kind);
    EXPECT_EQ(3u, value);
    RegCloseKey(key);
}

TEST(CaptureTablesTest, ActivePageIndexOfAMissingKeyIsZeroAndLoadDoesNotCreateIt)
{
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Talvono Software\\Talvono Vellumor\\ActivePageSetts");
    EXPECT_EQ(0, LoadActivePageIndex(7, false));
    HKEY key;
    EXPECT_NE(ERROR_SUCCESS,
              RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Talvono Software\\Talvono Vellumor\\ActivePageSetts", 0,
                            KEY_QUERY_VALUE, &key));
}

TEST(CaptureTablesTest, MapiPresenceFollowsTheProfileAndATrueAnswerIsKept)
{
    wchar_t saved[16] = {};
    GetProfileStringW(L"MAIL", L"MAPI", L"", saved, 16);

    WriteProfileStringW(L"MAIL", L"MAPI", L"0");
    EXPECT_FALSE(IsMapiPresent());
    WriteProfileStringW(L"MAIL", L"MAPI", L"1");
    wchar_t found[MAX_PATH];
    bool dllFound = SearchPathW(nullptr, L"MAPI32.DLL", nullptr, MAX_PATH, found, nullptr) != 0;
    EXPECT_EQ(dllFound, IsMapiPresent());
    WriteProfileStringW(L"MAIL", L"MAPI", L"0");
    EXPECT_EQ(dllFound, IsMapiPresent());

    WriteProfileStringW(L"MAIL", L"MAPI", saved[0] ? saved : nullptr);
}

TEST(CaptureTablesTest, DirectXOfTheSystemIsSupported)
{
    // The system here reports DirectX 9.0c.
    EXPECT_TRUE(IsDirectXVersionSupported());
}

namespace
{
struct CountedRecord : SendParam
{
    explicit CountedRecord(int& deleted) : m_deleted(deleted) {}
    ~CountedRecord() override { ++m_deleted; }
    EnumSendParam GetType() const override { return SP_SC_FILE; }
    bool LoadFromRegistry() override { return true; }
    bool SaveToRegistry(unsigned int) override { return true; }
    bool IsDisplayFlagOn() const override { return false; }
    int& m_deleted;
};
} // namespace

TEST(CaptureTablesTest, DeleteSendParamDeletesOnlyCaptureRecordTypes)
{
    const struct
    {
        int type;
        int deleted;
    } cases[] = {{6, 0}, {7, 1}, {25, 1}, {26, 0}};
    for (const auto& c : cases)
    {
        int deleted = 0;
        CountedRecord* record = new CountedRecord(deleted);
        DeleteSendParam(record, c.type);
        EXPECT_EQ(c.deleted, deleted) << c.type;
        if (deleted == 0)
            delete record;
    }
    DeleteSendParam(nullptr, 7);
}
