// The text of one line of the host's log.
#pragma once

#include <string>

namespace kzhost {

struct LogTime {
    int year, month, day, hour, minute, second, millisecond;
};

// "YYYY-MM-DD hh:mm:ss.mmm <text>" followed by CR LF. Line breaks inside the text become blanks,
// so one call always makes one line; a null text is logged as "(null)".
std::string formatLogLine(const LogTime& time, const char* text);

}  // namespace kzhost
