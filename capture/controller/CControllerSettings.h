#pragma once
// CControllerSettings: the controller's choices kept in the program's key "Common": the
// current capture type ("CaptType"), whether the Record/Play pair of training, audio,
// video and movie capture records or plays ("CBTType", "AudioType", "VideoType",
// "PresType") and which training hot key starts and stops training ("CBTHotKeys").
// A missing key or value reads as 0; a failed write is told in a message box and the
// new value is kept.
class CControllerSettings
{
public:
    // Reads the six values (creating the key) and corrects those out of range:
    // a type outside 1 to 6 becomes 1, a hot-key index outside 0 to 2 becomes 1.
    void Load();

    int GetCaptureType() const { return m_captureType; }
    // Type 1 always records; types 2 to 5 their choice; other types neither.
    bool IsRecActive(int type) const;
    int GetCBTHotKeys() const { return m_hotKeys; }

    void SetCaptureType(int type);
    // Types 2 to 5 only; other types change nothing.
    void SetRecActive(int type, bool record);
    void SetCBTHotKeys(int index);

private:
    // The value that holds the record mode of a type 2 to 5; null for other types.
    static const wchar_t* RecordModeValue(int type);
    static void Write(const wchar_t* name, int value);

    int m_captureType = 1;
    bool m_recordMode[4] = {true, true, true, true}; // types 2 to 5
    int m_hotKeys = 2;
};
