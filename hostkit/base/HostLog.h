// The host's own lines in the log. KZLog.dll is loaded from KZBase.dll's folder by full path:
// a DLL injected by path does not get its folder searched for the DLLs it imports, and once
// KZLog.dll is loaded the plug-ins that import it bind to this copy.
#pragma once

namespace kzhost {

// Loads KZLog.dll from the folder; returns false (and logs nothing ever) when it is missing.
bool openHostLog(const char* folder);

// printf-style; the line is prefixed with "KZBase: ".
void hostLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace kzhost
