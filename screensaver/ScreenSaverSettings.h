#pragma once
// The screen saver's settings as the registry holds them (HKEY_CURRENT_USER, and the
// picture folder under HKEY_LOCAL_MACHINE), read with the range checks the saver and its
// settings dialog share.
#include "framework/CString.h"

enum ScreenSaverEffect
{
    SSE_NONE = 0,
    SSE_FIRE = 1,
    SSE_PLASMA = 2,
    SSE_WATER = 3,
    SSE_LEFT_RIGHT = 4,
    SSE_RIGHT_LEFT = 5,
    SSE_UP_DOWN = 6,
    SSE_DOWN_UP = 7,
    SSE_IN_OUT_HORZ = 8,
    SSE_IN_OUT_VERT = 9,
    SSE_OUT_IN_HORZ = 10,
    SSE_OUT_IN_VERT = 11,
    SSE_IN_OUT = 12,
    SSE_OUT_IN = 13,
    SSE_MOSAIC = 14
};

// The name that stands for the built-in logo.
extern const wchar_t* const kScreenSaverLogoName;
// The key of every value, below both roots.
extern const wchar_t* const kScreenSaverKey;
// The pool list file's name, in the picture folder.
extern const wchar_t* const kImagePoolFileName;

struct ScreenSaverSettings
{
    CString name;  // the picture shown: a base name in the folder, or a full path from the pool
    CString image; // "Image": the picture's base name when no pool is shown
    int effect = SSE_NONE;
    int matrix = 1; // mosaic 0 5x5, 1 10x10, 2 15x15
    bool origSize = true;
    int alphaFire = 30;
    int alphaPlasma = 30;
    int freqWater = 3000;
    int freqDisplay = 3000;
    bool pool = false;
    int poolTime = 10000; // ms between pool pictures
    bool poolListNamed = false; // "ImagePoolFiles" present: the pool list file is to be read

    // The value when it lies in low..high, else the fallback.
    static int Clamp(DWORD value, int low, int high, int fallback);
    // Reads every value present (a missing or unreadable one leaves the field as it is),
    // each with its range check. The name shown is the caller's to choose.
    void Read();
    // Writes every value, "Image" from image (keys created when missing); false when a
    // write failed.
    bool Write() const;
    // The mosaic's cells per side: 5, 10 or 15.
    int MosaicSize() const { return 5 + 5 * matrix; }
};

// The picture folder ("ImgPath" under HKEY_LOCAL_MACHINE) without trailing "\" or "/";
// empty when it is not set.
CString ReadScreenSaverFolder();
// The pool list file's path in the folder; empty for an empty folder.
CString ImagePoolFilePath(const CString& folder);
// The effects whose pictures are animated on the window's thread (fire, plasma, water).
inline bool IsAnimatedEffect(int effect)
{
    return effect >= SSE_FIRE && effect <= SSE_WATER;
}
