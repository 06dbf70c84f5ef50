// A small configuration file and a component with one control, and the file
// after installing that component, for the engine's file-level tests.
#pragma once

#include <string>

#include "support/TextAssert.h"

namespace formfit::test {

inline const std::string kConfig = Crlf(
    "[FORM:Main]\n"
    "Caption=Main\n"
    "\n"
    "[CONTROL]\n"
    "\n"
    "[AssignMap]\n"
    "Keys=A,B\n"
    "\n"
    "[StdProperties]\n"
    "\n"
    ";**** Association between controls and properties\n"
    "\n"
    "[SupplementalFiles]\n");

inline const std::string kComponent = Crlf(
    "[CONTENTS]\n"
    "Grid=GRID\n"
    "[GRID]\n"
    "Class=Grid\n");

inline const std::string kInstalled = Crlf(
    "[FORM:Main]\n"
    "Caption=Main\n"
    "\n"
    "[CONTROL]\n"
    "\n"
    "; **** Grid:Control\n"
    "[GRID]\n"
    "Class=Grid\n"
    "; ---- Grid:Control\n"
    "\n"
    "\n"
    "[AssignMap]\n"
    "Keys=A,B\n"
    "\n"
    "[StdProperties]\n"
    "\n"
    ";**** Association between controls and properties\n"
    "\n"
    "[SupplementalFiles]\n");

}  // namespace formfit::test
