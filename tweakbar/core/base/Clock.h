// The time base of value refresh. Tests replace it to step time by hand.
#pragma once

namespace tw {

using ClockFunction = double (*)();

// Seconds from an arbitrary origin, never decreasing.
double clockSeconds();

// Replaces the clock; null restores the steady system clock.
void setClock(ClockFunction clock);

}  // namespace tw
