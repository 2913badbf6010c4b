#include "draw/WordWrap.h"

namespace tw {
namespace {

// Appends the lines of one paragraph (a text without line breaks).
void wrapParagraph(const FontFace& face, std::string_view text, int width,
                   std::vector<std::string>& lines) {
    std::string line;
    int lineWidth = 0;
    const auto flush = [&] {
        lines.push_back(std::move(line));
        line.clear();
        lineWidth = 0;
    };
    while (!text.empty()) {
        const std::size_t blank = text.find(' ');
        const std::string_view word = text.substr(0, blank);
        text.remove_prefix(blank == std::string_view::npos ? text.size() : blank + 1);
        if (word.empty()) continue;  // runs of blanks separate words like one blank
        const int wordWidth = face.measure(word);
        const int gap = line.empty() ? 0 : face.glyphOf(' ').advance;
        if (!line.empty() && lineWidth + gap + wordWidth > width) flush();
        if (!line.empty()) {
            line += ' ';
            lineWidth += gap;
        }
        for (const char c : word) {
            const int advance = face.glyphOf(c).advance;
            if (wordWidth > width && !line.empty() && lineWidth + advance > width) flush();
            line += c;
            lineWidth += advance;
        }
    }
    flush();
}

}  // namespace

std::vector<std::string> wrapText(const FontFace& face, std::string_view text, int width) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view paragraph = text.substr(0, end);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
        wrapParagraph(face, paragraph, width, lines);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace tw
