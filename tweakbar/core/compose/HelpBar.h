// The help bar's rows, made from what the help lists (HelpContents) while the bar is open, at
// most every two seconds, and its bottom line: the engine's version, or for a second after
// each key press the key that was pressed.
#pragma once

#include <string>

namespace tw {

class Context;
struct KeyPress;

inline constexpr double kHelpRebuildInterval = 2.0;  // seconds between two rebuilds at least
inline constexpr double kKeyMessageDuration = 1.0;   // seconds a pressed key stays shown

// Brings the rows up to date when the bar is open, something they come from has changed and
// the last rebuild is old enough; takes the key message down once it has been shown long
// enough.
void updateHelpBar(Context& context);

void noteKeyPressed(Context& context, const KeyPress& press);

// "atb  1.16", or "Key pressed: <key>" for a while after a key press.
std::string helpBottomLine(const Context& context);

}  // namespace tw
