// Which files of the plug-in folder the host loads, and in what order.
#pragma once

#include <string>
#include <vector>

namespace kzhost {

// A name the host loads as a plug-in: "<something>.dll", the extension in any case.
bool isPluginFileName(const std::string& fileName);

// Plug-ins load in ascending order of their file names, compared without regard to ASCII case;
// names equal but for case fall back to byte order so the order is total. Directory listings
// come in whatever order the file system keeps, so this is what makes the load order stable.
void sortPluginNames(std::vector<std::string>& fileNames);

}  // namespace kzhost
