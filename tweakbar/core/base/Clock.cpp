#include "base/Clock.h"

#include <atomic>
#include <chrono>

namespace tw {
namespace {

double steadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

std::atomic<ClockFunction> gClock{&steadySeconds};

}  // namespace

double clockSeconds() {
    return gClock.load()();
}

void setClock(ClockFunction clock) {
    gClock.store(clock ? clock : &steadySeconds);
}

}  // namespace tw
