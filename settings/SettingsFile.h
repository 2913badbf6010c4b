// The layout file KZConsole.cfg: the opacity of all bars, then the position and size of every
// bar but the help bar. Word-oriented text; see SettingsFile.cpp for the exact grammar.
#pragma once

#include <cstdio>
#include <string>

namespace kz {

constexpr const char* kSettingsFileName = "KZConsole.cfg";

// Writes the General record and one record per bar (indices 1 to n - 1) to an open stream.
// Line feeds become CR LF when the stream is in the platform's text mode.
void writeSettings(std::FILE* file);

// Applies the records of an open stream in file order, until its end or until a word that must
// be a number is not a 32-bit decimal integer (what was applied before it stays).
void applySettings(std::FILE* file);

// Everything of path up to and including its last backslash; empty when it has none.
std::string directoryOfPath(const std::string& path);

}  // namespace kz
