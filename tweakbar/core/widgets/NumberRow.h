// The number row, which other widgets also use for their parts: a colour's components and a
// quaternion's or direction's components are number rows of their variable (Row::channel).
#pragma once

#include "widgets/Widget.h"

namespace tw {

const Widget& numberRow();

}  // namespace tw
