#include "standins/audio/CWavWriter.h"

#include "standins/audio/TestAudioIds.h"
#include "standins/filterkit/KitMediaType.h"

#include <algorithm>
#include <new>

namespace
{
#pragma pack(push, 1)
struct WaveHeader
{
    char riff[4];
    DWORD riffBytes;
    char wave[4];
    char fmt[4];
    DWORD formatBytes;
    PCMWAVEFORMAT format;
    char data[4];
    DWORD dataBytes;
};
#pragma pack(pop)
static_assert(sizeof(WaveHeader) == 44, "a PCM wave header is 44 bytes");

WaveHeader MakeHeader(const WAVEFORMATEX& format, LONGLONG soundBytes)
{
    const DWORD sound = static_cast<DWORD>(std::min<LONGLONG>(soundBytes, MAXDWORD - sizeof(WaveHeader)));
    WaveHeader header{{'R', 'I', 'F', 'F'}, static_cast<DWORD>(sizeof(WaveHeader) - 8 + sound),
                      {'W', 'A', 'V', 'E'}, {'f', 'm', 't', ' '}, sizeof(PCMWAVEFORMAT), {}, {'d', 'a', 't', 'a'},
                      sound};
    CopyMemory(&header.format, &format, sizeof(PCMWAVEFORMAT));
    return header;
}
} // namespace

IUnknown* CWavWriter::Create()
{
    return static_cast<IBaseFilter*>(new (std::nothrow) CWavWriter());
}

CWavWriter::CWavWriter() : CKitFilter(CLSID_WavDest), m_input(this), m_output(this)
{
    InitializeCriticalSection(&m_streamLock);
}

CWavWriter::~CWavWriter()
{
    DeleteCriticalSection(&m_streamLock);
}

int CWavWriter::PinCount()
{
    return 2;
}

CKitPin* CWavWriter::PinAt(int index)
{
    if (index == 0)
        return &m_input;
    return index == 1 ? &m_output : nullptr;
}

HRESULT CWavWriter::OnActivate()
{
    if (!m_input.IsConnected() || !m_output.IsConnected())
        return VFW_E_NOT_CONNECTED;
    m_soundBytes = 0;
    return m_output.Activate();
}

void CWavWriter::OnDeactivate()
{
    // A block being written finishes with its header before the output's buffers go:
    // the header then always counts every byte of sound in the file.
    EnterCriticalSection(&m_streamLock);
    m_output.Deactivate();
    LeaveCriticalSection(&m_streamLock);
}

void CWavWriter::OnRun(REFERENCE_TIME)
{
    EnterCriticalSection(&m_streamLock);
    if (m_soundBytes == 0)
        WriteHeader();
    LeaveCriticalSection(&m_streamLock);
}

HRESULT CWavWriter::WriteSound(IMediaSample* sample)
{
    BYTE* data = nullptr;
    HRESULT result = sample->GetPointer(&data);
    if (FAILED(result))
        return result;
    const DWORD bytes = static_cast<DWORD>(sample->GetActualDataLength());
    EnterCriticalSection(&m_streamLock);
    bool written = DeliverAt(sizeof(WaveHeader) + m_soundBytes, data, bytes);
    if (written)
    {
        m_soundBytes += bytes;
        written = WriteHeader();
    }
    LeaveCriticalSection(&m_streamLock);
    return written ? S_OK : S_FALSE;
}

HRESULT CWavWriter::WriteEnd()
{
    EnterCriticalSection(&m_streamLock);
    WriteHeader();
    LeaveCriticalSection(&m_streamLock);
    return m_output.DeliverEndOfStream();
}

void CWavWriter::PassFlush(bool begin)
{
    if (IPin* peer = m_output.ConnectedPin())
        begin ? peer->BeginFlush() : peer->EndFlush();
}

bool CWavWriter::WriteHeader()
{
    const WAVEFORMATEX* format = KitPcmFormatOf(&m_input.MediaType());
    if (!format)
        return false;
    WaveHeader header = MakeHeader(*format, m_soundBytes);
    return DeliverAt(0, reinterpret_cast<const BYTE*>(&header), sizeof(header));
}

bool CWavWriter::DeliverAt(LONGLONG offset, const BYTE* data, DWORD bytes)
{
    while (bytes > 0)
    {
        IMediaSample* sample = nullptr;
        if (FAILED(m_output.GetDeliveryBuffer(&sample)))
            return false;
        BYTE* target = nullptr;
        const DWORD size = std::min<DWORD>(bytes, sample->GetSize());
        HRESULT result = sample->GetPointer(&target);
        if (SUCCEEDED(result))
        {
            CopyMemory(target, data, size);
            sample->SetActualDataLength(size);
            REFERENCE_TIME start = offset;
            REFERENCE_TIME stop = offset + size;
            sample->SetTime(&start, &stop);
            result = m_output.Deliver(sample);
        }
        sample->Release();
        if (result != S_OK)
            return false;
        offset += size;
        data += size;
        bytes -= size;
    }
    return true;
}
