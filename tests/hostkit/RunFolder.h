// A fresh folder laid out like an installation of the host (programs, DLLs, a plug-in folder),
// made from the parts the build copies beside the test programs.
#pragma once

#include <map>
#include <string>

namespace kztest {

class RunFolder {
  public:
    // Creates <test program folder>\runs\<name>-<process id> after removing the folders of
    // earlier runs of that name.
    explicit RunFolder(const std::string& name);

    const std::string& path() const { return path_; }
    std::string file(const std::string& relative) const { return path_ + "\\" + relative; }

    // Copies a part from beside the test program, under another name if one is given.
    void copyPart(const std::string& part, const std::string& as = "");
    void write(const std::string& relative, const std::string& bytes);
    void makeFolder(const std::string& relative);

  private:
    std::string partsFolder_;
    std::string path_;
};

// The whole file; empty when it cannot be read.
std::string readFile(const std::string& path);

// "key=value" lines with integer values.
std::map<std::string, long long> readCounts(const std::string& path);

// How often needle occurs in haystack.
int occurrences(const std::string& haystack, const std::string& needle);

}  // namespace kztest
