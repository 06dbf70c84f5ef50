// The common controls, loaded at run time rather than imported: a DLL that
// the program imports loads before the program can limit where DLLs come
// from, with the DLLs it pulls in. Loaded by name from the program, it is
// version 6, as the program's manifest asks.
#pragma once

#include <windows.h>
// (this line keeps the two in this order)
#include <commctrl.h>

namespace formfit {

// Loads comctl32 and registers its standard and Windows 95 classes, once
// per process; false when it cannot be loaded. The calls below load it on
// first use too.
bool LoadCommonControls();

// SetWindowSubclass, RemoveWindowSubclass and DefSubclassProc of the loaded
// common controls. The first two answer FALSE when comctl32 cannot be
// loaded; DefaultSubclassProc is called only from a subclass procedure
// that Subclass installed.
BOOL Subclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
BOOL Unsubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
LRESULT DefaultSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace formfit
