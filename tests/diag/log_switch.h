// Turns the log switch on or off for one test and back afterwards.
#pragma once

#include "diag/log.h"

class ScopedLogSwitch {
public:
    explicit ScopedLogSwitch(int32_t on) : saved(g_logEnabled) { g_logEnabled = on; }
    ~ScopedLogSwitch() { g_logEnabled = saved; }

private:
    int32_t saved;
};
