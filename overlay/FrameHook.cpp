// BeforeD3D11Present: the first call builds the overlay; every call draws it while visible.
#include "AntTweakBar.h"
#include "Console.h"
#include "EngineErrorLog.h"
#include "HookExports.h"
#include "HostImports.h"

namespace {

// Set by the first frame whether or not the overlay could be built, so a game whose device the
// overlay cannot use pays for the attempt once.
bool gInitializationTried = false;

void createConsole(IDXGISwapChain* swapChain) {
    gInitializationTried = true;
    AddLog("Initializing GUI...");
    routeEngineErrorsToLog();
    Console* console = new Console(swapChain);
    if (!console->ready) {
        delete console;
        return;
    }
    gConsole.store(console, std::memory_order_release);
    notifyModules(KZGetBase(), "OnConsoleInit", "");
}

}  // namespace

extern "C" void BeforeD3D11Present(IDXGISwapChain* swapChain) {
    Console* console = gConsole.load(std::memory_order_acquire);
    if (!console) {
        if (gInitializationTried || !swapChain) return;
        createConsole(swapChain);
        console = gConsole.load(std::memory_order_relaxed);
        if (!console) return;
    }
    console->drawFrame();
}
