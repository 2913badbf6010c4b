// The "Auto align windows" button: the arrangement over the client area of the overlay's window.
#include <windows.h>

#include "BarArrangement.h"
#include "Console.h"
#include "SettingsBar.h"

void TW_CALL autoAlignWindows(void* /*clientData*/) {
    RECT client{0, 0, 0, 0};
    if (Console* console = gConsole.load(std::memory_order_acquire))
        GetClientRect(console->window, &client);
    kz::arrangeBars(client.left, client.top, client.right, client.bottom);
}
