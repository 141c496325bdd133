// Records live in Info.dll and are built, copied, changed and destroyed here, in another
// module: both must allocate from one heap through one shared C++ runtime.
#include "Info/InfoScFile.h"
#include "Info/InfoScSettings.h"

#include <gtest/gtest.h>
#include <malloc.h>
#include <memory>
#include <vector>

TEST(ModuleBoundary, InfoIsASeparateModuleOnTheSharedRuntime)
{
    HMODULE info = GetModuleHandleW(L"Info.dll");
    ASSERT_NE(nullptr, info);
    EXPECT_NE(GetModuleHandleW(nullptr), info);
    // One C++ runtime DLL serves every module, so there is one allocator.
    EXPECT_NE(nullptr, GetModuleHandleW(L"libstdc++-6.dll"));
}

TEST(ModuleBoundary, RecordsAndTextsCrossTheBoundaryBothWays)
{
    std::vector<std::unique_ptr<SendParam>> records;
    for (int i = 0; i < 200; ++i)
    {
        // Built by Info's constructor (texts allocated inside Info.dll)...
        auto* file = new InfoScFile();
        // ...changed here (Info's texts freed and replaced by this module)...
        file->FName.Format(L"shot%03d", i);
        file->FPath += CString(L'x', i);
        // ...copied by Info's copy constructor and assignment...
        records.emplace_back(new InfoScFile(*file));
        InfoScFile assigned;
        assigned = *file;
        EXPECT_TRUE(assigned == *file);
        // ...and a text made inside Info.dll is freed here.
        CString fullPath = file->GetFullPathFileName();
        EXPECT_NE(-1, fullPath.Find(file->FName));
        // Deleted through the virtual destructor, which runs in Info.dll.
        delete static_cast<SendParam*>(file);
        records.emplace_back(new InfoScSettings());
    }
    records.clear();

    EXPECT_EQ(_HEAPOK, _heapchk());
    HANDLE heaps[64];
    DWORD count = GetProcessHeaps(64, heaps);
    for (DWORD i = 0; i < count && i < 64; ++i)
        EXPECT_TRUE(HeapValidate(heaps[i], 0, nullptr)) << "heap " << i;
}
