#pragma once
// Type codes and choices stored by the settings records (32-bit, stored as REG_DWORD).

enum EnumSendParam : int
{
    SP_SCREEN_CAPTURE = 1,
    SP_TRAINING_CAPTURE = 2,
    SP_AUDIO_CAPTURE = 3,
    SP_VIDEO_CAPTURE = 4,
    SP_MOVIE_CAPTURE = 5,
    SP_SC_FILE = 7,
    SP_SC_EDITOR = 8,
    SP_SC_EMAIL = 9,
    SP_SC_ICQ = 10,
    SP_SC_PRINTER = 11,
    SP_SC_FAX = 12,
    SP_SC_DATABASE = 13,
    SP_SC_CLIPBOARD = 14,
    SP_SC_SCREENSAVER = 15,
    SP_SC_WALLPAPER = 16,
    SP_SC_WEB = 17,
    SP_CBT_RECORDING = 18,
    SP_CBT_PLAYING = 19,
    SP_AUDIO_RECORDING = 20,
    SP_AUDIO_PLAYING = 21,
    SP_VIDEO_RECORDING = 22,
    SP_VIDEO_PLAYING = 23,
    SP_PRESENTATION_RECORDING = 24,
    SP_PRESENTATION_PLAYING = 25,
    SP_REGISTRY_RECORDING = 26,
    SP_REGISTRY_ROLLBACK = 27,
    SP_SC_SETTINGS = 28,
};

enum EnumFileType : int
{
    FT_BMP = 0,
    FT_DIB = 1,
    FT_JPG = 2,
    FT_GIF = 3,
    FT_PNG = 4,
};

enum EnumScreenCaptureType : int
{
    SCT_FREE_HAND = 0,
    SCT_POLYGON = 1,
    SCT_RECTANGLE = 2,
    SCT_ELLIPSE = 3,
    SCT_WINDOW = 4,
    SCT_ACTIVE_WINDOW = 5,
    SCT_DESKTOP = 6,
};

enum EnumRepeatLastCapture : int
{
    RLC_CTRL_SHIFT_F9 = 0,
    RLC_CTRL_SHIFT_F11 = 1,
    RLC_CTRL_SHIFT_F12 = 2,
};

enum EnumAudioFileType : int
{
    AFT_WAV = 0,
};

enum EnumVideoFileType : int
{
    VFT_AVI = 0,
};

enum EnumPresentationFileType : int
{
    PFT_AVI = 0,
};

enum EnumPageOrientation : int
{
    PO_PORTRAIT = 1,
    PO_LANDSCAPE = 2,
};

enum EnumWebServer : int
{
    WS_REMOTE_FTP = 0,
    WS_LOCAL = 1,
};
