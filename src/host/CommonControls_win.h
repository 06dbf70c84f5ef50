// The common controls' declarations (subclassing), which need the types of
// <windows.h> first.
#pragma once

#include <windows.h>
// (this line keeps the two in this order)
#include <commctrl.h>
