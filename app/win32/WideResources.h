// The system's predefined resources by their wide names: the build does not
// define UNICODE, so the headers' own names (IDC_ARROW, RT_RCDATA, ...) are
// the narrow ones, which the wide calls used throughout cannot take.
#pragma once

#include <windows.h>

namespace velk::win32 {

inline const LPCWSTR kArrowCursor = MAKEINTRESOURCEW(32512);  // IDC_ARROW
inline const LPCWSTR kBusyCursor = MAKEINTRESOURCEW(32650);   // IDC_APPSTARTING: busy, yet still taking input
inline const LPCWSTR kRawData = MAKEINTRESOURCEW(10);         // RT_RCDATA

}  // namespace velk::win32
