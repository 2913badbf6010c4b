// Native builds have no system clipboard to share: copied text stays in the process.
#include "edit/Clipboard.h"

namespace tw {

Clipboard& platformClipboard() {
    static ProcessClipboard clipboard;
    return clipboard;
}

}  // namespace tw
