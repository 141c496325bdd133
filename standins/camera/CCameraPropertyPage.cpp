#include "standins/camera/CCameraPropertyPage.h"

#include "standins/camera/TestCameraIds.h"

#include <new>
#include <strmif.h>
#include <string>

namespace
{
constexpr SIZE kPageSize = {240, 60};

bool Answers(IUnknown* object, REFIID interfaceId)
{
    IUnknown* answer = nullptr;
    if (!object || FAILED(object->QueryInterface(interfaceId, reinterpret_cast<void**>(&answer))))
        return false;
    answer->Release();
    return true;
}

// The words that name the object: a pin's name, the crossbar's, the tuner's, else the
// camera's.
std::wstring ObjectName(IUnknown* object)
{
    if (Answers(object, IID_IAMCrossbar))
        return kTestCrossbarName;
    if (Answers(object, IID_IAMTVTuner))
        return kTestTvTunerName;
    IPin* pin = nullptr;
    if (!object || FAILED(object->QueryInterface(IID_IPin, reinterpret_cast<void**>(&pin))))
        return kTestCameraName;
    PIN_INFO info{};
    std::wstring name = kTestCameraName;
    if (SUCCEEDED(pin->QueryPinInfo(&info)))
    {
        name = info.achName;
        if (info.pFilter)
            info.pFilter->Release();
    }
    pin->Release();
    return name;
}

// A copy of text in task memory, as PROPPAGEINFO's texts are handed over.
LPOLESTR TaskText(const wchar_t* text)
{
    const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    auto copy = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
    if (copy)
        memcpy(copy, text, bytes);
    return copy;
}
} // namespace

IUnknown* CCameraPropertyPage::Create()
{
    return new (std::nothrow) CCameraPropertyPage();
}

HRESULT CCameraPropertyPage::GetPages(CAUUID* pages)
{
    if (!pages)
        return E_POINTER;
    pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID)));
    if (!pages->pElems)
    {
        pages->cElems = 0;
        return E_OUTOFMEMORY;
    }
    pages->cElems = 1;
    pages->pElems[0] = CLSID_TestCameraPage;
    return S_OK;
}

CCameraPropertyPage::~CCameraPropertyPage()
{
    Deactivate();
    ReleaseObject();
    if (m_site)
        m_site->Release();
}

HRESULT CCameraPropertyPage::QueryInterface(REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    if (interfaceId != IID_IUnknown && interfaceId != IID_IPropertyPage)
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IPropertyPage*>(this);
    AddRef();
    return S_OK;
}

ULONG CCameraPropertyPage::AddRef()
{
    return InterlockedIncrement(&m_refs);
}

ULONG CCameraPropertyPage::Release()
{
    const LONG refs = InterlockedDecrement(&m_refs);
    if (refs == 0)
        delete this;
    return refs;
}

HRESULT CCameraPropertyPage::SetPageSite(IPropertyPageSite* site)
{
    if (site)
        site->AddRef();
    if (m_site)
        m_site->Release();
    m_site = site;
    return S_OK;
}

HRESULT CCameraPropertyPage::Activate(HWND parent, LPCRECT rect, BOOL)
{
    if (!rect)
        return E_POINTER;
    Deactivate();
    const std::wstring text = kTestCameraPageText + ObjectName(m_object);
    m_window = CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD, rect->left, rect->top, rect->right - rect->left,
                               rect->bottom - rect->top, parent, nullptr, nullptr, nullptr);
    return m_window ? S_OK : HRESULT_FROM_WIN32(GetLastError());
}

HRESULT CCameraPropertyPage::Deactivate()
{
    if (m_window)
        DestroyWindow(m_window);
    m_window = nullptr;
    return S_OK;
}

HRESULT CCameraPropertyPage::GetPageInfo(PROPPAGEINFO* info)
{
    if (!info)
        return E_POINTER;
    info->cb = sizeof(PROPPAGEINFO);
    info->pszTitle = TaskText(kTestCameraPageTitle);
    info->size = kPageSize;
    info->pszDocString = nullptr;
    info->pszHelpFile = nullptr;
    info->dwHelpContext = 0;
    return info->pszTitle ? S_OK : E_OUTOFMEMORY;
}

HRESULT CCameraPropertyPage::SetObjects(ULONG count, IUnknown** objects)
{
    ReleaseObject();
    if (count == 0)
        return S_OK;
    if (!objects || !objects[0])
        return E_POINTER;
    m_object = objects[0];
    m_object->AddRef();
    return S_OK;
}

HRESULT CCameraPropertyPage::Show(UINT command)
{
    if (!m_window)
        return E_UNEXPECTED;
    ShowWindow(m_window, command);
    return S_OK;
}

HRESULT CCameraPropertyPage::Move(LPCRECT rect)
{
    if (!rect)
        return E_POINTER;
    if (!m_window)
        return E_UNEXPECTED;
    MoveWindow(m_window, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, TRUE);
    return S_OK;
}

HRESULT CCameraPropertyPage::IsPageDirty()
{
    return S_FALSE;
}

HRESULT CCameraPropertyPage::Apply()
{
    return S_OK;
}

HRESULT CCameraPropertyPage::Help(LPCOLESTR)
{
    return E_NOTIMPL;
}

HRESULT CCameraPropertyPage::TranslateAccelerator(MSG*)
{
    return S_FALSE;
}

void CCameraPropertyPage::ReleaseObject()
{
    if (m_object)
        m_object->Release();
    m_object = nullptr;
}
