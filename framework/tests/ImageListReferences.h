#pragma once
// The references that others hold on an image list after an action, such as destroying
// a list view that shows it: a control that owns its image lists gives up one reference
// for each place it shows the list in, its owner keeps one. The count is read through
// references of the caller's own; when others gave up more than they held, 0 is reported
// and the caller's remaining references are kept, so nothing is used after it is freed.
#include <commctrl.h>
#include <functional>
#include <windows.h>

inline ULONG ImageListReferencesAfter(HIMAGELIST images, const std::function<void()>& action)
{
    using QueryInterface = HRESULT(WINAPI*)(HIMAGELIST, REFIID, void**);
    const auto query = reinterpret_cast<QueryInterface>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "HIMAGELIST_QueryInterface")));
    const int kOwn = 3;
    IUnknown* own[kOwn] = {};
    for (IUnknown*& reference : own)
        if (!query || FAILED(query(images, IID_IUnknown, reinterpret_cast<void**>(&reference))))
            return 0;
    action();
    const ULONG left = own[0]->Release();
    if (left < kOwn)
        return 0;
    own[1]->Release();
    own[2]->Release();
    return left - (kOwn - 1);
}
