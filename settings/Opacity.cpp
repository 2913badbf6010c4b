#include "Opacity.h"

#include <cstdint>

#include "SettingsBar.h"

void TW_CALL getOpacity(void* value, void* /*clientData*/) {
    int alpha = 0;
    // When the settings bar cannot be read the control keeps showing what it showed.
    if (TwGetParam(TwGetBarByName(kz::kSettingsBarName), "", "alpha", TW_PARAM_INT32, 1, &alpha) ==
        1)
        *static_cast<std::uint8_t*>(value) = static_cast<std::uint8_t>(alpha & 0xFF);
}

void TW_CALL setOpacity(const void* value, void* /*clientData*/) {
    const int alpha = *static_cast<const std::uint8_t*>(value);
    const int count = TwGetBarCount();
    // Index 0 is the engine's help bar, which keeps its own look.
    for (int i = 1; i < count; ++i)
        TwSetParam(TwGetBarByIndex(i), "", "alpha", TW_PARAM_INT32, 1, &alpha);
}
