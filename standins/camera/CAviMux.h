#pragma once
// CAviMux: the AVI multiplexer in place of the platform's, under its class id. Its
// inputs take one uncompressed video stream (input 1) and one PCM sound stream (input
// 2); its output is an AVI byte stream for a file writer, each sample stamped with its
// byte offset in the file (as the platform's File Writer expects). While the filter is
// paused or running, every sample that reaches an input becomes the next chunk (until the
// file reaches 2 GB); when it stops, the index and the final header follow. When the writer downstream has already
// stopped by then, the mux finishes the file itself: the writer's name is its file's
// name, as the capture graph builder names it.
// IConfigAviMux keeps the master stream and the compatibility index switch.
#include "standins/camera/CAviLayout.h"
#include "standins/filterkit/CKitInputPin.h"
#include "standins/filterkit/CKitOutputPin.h"
#include "standins/filterkit/CKitFilter.h"

#include <strmif.h>

class CAviMux;

class CAviMuxInputPin final : public CKitInputPin
{
public:
    CAviMuxInputPin(CAviMux* mux, const wchar_t* name, int stream);
    HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override;

protected:
    HRESULT OnReceive(IMediaSample* sample) override;
    HRESULT OnEndOfStream() override;

private:
    CAviMux* m_mux;
    int m_stream;
};

class CAviMuxOutputPin final : public CKitOutputPin
{
public:
    explicit CAviMuxOutputPin(CAviMux* mux);
    HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override;
    HRESULT GetMediaType(int index, AM_MEDIA_TYPE* type) override;

protected:
    HRESULT DecideBufferSize(ALLOCATOR_PROPERTIES& properties) override;
};

class CAviMux final : public CKitFilter, public IConfigAviMux
{
public:
    static IUnknown* Create();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE SetMasterStream(LONG stream) override;
    HRESULT STDMETHODCALLTYPE GetMasterStream(LONG* stream) override;
    HRESULT STDMETHODCALLTYPE SetOutputCompatibilityIndex(BOOL oldIndex) override;
    HRESULT STDMETHODCALLTYPE GetOutputCompatibilityIndex(BOOL* oldIndex) override;

    int PinCount() override;
    CKitPin* PinAt(int index) override;

    // Writes a sample of stream 0 (video) or 1 (sound) as the next chunk (the first
    // chunk after the header).
    HRESULT WriteSample(int stream, IMediaSample* sample);
    // The largest sample the output must carry.
    long LargestPiece() const;

protected:
    ~CAviMux() override;
    HRESULT QueryFilterInterface(REFIID interfaceId, void** object) override;
    HRESULT OnActivate() override;
    void OnDeactivate() override;

private:
    CAviMux();
    // The writer downstream, with a reference; null when none.
    IBaseFilter* WriterFilter();
    // Writes the index and the header into the writer's file.
    void FinishFile(IBaseFilter* writer);
    // Sends bytes to the writer at offset, in pieces the output's buffers hold; false
    // when the writer took none (it has stopped).
    bool SendBytes(const std::vector<BYTE>& bytes, DWORD offset);

    CAviMuxInputPin m_video;
    CAviMuxInputPin m_sound;
    CAviMuxOutputPin m_output;
    CRITICAL_SECTION m_writeLock;
    CAviLayout m_layout;
    bool m_writing = false;
    bool m_headerSent = false;
    bool m_writerGone = false;
    LONG m_masterStream = -1;
    BOOL m_oldIndex = TRUE;
};
