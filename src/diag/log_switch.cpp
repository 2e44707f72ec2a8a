// The log switch, compiled once per build flavour: the shipped game links it
// with VARNOLT_LOG_SWITCH 0, the diagnostic game with 1.
#include "diag/log.h"

#ifndef VARNOLT_LOG_SWITCH
#define VARNOLT_LOG_SWITCH 0
#endif

int32_t g_logEnabled = VARNOLT_LOG_SWITCH;
