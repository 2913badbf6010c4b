#include "RunFolder.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kztest {

namespace {

std::string programFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    while (n > 0 && path[n - 1] != '\\')
        --n;
    return std::string(path, n > 0 ? n - 1 : 0);
}

void removeTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

RunFolder::RunFolder(const std::string& name) : partsFolder_(programFolder()) {
    const std::string runs = partsFolder_ + "\\runs";
    CreateDirectoryA(runs.c_str(), nullptr);
    // Earlier runs of the same test go, so that the folder keeps one run per test (the last one,
    // for a person to look at) instead of a copy of every part per run.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((runs + "\\" + name + "-*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            removeTree(runs + "\\" + found.cFileName);
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    path_ = runs + "\\" + name + "-" + std::to_string(GetCurrentProcessId());
    if (!CreateDirectoryA(path_.c_str(), nullptr))
        throw std::runtime_error("cannot create " + path_);
}

void RunFolder::copyPart(const std::string& part, const std::string& as) {
    const std::string from = partsFolder_ + "\\" + part;
    const std::string to = file(as.empty() ? part : as);
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + from + " to " + to);
}

void RunFolder::write(const std::string& relative, const std::string& bytes) {
    std::ofstream out(file(relative), std::ios::binary);
    out << bytes;
}

void RunFolder::makeFolder(const std::string& relative) {
    CreateDirectoryA(file(relative).c_str(), nullptr);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::map<std::string, long long> readCounts(const std::string& path) {
    std::map<std::string, long long> counts;
    std::istringstream lines(readFile(path));
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos)
            counts[line.substr(0, equals)] = std::strtoll(line.c_str() + equals + 1, nullptr, 10);
    }
    return counts;
}

int occurrences(const std::string& haystack, const std::string& needle) {
    int n = 0;
    for (std::size_t at = haystack.find(needle); at != std::string::npos;
         at = haystack.find(needle, at + needle.size()))
        ++n;
    return n;
}

}  // namespace kztest
