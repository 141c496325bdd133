#pragma once
// Classes and functions exported whole from Info.dll.
#ifdef INFO_BUILDING_DLL
#define INFO_API __declspec(dllexport)
#else
#define INFO_API __declspec(dllimport)
#endif
