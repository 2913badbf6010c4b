// dbefore_WindowProc: resizes, the F1/F2 toggles, and the hand-over of input to the engine.
#include <windows.h>

#include "AntTweakBar.h"
#include "Console.h"
#include "HookExports.h"

namespace {

// WM_MOUSEMOVE up to the last mouse message, and WM_INPUT through the keyboard and IME
// composition messages: what the game must not see while the bars take input.
constexpr std::uint32_t kMouseFirst = 0x0200, kMouseLast = 0x020F;
constexpr std::uint32_t kKeyboardFirst = 0x00FF, kKeyboardLast = 0x010F;

bool isMouseOrKeyboard(std::uint32_t message) {
    return (message >= kMouseFirst && message <= kMouseLast) ||
           (message >= kKeyboardFirst && message <= kKeyboardLast);
}

// The game's window procedure then receives WM_NULL; the record's other bytes are the host's.
void swallow(HostMessage& record) {
    record.message = 0;
    record.result = 0;
}

}  // namespace

extern "C" void dbefore_WindowProc(void* /*hostContext*/, HostMessage* record) {
    Console* console = gConsole.load(std::memory_order_acquire);
    if (!console || !record) return;

    switch (record->message) {
        case WM_SIZE:
            console->releaseRenderTarget();
            break;
        case WM_KEYUP:
            if (record->wParam == VK_F1)
                console->toggleVisible();
            else if (record->wParam == VK_F2)
                console->toggleInteractive();
            break;
        default:
            break;
    }

    if (!console->visible || !console->interactive) return;
    if (TwEventWin(reinterpret_cast<void*>(record->hwnd), record->message, record->wParam,
                   record->lParam))
        swallow(*record);
    if (isMouseOrKeyboard(record->message)) swallow(*record);
}
