// Where copied text goes and pasted text comes from. The platform supplies its own (the
// system clipboard on Windows, one inside the process elsewhere); a caller such as a test may
// put another in its place.
#pragma once

#include <string>
#include <string_view>

namespace tw {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // The text held, empty when the clipboard holds none.
    virtual std::string text() = 0;
    virtual void setText(std::string_view text) = 0;
};

// Supplied by the platform library, like the graphics backend.
Clipboard& platformClipboard();

// The clipboard in use: the one installed, else the platform's.
Clipboard& clipboard();
// Null gives the platform's back. The caller keeps ownership and keeps it alive while installed.
void installClipboard(Clipboard* clipboard);

// Text kept in the process, for platforms without a clipboard of their own.
class ProcessClipboard final : public Clipboard {
  public:
    std::string text() override { return text_; }
    void setText(std::string_view text) override { text_ = text; }

  private:
    std::string text_;
};

}  // namespace tw
