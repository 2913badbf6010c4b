// The Windows clipboard. Text goes out as CF_UNICODETEXT (Windows makes CF_TEXT of it for
// programs that ask for that) and comes in as CF_UNICODETEXT when offered, else CF_TEXT; the
// engine's strings are Windows-1252, as the window's characters reach it.
#include <windows.h>

#include <cstring>
#include <string>

#include "edit/Clipboard.h"

namespace tw {
namespace {

// The clipboard is opened without an owner window: the engine may have none of its own.
class ClipboardSession {
  public:
    ClipboardSession() : open_(OpenClipboard(nullptr) != 0) {}
    ~ClipboardSession() {
        if (open_) CloseClipboard();
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    bool open() const { return open_; }

  private:
    bool open_;
};

std::wstring toWide(std::string_view text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(1252, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(std::size_t(size), L'\0');
    MultiByteToWideChar(1252, 0, text.data(), int(text.size()), wide.data(), size);
    return wide;
}

std::string fromWide(const wchar_t* wide) {
    const int size = WideCharToMultiByte(1252, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string text(std::size_t(size), '\0');
    WideCharToMultiByte(1252, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.pop_back();
    return text;
}

// The text of a clipboard handle, locked while it is read.
template <typename Char, typename Convert>
std::string readHandle(HANDLE handle, Convert convert) {
    const auto* data = static_cast<const Char*>(GlobalLock(handle));
    if (!data) return {};
    std::string text = convert(data);
    GlobalUnlock(handle);
    return text;
}

class Win32Clipboard final : public Clipboard {
  public:
    std::string text() override {
        ClipboardSession session;
        if (!session.open()) return {};
        if (HANDLE wide = GetClipboardData(CF_UNICODETEXT)) {
            return readHandle<wchar_t>(wide, fromWide);
        }
        if (HANDLE narrow = GetClipboardData(CF_TEXT)) {
            return readHandle<char>(narrow, [](const char* data) { return std::string(data); });
        }
        return {};
    }

    void setText(std::string_view text) override {
        const std::wstring wide = toWide(text);
        const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        if (!memory) return;
        void* data = GlobalLock(memory);
        if (!data) {
            GlobalFree(memory);
            return;
        }
        std::memcpy(data, wide.c_str(), bytes);
        GlobalUnlock(memory);
        ClipboardSession session;
        // Once SetClipboardData succeeds the memory belongs to the system.
        if (!session.open() || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory)) {
            GlobalFree(memory);
        }
    }
};

}  // namespace

Clipboard& platformClipboard() {
    static Win32Clipboard clipboard;
    return clipboard;
}

}  // namespace tw
