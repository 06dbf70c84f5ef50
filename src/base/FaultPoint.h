// A named place where the program's own tests make a run fail with an
// exception, as a fault in that place would, to see what the user is then
// told. formfit.exe links the version that does nothing (FaultPoint.cpp,
// alone in its object file); a test program that defines FaultPoint itself
// takes the place of that one.
#pragma once

namespace formfit {

void FaultPoint(const char* name);

}  // namespace formfit
