// The animated effects on plain pixel buffers, with the random numbers the test chooses.
#include "screensaver/CFireRoutine.h"
#include "screensaver/CPlasmaRoutine.h"
#include "screensaver/CWaterRoutine.h"

#include <gtest/gtest.h>

namespace
{
RandomSource Always(int value)
{
    return [value] { return value; };
}
} // namespace

TEST(FireRoutine, SparksOnEveryCellSpreadUpwardsAndBlendWithThePalette)
{
    // rand() % 101 == 0 sparks everywhere, in runs of one cell.
    CFireRoutine fire(Always(0));
    fire.SetAlpha(256);
    fire.Init(8, 4);
    std::vector<DWORD> pixels(8 * 4, 0);
    fire.Render(pixels.data());
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(254, fire.Heat(CFireRoutine::kStartRow, x));
    // The next row: five hot cells of the start row (two beyond the side count cold) of seven.
    EXPECT_EQ(254 * 5 / 7, fire.Heat(3, 3));
    EXPECT_EQ(254 * 3 / 7, fire.Heat(3, 0));
    EXPECT_EQ(254 * 4 / 7, fire.Heat(3, 1));
    // The picture's bottom row shows buffer row 3 at full opacity.
    EXPECT_EQ(CFireRoutine::PaletteColour(fire.Heat(3, 3)), pixels[3]);
    EXPECT_GT(fire.Heat(3, 3), fire.Heat(4, 3)); // cooler as the flames rise
}

TEST(FireRoutine, WithoutSparksThePictureIsDimmedTowardsBlackByTheOpacity)
{
    CFireRoutine fire(Always(100));
    fire.Init(3, 2);
    std::vector<DWORD> pixels(6, 0x00FFFFFF);
    fire.Render(pixels.data());
    for (DWORD pixel : pixels)
        EXPECT_EQ(0x00E2E2E2u, pixel); // 255 - 255 x 30 / 256
}

TEST(FireRoutine, PaletteIsBlackThenRedYellowAndWhite)
{
    EXPECT_EQ(0u, CFireRoutine::PaletteColour(0));
    EXPECT_EQ(0u, CFireRoutine::PaletteColour(50));
    EXPECT_EQ(0x00FF0000u, CFireRoutine::PaletteColour(135));
    EXPECT_EQ(0x00FFFF00u, CFireRoutine::PaletteColour(220));
    const DWORD top = CFireRoutine::PaletteColour(255);
    EXPECT_EQ(0x00FFFF00u, top & 0x00FFFF00u);
    EXPECT_GT(top & 0xFF, 0u);
}

TEST(PlasmaRoutine, ValuesAreSumsOfFourCosinesWhosePhasesMove)
{
    // A full turn every 128 entries, cut towards zero.
    EXPECT_EQ(30, CPlasmaRoutine::Cosine(0));
    EXPECT_EQ(0, CPlasmaRoutine::Cosine(32));
    EXPECT_EQ(-29, CPlasmaRoutine::Cosine(64));
    EXPECT_EQ(CPlasmaRoutine::Cosine(10), CPlasmaRoutine::Cosine(266));
    EXPECT_EQ(0x00FF0000u, CPlasmaRoutine::PaletteColour(32));
    EXPECT_EQ(0x0000FF00u, CPlasmaRoutine::PaletteColour(64));

    CPlasmaRoutine plasma;
    plasma.SetAlpha(256);
    plasma.Init(4, 3);
    std::vector<DWORD> pixels(12, 0);
    plasma.Render(pixels.data());
    // First frame: phases 1, -2, -1, 3; each entry of the table at those is 29.
    EXPECT_EQ(116, plasma.Value(0, 0));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(CPlasmaRoutine::PaletteColour(plasma.Value(i % 4, i / 4)), pixels[i]);
    const BYTE first = plasma.Value(2, 1);
    plasma.Render(pixels.data());
    EXPECT_NE(first, plasma.Value(2, 1));
}

TEST(WaterRoutine, DropsNeedTenPixelsAndLandFivePixelsInside)
{
    // 9 pixels left rand() % 0 to divide by zero; under 10 there are no drops.
    for (SIZE size : {SIZE{9, 40}, SIZE{40, 9}, SIZE{3, 3}})
    {
        CWaterRoutine water(Always(0));
        water.Create(size.cx, size.cy);
        water.Drop();
        EXPECT_TRUE(water.IsFlat()) << size.cx << "x" << size.cy;
        EXPECT_EQ(0, water.Height(size.cx / 2, size.cy / 2));
    }
    CWaterRoutine small(Always(0));
    small.Create(10, 10);
    small.Drop();
    EXPECT_EQ(50, small.Height(5, 5));
    EXPECT_EQ(50, small.Height(0, 9));

    CWaterRoutine wide(Always(7));
    wide.Create(200, 120);
    wide.Drop(); // centre 5 + 7, 5 + 7; strength 57
    EXPECT_EQ(57, wide.Height(12, 12));
    EXPECT_EQ(57, wide.Height(12, 61));
    EXPECT_EQ(0, wide.Height(12, 62)); // 50 away: outside the circle
    EXPECT_EQ(0, wide.Height(63, 12));
}

TEST(WaterRoutine, FlatWaterCopiesAndRipplesRefractAndSpread)
{
    const int w = 120, h = 100;
    std::vector<DWORD> source(w * h), work(w * h, 0);
    for (int i = 0; i < w * h; ++i)
        source[i] = (i % w) * 6 | ((i / w) * 8) << 8;
    CWaterRoutine water(Always(10));
    water.Create(w, h);
    water.Render(source.data(), work.data());
    EXPECT_EQ(source, work);

    water.Drop(); // centre 15, 15: the circle's edge lies inside the buffer
    water.Render(source.data(), work.data());
    EXPECT_NE(source, work);
    EXPECT_EQ(source[0], work[0]); // the border is never refracted
    // The waves spread: a height inside the circle drops as the edge pulls it down.
    EXPECT_FALSE(water.IsFlat());
    water.ClearHeights();
    EXPECT_TRUE(water.IsFlat());
    EXPECT_EQ(0, water.Height(15, 15));
    water.Render(source.data(), work.data());
    EXPECT_EQ(source, work);
}
