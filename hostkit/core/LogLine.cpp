#include "LogLine.h"

#include <cstdio>

namespace kzhost {

std::string formatLogLine(const LogTime& time, const char* text) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d.%03d ", time.year, time.month,
                  time.day, time.hour, time.minute, time.second, time.millisecond);
    std::string line = stamp;
    if (!text) text = "(null)";
    for (const char* c = text; *c; ++c)
        line += (*c == '\r' || *c == '\n') ? ' ' : *c;
    line += "\r\n";
    return line;
}

}  // namespace kzhost
