#pragma once

#include "TwFrameStats.h"

namespace tw {
using FrameStats = TwFrameStats;
}
