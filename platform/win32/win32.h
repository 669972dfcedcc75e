// The Windows headers as the Windows backend uses them. windows.h defines CreateWindow as
// a macro, which would rename the platform interface's member in the files that see it.
#pragma once

#include <windows.h>
// After windows.h:
#include <mmsystem.h>
#include <shellapi.h>
#include <windowsx.h>

#undef CreateWindow
