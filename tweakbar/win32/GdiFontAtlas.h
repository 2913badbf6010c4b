// The engine's text, rasterised once with GDI from a font that every Windows machine has.
#pragma once

#include <string>

#include "draw/FontAtlas.h"

namespace tw {

// Fills atlas with the printable Windows-1252 characters (32..255) in the three sizes of
// fontsize, fontScaling times their usual height, as antialiased coverage, and a white block
// for solid fills. On failure returns false and describes why in error.
bool buildGdiFontAtlas(FontAtlas& atlas, double fontScaling, std::string& error);

}  // namespace tw
