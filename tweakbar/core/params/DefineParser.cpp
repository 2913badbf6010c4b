#include "params/DefineParser.h"

#include <algorithm>
#include <string>

#include "base/Errors.h"
#include "base/TextUtil.h"
#include "model/Context.h"
#include "params/Params.h"

namespace tw {
namespace {

bool isQuote(char c) {
    return c == '\'' || c == '"' || c == '`';
}

// Why a define stopped, and where.
struct Stop {
    const char* what = nullptr;  // null: the define went through
    bool fromParam = false;      // a parameter's own reason, reported without the preamble
    std::size_t at = 0;          // where the word that failed starts
    std::string_view token;      // that word
};

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
    // stop characters. False when a quote is not closed.
    bool readWord(std::string_view stops, std::string_view& word) {
        if (!atEnd() && isQuote(text_[pos_])) {
            const char quote = text_[pos_];
            const auto close = text_.find(quote, pos_ + 1);
            if (close == std::string_view::npos) return false;
            word = text_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            return true;
        }
        const std::size_t start = pos_;
        while (!atEnd() && !isBlank(text_[pos_]) &&
               stops.find(text_[pos_]) == std::string_view::npos) {
            ++pos_;
        }
        word = text_.substr(start, pos_ - start);
        return true;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

Stop stopAt(const char* what, std::size_t at, std::string_view token, bool fromParam = false) {
    return {what, fromParam, at, token};
}

// Without a context (before TwInit) only the engine's own parameters exist.
Stop applyOne(Context* context, const ParamTarget& target, std::string_view name,
              std::string_view value, std::size_t at) {
    const ParamResult result =
        context ? setParam(*context, target, name, value) : setEngineParam(name, value);
    switch (result.status) {
        case ParamResult::Status::Done:
            return {};
        case ParamResult::Status::UnknownName:
            return stopAt(context ? err::kUnknownAttribute : err::kNotInitialized, at, name);
        case ParamResult::Status::Failed:
            break;
    }
    if (!result.reason) return stopAt(err::kWrongAttributeValue, at, name);
    return stopAt(result.reason, at, name, true);
}

// Reads "name=value" pairs, and the words of parameters that take no value, for one target
// until the text ends or another word (the next target) comes; leaves the reader before it.
Stop applyPairs(Context* context, const ParamTarget& target, DefineReader& reader,
                bool targetsMayFollow) {
    for (;;) {
        reader.skipBlanks();
        if (reader.atEnd()) return {};
        const std::size_t start = reader.position();
        std::string_view name;
        if (!reader.readWord("=", name)) return stopAt(err::kUnreadableValue, start, name);
        if (reader.peek() != '=' || name.empty()) {
            if (!name.empty() && takesNoValue(target, name)) {
                const Stop stop = applyOne(context, target, name, {}, start);
                if (stop.what) return stop;
                continue;
            }
            if (!targetsMayFollow) return stopAt(err::kEqualsMissing, start, name);
            reader.rewind(start);
            return {};
        }
        reader.advance();
        std::string_view value;
        if (!reader.readWord("", value)) return stopAt(err::kUnreadableValue, start, name);
        const Stop stop = applyOne(context, target, name, value, start);
        if (stop.what) return stop;
    }
}

Stop applyEntries(Context* context, DefineReader& reader) {
    for (;;) {
        reader.skipBlanks();
        if (reader.atEnd()) return {};
        const std::size_t start = reader.position();
        std::string_view barName;
        if (!reader.readWord("/\\=", barName)) {
            return stopAt(err::kUnreadableValue, start, barName);
        }
        ParamTarget target;
        // A bar literally named GLOBAL is found before the engine's parameters.
        const bool global = barName == "GLOBAL" && !(context && context->barNamed("GLOBAL"));
        if (!global) {
            if (!context) return stopAt(err::kNotInitialized, start, barName);
            target.bar = context->barNamed(std::string(barName).c_str());
            if (!target.bar) return stopAt(err::kBarNotFound, start, barName);
        }
        if (reader.peek() == '/' || reader.peek() == '\\') {
            reader.advance();
            const std::size_t controlStart = reader.position();
            std::string_view controlName;
            if (!reader.readWord("=", controlName)) {
                return stopAt(err::kUnreadableValue, controlStart, controlName);
            }
            if (target.bar) target.control = target.bar->find(std::string(controlName).c_str());
            if (!target.control) {
                const char* what = context ? err::kVariableNotFound : err::kNotInitialized;
                return stopAt(what, controlStart, controlName);
            }
        }
        const Stop stop = applyPairs(context, target, reader, true);
        if (stop.what) return stop;
    }
}

// "Parsing error in def string: Bar not found line 2 [nobar           ...]", or with a
// parameter's own reason in front instead: "Bad value [alpha           ...]".
std::string describe(const Stop& stop, std::string_view text) {
    std::string message = stop.fromParam ? std::string(stop.what)
                                         : std::string("Parsing error in def string: ") + stop.what;
    if (text.find('\n') != std::string_view::npos) {
        const auto line = std::count(text.begin(), text.begin() + std::ptrdiff_t(stop.at), '\n');
        message += " line " + std::to_string(line + 1);
    }
    constexpr std::size_t kTokenWidth = 16;
    std::string token(stop.token.substr(0, kTokenWidth));
    token.resize(kTokenWidth, ' ');
    return message + " [" + token + "...]";
}

}  // namespace

std::string applyDefine(Context* context, std::string_view text) {
    DefineReader reader(text);
    const Stop stop = applyEntries(context, reader);
    if (!stop.what) return {};
    // Before TwInit, anything but the engine's own parameters is refused as every call is.
    if (stop.what == err::kNotInitialized) return stop.what;
    return describe(stop, text);
}

std::string applyControlDefine(Context& context, Bar& bar, Control& control,
                               std::string_view text) {
    DefineReader reader(text);
    const Stop stop = applyPairs(&context, ParamTarget{&bar, &control}, reader, false);
    return stop.what ? describe(stop, text) : std::string();
}

}  // namespace tw
