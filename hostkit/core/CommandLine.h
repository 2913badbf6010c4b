// The command line the launcher hands to the program it starts.
#pragma once

#include <string>
#include <vector>

namespace kzhost {

// Quotes one argument so that the Microsoft C runtime's parser (and CommandLineToArgvW) gives
// it back unchanged: blanks and quotes inside are protected, and backslashes are doubled only
// where they precede a quote.
std::string quoteArgument(const std::string& argument);

// The arguments quoted and joined by single blanks; the first is the program itself.
std::string buildCommandLine(const std::vector<std::string>& arguments);

}  // namespace kzhost
