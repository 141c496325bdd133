#pragma once
// CRightButtonHold: the count of the right-button hold that begins a screen capture. The
// main window's poll reports every tick (kTickMs apart) whether the button is held; the
// capture begins at the first tick that finds more held time counted than the hold time
// (with 200 ms: the third tick that finds the button held).
class CRightButtonHold
{
public:
    static const int kTickMs = 200;

    // One tick of the poll. busy: a selection or a capture runs, which neither begins a
    // capture nor counts. True when the capture should begin now.
    bool Tick(bool held, bool busy, int holdTimeMs);
    void Reset() { m_heldMs = 0; }
    int GetHeldMs() const { return m_heldMs; }

private:
    int m_heldMs = 0;
};
