// The pieces of a colour, quaternion or direction as variables of their own: "c.Red",
// "q.Quat X", "d.Dir Y", "c.Mode". Each is a Control in its owner's `parts`, named
// "<owner>.<piece>", and reads and writes its piece of the owner's value in the caller's
// memory at once.
#pragma once

#include <string_view>

#include "model/Control.h"

struct CTwBar;

namespace tw {

using Bar = ::CTwBar;
class Context;

// The pieces of a colour: its components (ColourComponent) and then this one.
inline constexpr int kColourModePart = 7;

// The pieces of a quaternion or a direction, which share one set.
enum VectorPart : int {
    kQuatX,
    kQuatY,
    kQuatZ,
    kQuatS,
    kAxisX,
    kAxisY,
    kAxisZ,
    kDirX,
    kDirY,
    kDirZ,
    kVectorModePart,
    kWidgetLine0,  // the widget's four lines, which hold no value
    kWidgetLine3 = kWidgetLine0 + 3,
};

// Gives a colour, quaternion or direction its pieces; other variables have none.
void makeParts(Control& owner);

// The piece of the bar's variables that a name stands for, or null.
Control* findPart(const Bar& bar, std::string_view name);

// Reads the owner's value from the caller, then the piece's number; false when the owner went
// away meanwhile (a get callback removed it).
bool readPart(Context& context, Bar& bar, const Control& part, double& value);
// Writes the piece into the caller's memory (through the owner's set callback if it has one),
// whatever the read-only marks say. False when the owner has nowhere to write to.
bool writePart(Context& context, Bar& bar, const Control& part, double value);

// Which of a colour's components are shown follows its mode; its Alpha row follows coloralpha.
void showColourParts(Control& owner);
void showAlphaPart(Control& owner, bool shown);
// The component rows of a quaternion or direction follow showval.
void showVectorParts(Control& owner);

}  // namespace tw
