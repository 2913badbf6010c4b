#include "edit/Clipboard.h"

namespace tw {
namespace {

Clipboard* installed = nullptr;

}  // namespace

Clipboard& clipboard() {
    return installed ? *installed : platformClipboard();
}

void installClipboard(Clipboard* clipboard) {
    installed = clipboard;
}

}  // namespace tw
