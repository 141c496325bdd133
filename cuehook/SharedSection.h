#pragma once
// CUEHOOK_SHARED places a variable in the library's ".shared" section, one copy of which
// every process that has the library loaded sees (read, write, shared). The variable must
// have an initialiser, or the compiler may leave it out of the section.
#if defined(_MSC_VER)
#pragma section(".shared", read, write, shared)
#define CUEHOOK_SHARED __declspec(allocate(".shared"))
#else
#define CUEHOOK_SHARED __attribute__((section(".shared"), shared))
#endif
