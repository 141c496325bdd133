#pragma once
// CWavWriter: the wave writer, under the class id of the "WAV Dest" filter, which the
// test platform lacks. It takes PCM on its input pin and delivers a wave file as a byte
// stream (MEDIATYPE_Stream) to a file writer: each sample's times are its byte offsets
// in the file. The header goes first, at offset 0, as soon as the graph runs, and again
// after every block of sound with the sizes written so far, so the file is a complete
// wave file whenever the file writer closes it. (The file writer of the platform has no
// IStream on its pin and closes its file before the filters upstream learn of the stop,
// so the header cannot be mended afterwards.)
#include "standins/audio/CWavWriterInputPin.h"
#include "standins/audio/CWavWriterOutputPin.h"
#include "standins/filterkit/CKitFilter.h"

class CWavWriter final : public CKitFilter
{
public:
    static IUnknown* Create();

    int PinCount() override;
    CKitPin* PinAt(int index) override;

    // From the input pin's streaming thread.
    HRESULT WriteSound(IMediaSample* sample);
    HRESULT WriteEnd();
    void PassFlush(bool begin);

protected:
    ~CWavWriter() override;
    HRESULT OnActivate() override;
    void OnDeactivate() override;
    void OnRun(REFERENCE_TIME start) override;

private:
    CWavWriter();
    // Delivers bytes at the file offset; false when the file writer refused them.
    bool DeliverAt(LONGLONG offset, const BYTE* data, DWORD bytes);
    bool WriteHeader();

    CWavWriterInputPin m_input;
    CWavWriterOutputPin m_output;
    CRITICAL_SECTION m_streamLock;
    // Sound bytes written since the filter left the stopped state.
    LONGLONG m_soundBytes = 0;
};
