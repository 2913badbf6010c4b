#include "values/ClientStrings.h"

#include <algorithm>
#include <string>

#include "base/TextUtil.h"
#include "model/Engine.h"

namespace tw {
namespace {

// The caller's std::string is read as the engine's own std::string. The engine and every
// caller in this project are built by the same MinGW-w64 toolchain, so both use the libstdc++
// layout; a caller whose sizeof(std::string) differs is refused when it adds the variable.
// Only the text is read (data and size); nothing of the object is changed.
const std::string& asStdString(const void* variable) {
    return *static_cast<const std::string*>(variable);
}

std::unique_ptr<std::string>* libraryStringAt(const char* text) {
    auto& strings = engine().libraryStrings;
    const auto found = std::find_if(strings.begin(), strings.end(),
                                    [&](const auto& s) { return text && s->data() == text; });
    return found == strings.end() ? nullptr : &*found;
}

void releaseLibraryString(const char* text) {
    auto& strings = engine().libraryStrings;
    strings.erase(std::remove_if(strings.begin(), strings.end(),
                                 [&](const auto& s) { return text && s->data() == text; }),
                  strings.end());
}

}  // namespace

void readClientString(ValueKind kind, const void* variable, char* out, std::size_t capacity) {
    if (kind == ValueKind::StdString) {
        const std::string& text = asStdString(variable);
        copyText(std::string_view(text.data(), text.size()), out, capacity);
        return;
    }
    const char* text = *static_cast<char* const*>(variable);
    copyText(text ? text : "", out, capacity);
}

void writeClientString(ValueKind kind, void* variable, const char* text) {
    const Engine& state = engine();
    if (kind == ValueKind::StdString) {
        if (!state.copyStdStringToClient) return;
        const std::string source(text);
        state.copyStdStringToClient(*static_cast<std::string*>(variable), source);
        return;
    }
    if (state.copyCDStringToClient) state.copyCDStringToClient(static_cast<char**>(variable), text);
}

void readStringCallback(ValueKind kind, TwGetVarCallback getter, void* clientData, char* out,
                        std::size_t capacity) {
    if (kind == ValueKind::StdString) {
        std::string owned;
        getter(&owned, clientData);
        copyText(owned, out, capacity);
        return;
    }
    char* slot = nullptr;
    getter(&slot, clientData);
    copyText(slot ? slot : "", out, capacity);
    releaseLibraryString(slot);
}

void writeStringCallback(ValueKind kind, TwSetVarCallback setter, void* clientData,
                         const char* text) {
    if (kind == ValueKind::StdString) {
        const std::string owned(text);
        setter(&owned, clientData);
        return;
    }
    const char* const pointer = text;
    setter(&pointer, clientData);
}

void copyToLibrary(char** destination, const char* source) {
    if (!destination) return;
    if (!engine().context) {
        // Nothing owns copies before TwInit; the caller's pointer is all there is to keep.
        *destination = const_cast<char*>(source);
        return;
    }
    std::unique_ptr<std::string>* owned = libraryStringAt(*destination);
    if (!owned) {
        engine().libraryStrings.push_back(std::make_unique<std::string>());
        owned = &engine().libraryStrings.back();
    }
    (*owned)->assign(source ? source : "");
    *destination = (*owned)->data();
}

}  // namespace tw
