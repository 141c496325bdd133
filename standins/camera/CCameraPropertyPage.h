#pragma once
// CCameraPropertyPage: the property page of the test camera and of its pins, shown in
// the platform's property frame. It has nothing to set: its window is one line naming
// the object it shows (the pin's name, or the camera's name for the filter), so that a
// test sees which page the frame opened. The object it shows keeps the module loaded.
#include <windows.h>
#include <ocidl.h>

class CCameraPropertyPage final : public IPropertyPage
{
public:
    static IUnknown* Create();
    // ISpecifyPropertyPages::GetPages of the camera and its pins: this page alone.
    static HRESULT GetPages(CAUUID* pages);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE SetPageSite(IPropertyPageSite* site) override;
    HRESULT STDMETHODCALLTYPE Activate(HWND parent, LPCRECT rect, BOOL modal) override;
    HRESULT STDMETHODCALLTYPE Deactivate() override;
    HRESULT STDMETHODCALLTYPE GetPageInfo(PROPPAGEINFO* info) override;
    HRESULT STDMETHODCALLTYPE SetObjects(ULONG count, IUnknown** objects) override;
    HRESULT STDMETHODCALLTYPE Show(UINT command) override;
    HRESULT STDMETHODCALLTYPE Move(LPCRECT rect) override;
    HRESULT STDMETHODCALLTYPE IsPageDirty() override;
    HRESULT STDMETHODCALLTYPE Apply() override;
    HRESULT STDMETHODCALLTYPE Help(LPCOLESTR helpDir) override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* message) override;

private:
    CCameraPropertyPage() = default;
    ~CCameraPropertyPage();
    void ReleaseObject();

    LONG m_refs = 1;
    IPropertyPageSite* m_site = nullptr;
    IUnknown* m_object = nullptr;
    HWND m_window = nullptr;
};
