#include "common/CEmailContentType.h"
#include "testing/CStringPrinter.h"
#include <gtest/gtest.h>

TEST(CEmailContentType, NamesTheTypeOfTheLowerCasedExtensionOrTheDefault)
{
    const struct
    {
        const wchar_t* path;
        const wchar_t* type;
        int kind;
    } cases[] = {
        {L"C:\\Pictures\\Photo.JPG", L"image/jpeg", CEmailContentType::kKnown},
        {L"C:\\shot.jpe", L"image/jpeg", CEmailContentType::kKnown},
        {L"shot.png", L"image/x-png", CEmailContentType::kKnown},
        {L"C:\\plan.Dxf", L"image/x-dxf", CEmailContentType::kKnown},
        {L"C:\\art.epsf", L"image/x-eps", CEmailContentType::kKnown},
        {L"C:\\archive.zip", L"application/octet-stream", CEmailContentType::kDefault},
        {L"C:\\README", L"application/octet-stream", CEmailContentType::kDefault},
    };
    for (const auto& c : cases)
    {
        CEmailContentType type(c.path);
        EXPECT_EQ(CString(c.type), type.GetContentType()) << CString(c.path).ToAnsi();
        EXPECT_EQ(c.kind, type.GetKind()) << CString(c.path).ToAnsi();
    }
    CEmailContentType photo(L"C:\\Pictures\\Photo.JPG");
    EXPECT_EQ(CString(L"Photo"), photo.GetFileName());
    EXPECT_EQ(CString(L".jpg"), photo.GetExtension());
    EXPECT_EQ(CString(L"C:\\Pictures\\"), photo.GetFolder());
}
