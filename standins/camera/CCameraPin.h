#pragma once
// CCameraPin: an output pin of the test camera, its capture pin or its preview pin (the
// pin's category answers IKsPropertySet). Both offer 32-bit RGB pictures of the sizes
// of TestCameraIds.h; the stream configuration (IAMStreamConfig) chooses the size and
// the frame time, which the camera's frame thread honours. The capture pin counts the
// frames it delivered and those it had to drop (IAMDroppedFrames).
#include "standins/filterkit/CKitOutputPin.h"

#include <strmif.h>

class CTestCamera;

class CCameraPin final : public CKitOutputPin,
                         public IAMStreamConfig,
                         public IKsPropertySet,
                         public IAMDroppedFrames,
                         public ISpecifyPropertyPages
{
public:
    CCameraPin(CTestCamera* camera, const wchar_t* name, REFGUID category);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override;
    HRESULT GetMediaType(int index, AM_MEDIA_TYPE* type) override;

    HRESULT STDMETHODCALLTYPE SetFormat(AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE GetFormat(AM_MEDIA_TYPE** type) override;
    HRESULT STDMETHODCALLTYPE GetNumberOfCapabilities(int* count, int* size) override;
    HRESULT STDMETHODCALLTYPE GetStreamCaps(int index, AM_MEDIA_TYPE** type, BYTE* caps) override;

    HRESULT STDMETHODCALLTYPE Set(REFGUID set, DWORD id, void* instance, DWORD instanceBytes, void* data,
                                  DWORD dataBytes) override;
    HRESULT STDMETHODCALLTYPE Get(REFGUID set, DWORD id, void* instance, DWORD instanceBytes, void* data,
                                  DWORD dataBytes, DWORD* returned) override;
    HRESULT STDMETHODCALLTYPE QuerySupported(REFGUID set, DWORD id, DWORD* support) override;

    HRESULT STDMETHODCALLTYPE GetNumDropped(long* dropped) override;
    HRESULT STDMETHODCALLTYPE GetNumNotDropped(long* notDropped) override;
    HRESULT STDMETHODCALLTYPE GetDroppedInfo(long size, long* frames, long* copied) override;
    HRESULT STDMETHODCALLTYPE GetAverageFrameSize(long* averageSize) override;

    HRESULT STDMETHODCALLTYPE GetPages(CAUUID* pages) override;

    REFERENCE_TIME FrameTime() const { return m_frameTime; }
    // Starts with another of the offered sizes (before any connection).
    void SetSize(int width, int height);
    // Delivers frame number frame (stamped from start to stop when timed); with wait
    // false a frame for which no buffer is free is left out.
    HRESULT DeliverFrame(unsigned frame, bool timed, REFERENCE_TIME start, REFERENCE_TIME stop, bool wait);
    // Counts a frame the camera could not deliver in time.
    void CountDropped(unsigned frame);
    void ResetCounters();

protected:
    HRESULT QueryPinInterface(REFIID interfaceId, void** object) override;
    HRESULT DecideBufferSize(ALLOCATOR_PROPERTIES& properties) override;

private:
    HRESULT MakeType(int width, int height, REFERENCE_TIME frameTime, AM_MEDIA_TYPE* type) const;

    CTestCamera* m_camera;
    GUID m_category;
    int m_width;
    int m_height;
    REFERENCE_TIME m_frameTime;
    volatile LONG m_delivered = 0;
    volatile LONG m_dropped = 0;
    // The numbers of the first frames dropped, for GetDroppedInfo.
    long m_droppedFrames[64] = {};
};
