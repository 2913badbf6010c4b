#include "VtableCallCounter.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace kztest {

namespace {

constexpr std::size_t kThunkSize = 32;

// mov r11, &counter; lock inc qword [r11]; mov r11, method; jmp r11. R11 is scratch in the
// Windows x64 convention and carries no argument, so the method sees its call unchanged.
void writeThunk(unsigned char* at, long long* counter, void* method) {
    const unsigned char code[] = {0x49, 0xBB, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x49, 0xFF, 0x03,
                                  0x49, 0xBB, 0, 0, 0, 0, 0, 0, 0, 0, 0x41, 0xFF, 0xE3};
    std::memcpy(at, code, sizeof code);
    std::memcpy(at + 2, &counter, sizeof counter);
    std::memcpy(at + 16, &method, sizeof method);
}

}  // namespace

VtableCallCounter::VtableCallCounter(IUnknown* object, int methodCount)
    : table_(*reinterpret_cast<void***>(object)), originals_(table_, table_ + methodCount) {
    const std::size_t counters = std::size_t(methodCount) * sizeof(long long);
    memory_ = static_cast<unsigned char*>(
        VirtualAlloc(nullptr, counters + std::size_t(methodCount) * kThunkSize,
                     MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE));
    if (!memory_) throw std::runtime_error("VirtualAlloc failed");
    counts_ = reinterpret_cast<long long*>(memory_);
    for (int i = 0; i < methodCount; ++i) {
        unsigned char* thunk = memory_ + counters + std::size_t(i) * kThunkSize;
        writeThunk(thunk, &counts_[i], originals_[std::size_t(i)]);
        patch(i, thunk);
    }
    FlushInstructionCache(GetCurrentProcess(), memory_, counters + originals_.size() * kThunkSize);
}

VtableCallCounter::~VtableCallCounter() {
    for (std::size_t i = 0; i < originals_.size(); ++i)
        patch(int(i), originals_[i]);
    VirtualFree(memory_, 0, MEM_RELEASE);
}

void VtableCallCounter::patch(int method, void* target) {
    void** entry = table_ + method;
    DWORD old = 0;
    VirtualProtect(entry, sizeof *entry, PAGE_EXECUTE_READWRITE, &old);
    *entry = target;
    VirtualProtect(entry, sizeof *entry, old, &old);
}

void VtableCallCounter::replace(int method, void* function) {
    patch(method, function);
}

long long VtableCallCounter::calls() const {
    long long total = 0;
    for (std::size_t i = 0; i < originals_.size(); ++i)
        if (i != 1 && i != 2) total += counts_[i];
    return total;
}

long long VtableCallCounter::callsOf(int method) const {
    return counts_[method];
}

void VtableCallCounter::reset() {
    std::memset(counts_, 0, originals_.size() * sizeof(long long));
}

std::string VtableCallCounter::summary() const {
    std::string text;
    for (std::size_t i = 0; i < originals_.size(); ++i)
        if (counts_[i]) text += std::to_string(i) + "x" + std::to_string(counts_[i]) + " ";
    return text;
}

}  // namespace kztest
