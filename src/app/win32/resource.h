// Resource identifiers of qinghejian.exe, shared by the resource script and
// the C++ code. Kept free of C++ so that windres can read it.
#pragma once

// The icon the shell shows first is the one with the lowest identifier.
#define IDI_QINGHEJIAN 1
