#include "standins/camera/CTestTvTuner.h"

#include "standins/camera/CCameraPropertyPage.h"

#include <uuids.h>

namespace
{
constexpr LONG kLowestChannel = 2;
constexpr LONG kHighestChannel = 69;
} // namespace

CTestTvTuner::CTestTvTuner() : CKitFilter(GUID_NULL), m_output(this, L"Analog Video", MEDIATYPE_AnalogVideo)
{
}

HRESULT CTestTvTuner::QueryInterface(REFIID interfaceId, void** object)
{
    return CKitFilter::QueryInterface(interfaceId, object);
}

ULONG CTestTvTuner::AddRef()
{
    return CKitFilter::AddRef();
}

ULONG CTestTvTuner::Release()
{
    return CKitFilter::Release();
}

HRESULT CTestTvTuner::QueryFilterInterface(REFIID interfaceId, void** object)
{
    if (interfaceId == IID_IAMTVTuner || interfaceId == IID_IAMTuner)
        *object = static_cast<IAMTVTuner*>(this);
    else if (interfaceId == IID_ISpecifyPropertyPages)
        *object = static_cast<ISpecifyPropertyPages*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT CTestTvTuner::put_Channel(LONG channel, LONG, LONG)
{
    if (channel < kLowestChannel || channel > kHighestChannel)
        return E_INVALIDARG;
    m_channel = channel;
    return S_OK;
}

HRESULT CTestTvTuner::get_Channel(LONG* channel, LONG* video, LONG* audio)
{
    if (!channel || !video || !audio)
        return E_POINTER;
    *channel = m_channel;
    *video = *audio = 0;
    return S_OK;
}

HRESULT CTestTvTuner::ChannelMinMax(LONG* min, LONG* max)
{
    if (!min || !max)
        return E_POINTER;
    *min = kLowestChannel;
    *max = kHighestChannel;
    return S_OK;
}

HRESULT CTestTvTuner::GetPages(CAUUID* pages)
{
    return CCameraPropertyPage::GetPages(pages);
}
