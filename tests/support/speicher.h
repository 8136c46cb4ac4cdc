#pragma once
// What a process holds and has used, as /proc tells it; pid 0 is the
// running test itself.

#include <QtGlobal>

// A field of /proc/<pid>/status in kB ("VmHWM:", "VmRSS:"), or -1.
qint64 statusKb(const char* feld, qint64 pid = 0);
// The CPU time the process has used, user and system, in clock ticks, or -1.
qint64 cpuTicks(qint64 pid = 0);
