#include "params/EnumText.h"

#include <cctype>

#include "base/TextUtil.h"
#include "model/Context.h"
#include "values/ValueText.h"

namespace tw {
namespace {

constexpr const char* kBrackets[] = {"{}", "<>", "[]", "()"};

class EnumReader {
  public:
    explicit EnumReader(std::string_view text) : text_(text) {}

    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }
    bool atEnd() {
        skipBlanks();
        return pos_ >= text_.size();
    }
    bool startsWithDigit() {
        skipBlanks();
        return pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]));
    }

    bool readValue(int& value) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
        double number = 0;
        if (!parseNumber(text_.substr(start, pos_ - start), number) || number > 2147483647.0) {
            return false;
        }
        value = int(number);
        return true;
    }

    // A label between one of the pairs of brackets.
    bool readBracketed(std::string& label) {
        skipBlanks();
        if (pos_ >= text_.size()) return false;
        for (const char* pair : kBrackets) {
            if (text_[pos_] != pair[0]) continue;
            const auto close = text_.find(pair[1], pos_ + 1);
            if (close == std::string_view::npos) return false;
            label = std::string(text_.substr(pos_ + 1, close - pos_ - 1));
            pos_ = close + 1;
            return true;
        }
        return false;
    }

    // A plain label, up to the next comma.
    std::string_view readPlain() {
        const std::size_t start = pos_;
        const auto comma = text_.find(',', pos_);
        pos_ = comma == std::string_view::npos ? text_.size() : comma;
        return trim(text_.substr(start, pos_ - start));
    }

    // Between entries: a comma, or the end.
    bool endEntry() {
        if (atEnd()) return true;
        if (text_[pos_] != ',') return false;
        ++pos_;
        return true;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

bool parseEnumText(std::string_view text, std::vector<EnumEntry>& entries) {
    entries.clear();
    EnumReader reader(text);
    int next = 0;
    while (!reader.atEnd()) {
        EnumEntry entry;
        if (reader.startsWithDigit()) {
            if (!reader.readValue(entry.value) || !reader.readBracketed(entry.label)) return false;
        } else {
            const std::string_view label = reader.readPlain();
            if (label.empty()) return false;
            entry = {next, std::string(label)};
        }
        next = entry.value + 1;
        entries.push_back(std::move(entry));
        if (!reader.endEntry()) return false;
    }
    return true;
}

std::string enumText(const std::vector<EnumEntry>& entries) {
    std::string text;
    for (const auto& entry : entries) {
        const char* pair = kBrackets[0];
        for (const char* candidate : kBrackets) {
            if (entry.label.find_first_of(candidate) == std::string::npos) {
                pair = candidate;
                break;
            }
        }
        if (!text.empty()) text += ',';
        text += std::to_string(entry.value) + ' ' + pair[0] + entry.label + pair[1];
    }
    return text;
}

void enumTypeChanged(Context& context, const EnumType& type) {
    for (auto& bar : context.bars) {
        for (auto& control : bar->controls) {
            if (control->typeInfo.enumType == &type) updateValueText(*control);
        }
    }
    context.structureChanged();
}

}  // namespace tw
