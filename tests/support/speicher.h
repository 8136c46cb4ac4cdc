#pragma once
// What the running test process holds.

#include <QtGlobal>

// A field of /proc/self/status in kB ("VmHWM:", "VmRSS:"), or -1.
qint64 statusKb(const char* feld);
