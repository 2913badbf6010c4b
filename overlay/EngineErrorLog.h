// The engine's failures in the host's log, where players and plug-in authors look: one line
// each, "KZConsole: <the call that failed>: <the engine's text>".
#pragma once

#include "AntTweakBar.h"

// Makes the log the engine's error handler. Called before the engine starts, and again
// whenever a plug-in installs a handler of its own.
void routeEngineErrorsToLog();

extern "C" {
// What plug-ins reach as TwHandleErrors through KZConsole.dll's export table: their handler is
// called after the log line, with the same text, instead of replacing the log.
void TW_CALL ConsoleChainErrorHandler(TwErrorHandler pluginHandler);
}
