// One opacity for all bars, held by the bars themselves (their "alpha"); the settings bar's
// "Opacity" control is a view on it.
#pragma once

#include "AntTweakBar.h"

// Stores the settings bar's alpha into the unsigned byte that value points to.
void TW_CALL getOpacity(void* value, void* clientData);
// Gives every bar but the help bar the alpha in the unsigned byte that value points to.
void TW_CALL setOpacity(const void* value, void* clientData);
