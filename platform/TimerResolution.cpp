#include "TimerResolution.h"

#ifdef _WIN32
#include <windows.h>

#include <timeapi.h>

TimerResolution::TimerResolution() {
    timeBeginPeriod(1);
}
TimerResolution::~TimerResolution() {
    timeEndPeriod(1);
}
#else
TimerResolution::TimerResolution() = default;
TimerResolution::~TimerResolution() = default;
#endif
