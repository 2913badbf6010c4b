#include "DemoOptions.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace kzdemo {

namespace {

bool parseLong(const std::string& text, long low, long high, long* value) {
    if (text.empty() || text.find_first_not_of("0123456789-") != std::string::npos) return false;
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < low || parsed > high) return false;
    *value = parsed;
    return true;
}

bool parseInt(const std::string& text, int low, int high, int* value) {
    long parsed = 0;
    if (!parseLong(text, low, high, &parsed)) return false;
    *value = static_cast<int>(parsed);
    return true;
}

// "WxH" with both sides from 1 to 16384.
bool parseSize(const std::string& text, int* width, int* height) {
    const std::size_t x = text.find_first_of("xX");
    return x != std::string::npos && parseInt(text.substr(0, x), 1, 16384, width) &&
           parseInt(text.substr(x + 1), 1, 16384, height);
}

// "F1" to "F12" (virtual-key codes 0x70 to 0x7B), or a virtual-key code in decimal.
bool parseKey(const std::string& text, int* code) {
    constexpr int kFirstFunctionKey = 0x70;
    int n = 0;
    if (text.size() > 1 && (text[0] == 'F' || text[0] == 'f') &&
        parseInt(text.substr(1), 1, 12, &n)) {
        *code = kFirstFunctionKey + n - 1;
        return true;
    }
    return parseInt(text, 1, 254, code);
}

}  // namespace

bool parseDemoOptions(const std::vector<std::string>& arguments, DemoOptions* options,
                      std::string* error) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (i + 1 == arguments.size()) {
            *error =
                name.rfind("--", 0) == 0 ? name + " needs a value" : "unknown argument " + name;
            return false;
        }
        const std::string& value = arguments[++i];
        bool ok = true;
        if (name == "--size") {
            ok = parseSize(value, &options->width, &options->height);
        } else if (name == "--frames") {
            ok = parseLong(value, 0, LONG_MAX, &options->frames);
        } else if (name == "--fps") {
            ok = parseInt(value, 0, 1000, &options->fps);
        } else if (name == "--report") {
            ok = !value.empty();
            options->report = value;
        } else if (name == "--exit-code") {
            ok = parseInt(value, 0, 255, &options->exitCode);
        } else if (name == "--still-at") {
            ok = parseLong(value, 0, 86400, &options->stillAt);
        } else if (name == "--key-at") {
            const std::size_t colon = value.find(':');
            ok = colon != std::string::npos &&
                 parseLong(value.substr(0, colon), 0, LONG_MAX, &options->keyFrame) &&
                 parseKey(value.substr(colon + 1), &options->keyCode);
        } else if (name == "--time-from") {
            ok = parseLong(value, 0, LONG_MAX, &options->timeFrom);
        } else {
            *error = "unknown option " + name;
            return false;
        }
        if (!ok) {
            *error = "bad value for " + name + ": " + value;
            return false;
        }
    }
    return true;
}

}  // namespace kzdemo
