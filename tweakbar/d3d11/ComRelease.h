#pragma once

namespace tw {

// Drops one COM reference and forgets the pointer, so a second call does nothing.
template <class T>
void releaseCom(T*& object) {
    if (object) object->Release();
    object = nullptr;
}

}  // namespace tw
