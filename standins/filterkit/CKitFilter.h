#pragma once
// CKitFilter: the base of a DirectShow filter made with this kit. It keeps the filter's
// state, clock, graph and name and counts the references of the filter and of its pins
// (which live inside the filter and forward their counts to it). A filter names its
// pins through PinCount and PinAt and does its work on the state changes.
//
// Locking: every state change and pin connection runs under Lock(). Streaming threads
// never take it (a filter stops and waits for them in OnDeactivate, after decommitting
// the allocators they wait on); what other threads read (the clock, the graph and the
// filter's name) sits behind a second lock that is held only for the read.
#include <windows.h>
#include <strmif.h>
#include <vfwmsgs.h>

class CKitPin;

class CKitFilter : public IBaseFilter
{
public:
    explicit CKitFilter(REFCLSID classId);
    CKitFilter(const CKitFilter&) = delete;
    CKitFilter& operator=(const CKitFilter&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* classId) override;

    HRESULT STDMETHODCALLTYPE Stop() override;
    HRESULT STDMETHODCALLTYPE Pause() override;
    HRESULT STDMETHODCALLTYPE Run(REFERENCE_TIME start) override;
    HRESULT STDMETHODCALLTYPE GetState(DWORD timeout, FILTER_STATE* state) override;
    HRESULT STDMETHODCALLTYPE SetSyncSource(IReferenceClock* clock) override;
    HRESULT STDMETHODCALLTYPE GetSyncSource(IReferenceClock** clock) override;

    HRESULT STDMETHODCALLTYPE EnumPins(IEnumPins** pins) override;
    HRESULT STDMETHODCALLTYPE FindPin(LPCWSTR id, IPin** pin) override;
    HRESULT STDMETHODCALLTYPE QueryFilterInfo(FILTER_INFO* info) override;
    HRESULT STDMETHODCALLTYPE JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) override;
    HRESULT STDMETHODCALLTYPE QueryVendorInfo(LPWSTR* vendorInfo) override;

    virtual int PinCount() = 0;
    virtual CKitPin* PinAt(int index) = 0;

    CRITICAL_SECTION& Lock() { return m_lock; }
    FILTER_STATE State() const { return m_state; }
    // Sends an event to the graph's event sink; false when the filter is in no graph.
    bool NotifyGraph(long code, LONG_PTR param1, LONG_PTR param2);

    // The number of kit filters alive in the module (enumerators keep theirs alive).
    static LONG LiveObjects();

protected:
    virtual ~CKitFilter();

    // Interfaces the filter adds; E_NOINTERFACE when it has none of that id.
    virtual HRESULT QueryFilterInterface(REFIID interfaceId, void** object);
    // Stopped → paused: commit allocators, open devices. A failure leaves it stopped.
    virtual HRESULT OnActivate();
    // Paused or running → stopped.
    virtual void OnDeactivate();
    // Paused → running, with the stream's start time.
    virtual void OnRun(REFERENCE_TIME start);
    // Running → paused.
    virtual void OnPauseFromRun();
    // Called after the filter joined a graph (graph non-null) or left it (null).
    virtual void OnGraphChanged(IFilterGraph* graph);
    // True for a live source, which delivers nothing while paused (VFW_S_CANT_CUE).
    virtual bool IsLiveSource() const;

    IFilterGraph* Graph() const { return m_graph; }

private:
    LONG m_refs = 1;
    CLSID m_classId;
    CRITICAL_SECTION m_lock;
    CRITICAL_SECTION m_sharedLock;
    FILTER_STATE m_state = State_Stopped;
    IReferenceClock* m_clock = nullptr;
    IFilterGraph* m_graph = nullptr; // not counted: the graph holds the filter
    WCHAR m_name[MAX_FILTER_NAME] = L"";
};
