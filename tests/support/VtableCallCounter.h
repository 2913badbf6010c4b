// Counts the calls made through a COM interface, on every object whose class shares the method
// table of the object given: each entry of the table is pointed at a small thunk that counts and
// jumps on to the real method. The table is patched in place rather than copied, because Wine's
// Direct3D checks that objects handed to it (views given to OMSetRenderTargets) still point at
// its own table. The destructor puts every entry back. x64 only.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kztest {

class VtableCallCounter {
  public:
    // methodCount: how many entries the interface has (its base interfaces' included).
    VtableCallCounter(IUnknown* object, int methodCount);
    ~VtableCallCounter();
    VtableCallCounter(const VtableCallCounter&) = delete;
    VtableCallCounter& operator=(const VtableCallCounter&) = delete;

    // Every call since the last reset but AddRef and Release, which are COM's bookkeeping.
    long long calls() const;
    long long callsOf(int method) const;
    void reset();
    // "12x1 131x2 ...": how often each method was called, by index, for failure messages.
    std::string summary() const;

    // Points an entry at a function of the same signature instead (not counted); it may call the
    // real method through original(method).
    void replace(int method, void* function);
    void* original(int method) const { return originals_[std::size_t(method)]; }

  private:
    void patch(int method, void* target);

    void** table_;
    std::vector<void*> originals_;
    unsigned char* memory_;  // the counters, then one thunk per method
    long long* counts_;
};

// Entries of the interfaces the renderer calls, from their declarations: IUnknown (3),
// ID3D11DeviceChild (4), then the interface's own methods.
constexpr int kDeviceContext1Methods = 134;
constexpr int kDeviceContext1SwapDeviceContextState = 131;
constexpr int kDeviceContextDrawIndexed = 12;
constexpr int kDeviceContextIAGetInputLayout = 78;
constexpr int kRenderTargetViewMethods = 9;
constexpr int kTexture2DMethods = 11;
constexpr int kDeviceMethods = 43;

}  // namespace kztest
