#include "DefineParser.h"

#include <string>

#include "Context.h"
#include "Errors.h"
#include "Params.h"
#include "TextUtil.h"

namespace tw {
namespace {

bool isQuote(char c) {
    return c == '\'' || c == '"' || c == '`';
}

class DefineReader {
  public:
    explicit DefineReader(std::string_view text) : text_(text) {}

    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance() { ++pos_; }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }

    // A quoted word (without its quotes), or a bare one that ends at a blank or at one of the
    // stop characters. Returns null, or the error of an unterminated quote.
    const char* readWord(std::string_view stops, std::string_view& word) {
        if (!atEnd() && isQuote(text_[pos_])) {
            const char quote = text_[pos_];
            const auto close = text_.find(quote, pos_ + 1);
            if (close == std::string_view::npos) return err::kUnterminatedQuote;
            word = text_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            return nullptr;
        }
        const std::size_t start = pos_;
        while (!atEnd() && !isBlank(text_[pos_]) &&
               stops.find(text_[pos_]) == std::string_view::npos) {
            ++pos_;
        }
        word = text_.substr(start, pos_ - start);
        return nullptr;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Reads "name=value" pairs for one target until the text ends or a word without '=' (the next
// target) comes; leaves the reader before that word.
const char* applyPairs(Context& context, const ParamTarget& target, DefineReader& reader,
                       bool targetsMayFollow) {
    for (;;) {
        reader.skipBlanks();
        if (reader.atEnd()) return nullptr;
        const std::size_t start = reader.position();
        std::string_view name;
        if (const char* error = reader.readWord("=", name)) return error;
        if (reader.peek() != '=' || name.empty()) {
            if (!targetsMayFollow) return err::kExpectedAssignment;
            reader.rewind(start);
            return nullptr;
        }
        reader.advance();
        if (reader.atEnd() || isBlank(reader.peek())) return err::kValueRequired;
        std::string_view value;
        if (const char* error = reader.readWord("", value)) return error;
        ParamInput input;
        input.text = value;
        if (const char* error = setParam(context, target, name, input, err::kUnknownAttribute)) {
            return error;
        }
    }
}

}  // namespace

const char* applyDefine(Context& context, std::string_view text) {
    DefineReader reader(text);
    for (;;) {
        reader.skipBlanks();
        if (reader.atEnd()) return nullptr;
        std::string_view barName;
        if (const char* error = reader.readWord("/=", barName)) return error;
        if (barName.empty() || reader.peek() == '=') return err::kMissingTarget;
        ParamTarget target;
        const bool global = barName == "GLOBAL";
        if (!global) {
            target.bar = context.barNamed(std::string(barName).c_str());
            if (!target.bar) return err::kBarNotFound;
        }
        if (reader.peek() == '/') {
            reader.advance();
            std::string_view controlName;
            if (const char* error = reader.readWord("=", controlName)) return error;
            if (!target.bar) return err::kVariableNotFound;
            target.control = target.bar->find(std::string(controlName).c_str());
            if (!target.control) return err::kVariableNotFound;
        }
        if (const char* error = applyPairs(context, target, reader, true)) return error;
    }
}

const char* applyControlDefine(Context& context, Bar& bar, Control& control,
                               std::string_view text) {
    DefineReader reader(text);
    return applyPairs(context, ParamTarget{&bar, &control}, reader, false);
}

}  // namespace tw
