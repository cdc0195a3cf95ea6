#pragma once

#include "base/ScreenMetrics.h"

// Reads the screen facts of the primary screen and the current style once, at start-up.
ScreenMetrics readScreenMetrics();
