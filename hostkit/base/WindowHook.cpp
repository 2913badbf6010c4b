#include "WindowHook.h"

#include <cstring>
#include <vector>

#include "HostLog.h"
#include "Plugins.h"

namespace kzhost {

namespace {

struct HookedWindow {
    HWND window;
    WNDPROC original;
    // A Unicode window is subclassed and called through the W functions, so WM_CHAR and the
    // text messages reach the plug-ins and the game in the window's own character set.
    bool unicode;
};

// Read on every message of every hooked window, written once per window: a reader-writer lock.
// Nothing that runs under the exclusive lock sends a message, so the window thread can wait on
// it without a deadlock.
SRWLOCK gWindowsLock = SRWLOCK_INIT;
std::vector<HookedWindow> gWindows;

bool findWindow(HWND window, HookedWindow* found) {
    AcquireSRWLockShared(&gWindowsLock);
    bool ok = false;
    for (const HookedWindow& hooked : gWindows)
        if (hooked.window == window) {
            *found = hooked;
            ok = true;
            break;
        }
    ReleaseSRWLockShared(&gWindowsLock);
    return ok;
}

void forgetWindow(HWND window) {
    AcquireSRWLockExclusive(&gWindowsLock);
    for (auto it = gWindows.begin(); it != gWindows.end(); ++it)
        if (it->window == window) {
            gWindows.erase(it);
            break;
        }
    ReleaseSRWLockExclusive(&gWindowsLock);
}

// The host's bytes of the record: what the call was before any plug-in changed it, for whoever
// debugs a plug-in. Plug-ins must not rely on them.
struct HostHeader {
    std::uint32_t signature;  // "KZHM"
    std::uint32_t threadId;
    std::uint64_t sequence;  // count of records this host has made
    std::uint64_t window;
    std::uint32_t originalMessage;
    std::uint32_t flags;  // kSyntheticRecord, kUnicodeWindow
    std::uint64_t originalWParam;
    std::int64_t originalLParam;
};
static_assert(sizeof(HostHeader) == sizeof(HostMessage::hostOwned0));

struct HostTrailer {
    std::uint64_t originalProcedure;
    std::uint64_t reserved[3];
};
static_assert(sizeof(HostTrailer) == sizeof(HostMessage::hostOwned1));

constexpr std::uint32_t kSyntheticRecord = 1;
constexpr std::uint32_t kUnicodeWindow = 2;

volatile LONG64 gSequence = 0;

HostMessage makeRecord(const HookedWindow& hooked, UINT message, WPARAM wParam, LPARAM lParam,
                       std::uint32_t flags) {
    HWND window = hooked.window;
    if (hooked.unicode) flags |= kUnicodeWindow;
    HostHeader header{0x4d485a4b,
                      GetCurrentThreadId(),
                      static_cast<std::uint64_t>(InterlockedIncrement64(&gSequence)),
                      reinterpret_cast<std::uint64_t>(window),
                      message,
                      flags,
                      wParam,
                      lParam};
    HostMessage record;
    std::memset(&record, 0, sizeof record);
    std::memcpy(record.hostOwned0, &header, sizeof record.hostOwned0);
    const HostTrailer trailer{reinterpret_cast<std::uint64_t>(hooked.original), {}};
    std::memcpy(record.hostOwned1, &trailer, sizeof record.hostOwned1);
    record.lParam = lParam;
    record.wParam = wParam;
    record.message = message;
    record.hwnd = reinterpret_cast<std::uint64_t>(window);
    record.result = 0;
    return record;
}

void runPluginHooks(HostMessage* record) {
    for (WindowProcExport hook : pluginHooks().windowProc)
        hook(hostBase(), record);
}

LRESULT callOriginal(const HookedWindow& hooked, HWND window, UINT message, WPARAM wParam,
                     LPARAM lParam) {
    return hooked.unicode ? CallWindowProcW(hooked.original, window, message, wParam, lParam)
                          : CallWindowProcA(hooked.original, window, message, wParam, lParam);
}

LRESULT CALLBACK hostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HookedWindow hooked;
    if (!findWindow(window, &hooked))
        return IsWindowUnicode(window) ? DefWindowProcW(window, message, wParam, lParam)
                                       : DefWindowProcA(window, message, wParam, lParam);
    HostMessage record = makeRecord(hooked, message, wParam, lParam, 0);
    runPluginHooks(&record);

    LRESULT result;
    if (message != WM_NULL && record.message == WM_NULL) {
        // Swallowed: the game still gets a call, but one that means nothing.
        callOriginal(hooked, window, WM_NULL, 0, 0);
        result = static_cast<LRESULT>(record.result);
    } else {
        result = callOriginal(hooked, window, record.message, static_cast<WPARAM>(record.wParam),
                              static_cast<LPARAM>(record.lParam));
    }
    // The handle may be reused by a later window, which must be hooked afresh.
    if (message == WM_NCDESTROY) forgetWindow(window);
    return result;
}

}  // namespace

void hookWindow(HWND window) {
    HookedWindow known;
    if (findWindow(window, &known)) return;
    if (!IsWindow(window)) return;

    AcquireSRWLockExclusive(&gWindowsLock);
    bool already = false;
    for (const HookedWindow& hooked : gWindows)
        already = already || hooked.window == window;
    if (!already) {
        const bool unicode = IsWindowUnicode(window) != FALSE;
        const auto replacement = reinterpret_cast<LONG_PTR>(&hostWindowProc);
        // Listed before the procedure is replaced, so the first message that reaches the
        // host's procedure finds the entry; the original is filled in under the same lock.
        gWindows.push_back({window, nullptr, unicode});
        const LONG_PTR original = unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, replacement)
                                          : SetWindowLongPtrA(window, GWLP_WNDPROC, replacement);
        if (original) {
            gWindows.back().original = reinterpret_cast<WNDPROC>(original);
        } else {
            gWindows.pop_back();
        }
    }
    ReleaseSRWLockExclusive(&gWindowsLock);
}

void announceResize(HWND window, UINT width, UINT height) {
    HookedWindow hooked;
    if (!findWindow(window, &hooked)) return;
    if (width == 0 || height == 0) {
        RECT client{};
        GetClientRect(window, &client);
        if (width == 0) width = static_cast<UINT>(client.right - client.left);
        if (height == 0) height = static_cast<UINT>(client.bottom - client.top);
    }
    HostMessage record =
        makeRecord(hooked, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height), kSyntheticRecord);
    runPluginHooks(&record);
}

}  // namespace kzhost
