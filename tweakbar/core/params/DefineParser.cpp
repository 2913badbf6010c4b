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
    std::string token;           // that word
};

class DefineReader {
  public:
    explicit DefineReader(std::string_view text) : text_(text) {}

    // CR LF ends one target's entries; a CR or an LF alone is a blank like any other.
    bool atLineBreak() const {
        return pos_ + 1 < text_.size() && text_[pos_] == '\r' && text_[pos_ + 1] == '\n';
    }
    void skipBlanks(bool lineBreaksToo) {
        while (!atEnd() && isBlank(text_[pos_]) && (lineBreaksToo || !atLineBreak()))
            ++pos_;
    }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance() { ++pos_; }
    std::size_t position() const { return pos_; }

    // A word up to a blank or one of the stop characters outside quotes. Quoted stretches may
    // stand anywhere in it and lose their quotes: ab'c d'ef is "abc def". False when a quote is
    // not closed.
    bool readWord(std::string_view stops, std::string& word) {
        word.clear();
        while (!atEnd()) {
            const char c = text_[pos_];
            if (isQuote(c)) {
                const auto close = text_.find(c, pos_ + 1);
                if (close == std::string_view::npos) return false;
                word.append(text_.substr(pos_ + 1, close - pos_ - 1));
                pos_ = close + 1;
                continue;
            }
            if (isBlank(c) || stops.find(c) != std::string_view::npos) break;
            word += c;
            ++pos_;
        }
        return true;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

Stop stopAt(const char* what, std::size_t at, std::string token, bool fromParam = false) {
    return {what, fromParam, at, std::move(token)};
}

// Without a context (before TwInit) only the engine's own parameters exist.
Stop applyOne(Context* context, const ParamTarget& target, const std::string& name,
              std::string_view value, std::size_t at) {
    const ParamResult result =
        context ? setParam(*context, target, name, value) : setEngineParam(name, value);
    switch (result.status) {
        case ParamResult::Status::Done:
            return {};
        case ParamResult::Status::UnknownName:
            return stopAt(err::kUnknownAttribute, at, name);
        case ParamResult::Status::Failed:
            break;
    }
    if (!result.reason) return stopAt(err::kWrongAttributeValue, at, name);
    return stopAt(result.reason, at, name, true);
}

// Reads "name=value" pairs (blanks may stand around "="), and the legacy words that take no
// value, for one target until the text ends or, for a define, a CR LF comes. A word that names
// no parameter of the target is an error: so is a target on the same line. A value given to a
// word that takes none is read as the next name.
Stop applyPairs(Context* context, const ParamTarget& target, DefineReader& reader,
                bool endAtLineBreak) {
    for (;;) {
        reader.skipBlanks(!endAtLineBreak);
        if (reader.atEnd() || (endAtLineBreak && reader.atLineBreak())) return {};
        const std::size_t start = reader.position();
        std::string name;
        if (!reader.readWord("=", name)) return stopAt(err::kUnreadableValue, start, name);
        const ParamArity arity = context ? paramArity(target, name) : engineParamArity(name);
        if (arity == ParamArity::Unknown) {
            return stopAt(context ? err::kUnknownAttribute : err::kNotInitialized, start, name);
        }
        reader.skipBlanks(!endAtLineBreak);
        if (arity == ParamArity::NoValue) {
            if (reader.peek() == '=') reader.advance();
            const Stop stop = applyOne(context, target, name, {}, start);
            if (stop.what) return stop;
            continue;
        }
        if (reader.peek() != '=') return stopAt(err::kEqualsMissing, start, name);
        reader.advance();
        reader.skipBlanks(!endAtLineBreak);
        std::string value;
        if (!reader.readWord("", value)) return stopAt(err::kUnreadableValue, start, name);
        const Stop stop = applyOne(context, target, name, value, start);
        if (stop.what) return stop;
    }
}

// GLOBAL, a bar, or bar/variable (bar\variable). A bar whose whole name is the word comes
// first, so that a quoted bar name may hold a slash; a trailing slash names the bar itself.
Stop findTarget(Context* context, const std::string& word, std::size_t at, ParamTarget& target) {
    const bool globalBar = context && context->barNamed("GLOBAL");
    if (word == "GLOBAL" && !globalBar) return {};
    if (!context) return stopAt(err::kNotInitialized, at, word);
    target.bar = context->barNamed(word.c_str());
    if (target.bar) return {};
    const std::size_t slash = word.find_first_of("/\\");
    const std::string barName = word.substr(0, slash);
    const std::string varName = slash == std::string::npos ? "" : word.substr(slash + 1);
    if (barName == "GLOBAL" && !globalBar) {
        return varName.empty() ? Stop{} : stopAt(err::kVariableNotFound, at, word);
    }
    target.bar = context->barNamed(barName.c_str());
    if (!target.bar) return stopAt(err::kBarNotFound, at, word);
    if (varName.empty()) return {};
    target.control = findVariable(*target.bar, varName);
    return target.control ? Stop{} : stopAt(err::kVariableNotFound, at, word);
}

Stop applyEntries(Context* context, DefineReader& reader) {
    for (;;) {
        reader.skipBlanks(true);
        if (reader.atEnd()) return {};
        const std::size_t start = reader.position();
        std::string word;
        if (!reader.readWord("=", word)) return stopAt(err::kUnreadableValue, start, word);
        ParamTarget target;
        Stop stop = findTarget(context, word, start, target);
        if (!stop.what) stop = applyPairs(context, target, reader, true);
        if (stop.what) return stop;
    }
}

// "Parsing error in def string: Bar not found line 2 [nobar           ...]", or with a
// parameter's own reason in front instead: "Bad value [alpha           ...]".
DefineError describe(const Stop& stop, std::string_view text) {
    if (!stop.what) return {};
    std::string message = stop.fromParam ? std::string(stop.what)
                                         : std::string("Parsing error in def string: ") + stop.what;
    if (text.find('\n') != std::string_view::npos) {
        const auto line = std::count(text.begin(), text.begin() + std::ptrdiff_t(stop.at), '\n');
        message += " line " + std::to_string(line + 1);
    }
    constexpr std::size_t kTokenWidth = 16;
    std::string token = stop.token.substr(0, kTokenWidth);
    token.resize(kTokenWidth, ' ');
    return {message + " [" + token + "...]", stop.fromParam ? stop.what : nullptr};
}

}  // namespace

DefineError applyDefine(Context* context, std::string_view text) {
    DefineReader reader(text);
    const Stop stop = applyEntries(context, reader);
    // Before TwInit, anything but the engine's own parameters is refused as every call is.
    if (stop.what == err::kNotInitialized) return {stop.what, nullptr};
    return describe(stop, text);
}

DefineError applyControlDefine(Context& context, Bar& bar, Control& control,
                               std::string_view text) {
    DefineReader reader(text);
    return describe(applyPairs(&context, ParamTarget{&bar, &control}, reader, false), text);
}

}  // namespace tw
