#include "MissingImport.h"

#include <windows.h>

#include <set>
#include <vector>

namespace kzhost {

namespace {

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

bool isFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The names in the import table of the DLL at path, read from its image mapped as a resource
// (sections at their addresses, nothing resolved, no code run). Every address is checked against
// the image's size, so a damaged file yields what could be read.
std::vector<std::string> importedNames(const std::string& path) {
    std::vector<std::string> names;
    HMODULE mapped = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!mapped) return names;
    // A module mapped this way is marked in the low bits of its handle.
    const auto* base =
        reinterpret_cast<const unsigned char*>(reinterpret_cast<ULONG_PTR>(mapped) & ~ULONG_PTR(3));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + dos->e_lfanew);
    if (nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC &&
        nt->OptionalHeader.NumberOfRvaAndSizes > IMAGE_DIRECTORY_ENTRY_IMPORT) {
        const DWORD size = nt->OptionalHeader.SizeOfImage;
        DWORD at = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (; at != 0 && at + sizeof(IMAGE_IMPORT_DESCRIPTOR) <= size;
             at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + at);
            if (entry->Name == 0 || entry->Name >= size) break;
            const char* name = reinterpret_cast<const char*>(base + entry->Name);
            names.emplace_back(name, strnlen(name, size - entry->Name));
        }
    }
    FreeLibrary(mapped);
    return names;
}

// Found the way the loader looks for an import of a plug-in loaded with its own folder first.
bool loadable(const std::string& name) {
    // API sets are resolved by the loader itself, not found as files.
    if (_strnicmp(name.c_str(), "api-ms-", 7) == 0 || _strnicmp(name.c_str(), "ext-ms-", 7) == 0)
        return true;
    if (GetModuleHandleA(name.c_str())) return true;
    HMODULE found = LoadLibraryExA(name.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!found) return false;
    FreeLibrary(found);
    return true;
}

std::string missingFrom(const std::string& path, std::set<std::string>& visited) {
    if (!visited.insert(path).second) return {};
    const std::string folder = folderOf(path);
    for (const std::string& name : importedNames(path)) {
        const std::string beside = folder + "\\" + name;
        if (isFile(beside)) {
            const std::string missing = missingFrom(beside, visited);
            if (!missing.empty()) return missing;
        } else if (!loadable(name)) {
            return name;
        }
    }
    return {};
}

}  // namespace

std::string findMissingImport(const std::string& path) {
    std::set<std::string> visited;
    return missingFrom(path, visited);
}

}  // namespace kzhost
