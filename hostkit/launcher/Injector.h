// Starting a program with KZBase.dll inside it before its own code runs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace kzhost {

struct LaunchedProgram {
    HANDLE process = nullptr;
    HANDLE mainThread = nullptr;
};

// Starts the program suspended (working directory: the program's folder), loads the DLL into it
// through a thread that runs LoadLibraryA there, and waits until the DLL reports that it is set
// up, telling `progress` a sentence after each step. The program is left suspended; on failure
// it is terminated, error holds a sentence for the user, and the result has no handles.
LaunchedProgram launchWithHost(const std::string& program, const std::string& commandLine,
                               const std::string& hostDll,
                               const std::function<void(const std::string&)>& progress,
                               std::string* error);

}  // namespace kzhost
