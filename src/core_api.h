// core_api.h - linkage of the pure-logic classes: they live in LumCtrl.dll too, and the Windows
// tests reach them through it; on the host they are plain classes.
#pragma once

#if defined(_WIN32) && defined(LUM_BUILDING_DLL)
#define LUM_CORE_API __declspec(dllexport)
#elif defined(_WIN32)
#define LUM_CORE_API __declspec(dllimport)
#else
#define LUM_CORE_API
#endif
