// How TwGetParam and TwSetParam answer on each kind of row: which names a kind knows, which
// value types each name reads in, and the form and reason of every refusal; then the error
// handler hearing a reason before the whole text.
#include <cstring>
#include <string>
#include <vector>

#include "EveryRowFixture.h"
#include "TwFailingCall.h"

namespace {

using ParamAnswers = everyrow::EveryRowTest;

const char* const kValueRows[] = {"i",  "ro", "cb", "u8",  "f",   "d",  "b",
                                  "ch", "s",  "e",  "btn", "txt", "sep"};
const char* const kGroupRows[] = {"c3", "c32", "q", "dir", "st", "G"};

constexpr TwParamValueType kText = TW_PARAM_CSTRING, kInt = TW_PARAM_INT32, kFloat = TW_PARAM_FLOAT,
                           kDouble = TW_PARAM_DOUBLE;

// Kind of row x parameter x value type -> answer. Rows list the variables they hold for; a
// name with no row for a variable of a kind that does not know it is checked below as unknown.
struct GetRule {
    std::vector<const char*> names;
    std::vector<TwParamValueType> types;
    std::vector<const char*> vars;
    const char* brief;
};

const GetRule kGetRules[] = {
    // Known everywhere, read as text only.
    {{"label", "help"}, {kText}, {"i", "btn", "sep", "c3", "G", "s"}, ""},
    {{"label", "help"}, {kInt, kFloat, kDouble}, {"i", "sep", "q", "st", "G"}, "Incompatible type"},
    {{"group"}, {kText}, {"g1", "i"}, ""},
    {{"group"}, {kDouble}, {"g1"}, "Incompatible type"},
    {{"visible"}, {kText, kInt, kFloat, kDouble}, {"i", "txt", "c32", "G"}, ""},
    {{"readonly"}, {kInt}, {"ro", "cb", "btn", "sep", "dir", "st", "G"}, ""},
    // The legacy words and the internal names cannot be read.
    {{"show", "hide", "readwrite", "order"},
     {kInt, kText},
     {"i", "sep", "c32", "G"},
     "Unknown parameter"},
    {{"decimal"}, {kInt}, {"i", "f"}, "Unknown parameter"},
    {{"open", "close", "alpha", "noalpha", "hls", "rgb", "typeid", "valptr"},
     {kInt, kText},
     {"c3", "q", "st", "G"},
     "Unknown parameter"},
    // Value rows: keys on every one, read as text.
    {{"key", "keyincr", "keydecr"},
     {kText},
     {"i", "ro", "ch", "s", "e", "btn", "txt", "sep", "b"},
     ""},
    {{"key", "keydecr"}, {kInt, kFloat, kDouble}, {"d", "btn"}, "Incompatible type"},
    // Number parameters where the type has them, and not elsewhere.
    {{"min", "max", "step"}, {kText, kInt, kDouble}, {"i", "ro", "cb", "u8", "f", "d", "ch"}, ""},
    {{"min", "max", "step"},
     {kInt, kText},
     {"b", "s", "e", "btn", "txt", "sep"},
     "Invalid parameter"},
    {{"hexa"}, {kInt, kText}, {"i", "ro", "u8", "ch"}, ""},
    {{"hexa"}, {kInt}, {"f", "d", "b", "s", "e", "btn", "sep"}, "Invalid parameter"},
    {{"precision"}, {kInt, kDouble}, {"f", "d"}, ""},
    {{"precision"}, {kInt}, {"i", "ch", "b", "s", "e", "btn", "sep"}, "Invalid parameter"},
    {{"true", "false"}, {kText}, {"b"}, ""},
    {{"true", "false"}, {kInt}, {"b"}, "Incompatible type"},
    {{"true", "false"}, {kText}, {"i", "e", "btn"}, "Invalid parameter"},
    {{"enum", "val"}, {kText}, {"e"}, ""},
    {{"enum", "val"}, {kInt}, {"e"}, "Incompatible type"},
    {{"enum", "val"}, {kText}, {"i", "b", "s", "btn"}, "Invalid parameter"},
    {{"value"}, {kInt, kDouble}, {"i", "ro", "cb", "u8", "f", "d", "b", "ch", "e"}, ""},
    {{"value"}, {kText}, {"s", "i"}, ""},
    {{"value"}, {kInt, kFloat}, {"s"}, "Incompatible type"},
    {{"value"}, {kInt, kText}, {"btn", "txt", "sep"}, "Invalid parameter"},
    // Group rows.
    {{"opened"}, {kInt, kText}, {"c3", "c32", "q", "dir", "st", "G"}, ""},
    {{"coloralpha"}, {kInt}, {"c3", "c32"}, ""},
    {{"colormode", "colororder"}, {kText}, {"c3", "c32"}, ""},
    {{"colormode", "colororder"}, {kInt, kDouble}, {"c32"}, "Incompatible type"},
    {{"coloralpha", "colormode", "colororder"},
     {kInt},
     {"q", "dir", "st", "G"},
     "Invalid parameter"},
    {{"arrow", "arrowcolor", "showval"}, {kInt, kText}, {"q", "dir"}, ""},
    {{"arrow", "arrowcolor", "showval"}, {kInt}, {"c3", "st", "G"}, "Invalid parameter"},
    {{"axisx", "axisy", "axisz"}, {kText, kInt}, {"q", "dir"}, "Has no value"},
    {{"axisx", "axisy", "axisz"}, {kInt}, {"c32", "G"}, "Invalid parameter"},
};

// What each kind does not know: value names on group rows, group names on value rows, and
// words no row has.
const char* const kValueNames[] = {"key",  "keyincr",   "keydecr", "min",    "max",
                                   "step", "precision", "hexa",    "true",   "false",
                                   "enum", "val",       "value",   "decimal"};
const char* const kGroupNames[] = {"opened",     "coloralpha", "colormode", "colororder", "arrow",
                                   "arrowcolor", "axisx",      "axisy",     "axisz",      "showval",
                                   "open",       "close",      "alpha",     "noalpha",    "hls",
                                   "rgb",        "typeid",     "valptr"};

TEST_F(ParamAnswers, EachKindOfRowReadsWhatItKnowsInItsValueTypes) {
    for (const GetRule& rule : kGetRules) {
        for (const char* name : rule.names) {
            for (const char* var : rule.vars) {
                for (TwParamValueType type : rule.types) {
                    SCOPED_TRACE(std::string(var) + " " + name + " as type " +
                                 std::to_string(int(type)));
                    EXPECT_EQ(get(var, name, type), expected("get", var, name, rule.brief));
                }
            }
        }
    }
    for (const char* var : kValueRows) {
        for (const char* name : kGroupNames) {
            EXPECT_EQ(get(var, name, kInt), expected("get", var, name, "?"));
            EXPECT_EQ(set(var, name, "1"), expected("set", var, name, "?"));
        }
    }
    for (const char* var : kGroupRows) {
        for (const char* name : kValueNames) {
            EXPECT_EQ(get(var, name, kText), expected("get", var, name, "?"));
            EXPECT_EQ(set(var, name, "1"), expected("set", var, name, "?"));
        }
    }
    for (const char* var : {"i", "c3", "G"}) {
        EXPECT_EQ(get(var, "colour", kInt), expected("get", var, "colour", "?"));
        EXPECT_EQ(set(var, "nonsense", "1"), expected("set", var, "nonsense", "?"));
    }
}

struct SetRule {
    const char* name;
    const char* value;
    std::vector<const char*> vars;
    const char* brief;
};

const SetRule kSetRules[] = {
    {"label", "", {"i", "btn", "c3", "G"}, "Value required"},
    {"help", "", {"sep", "q"}, "Value required"},
    {"group", "i", {"f", "c3"}, "Value is not a group"},
    {"visible", "yes", {"i", "G"}, "Bad value"},
    {"readonly", "on", {"b", "st"}, "Bad value"},
    {"readonly", "2", {"sep"}, "Bad value"},
    {"opened", "maybe", {"c32", "G"}, "Bad value"},
    {"visible", "TRUE", {"i", "c3"}, ""},
    {"readonly", "", {"f", "q"}, ""},
    {"min", "", {"i", "f"}, "Value required"},
    {"max", "1", {"b", "s", "e", "btn", "txt", "sep"}, "Unknown type"},
    {"step", "x1", {"i", "d"}, "Bad value"},
    {"min", "5abc", {"i"}, ""},
    {"precision", "13", {"f", "i", "btn"}, "Bad value"},
    {"precision", "-2", {"d"}, "Bad value"},
    {"precision", "3", {"i", "s", "b", "btn", "sep"}, ""},
    {"enum", "1 {A}", {"i", "b", "s", "btn"}, "Value required"},
    {"val", "1 {A", {"e"}, "Bad value"},
    {"enum", "0 {No}, 1 {Yes}", {"e"}, ""},
    // Refused without a reason.
    {"hexa", "1", {"f", "d", "b", "s", "e", "btn"}, "-"},
    {"decimal", "", {"f", "s"}, "-"},
    {"hexa", "maybe", {"i"}, ""},
    {"true", "Yes", {"i", "e", "btn"}, "-"},
    {"key", "f99", {"i", "btn"}, "-"},
    {"key", "CTRL+k", {"s", "txt", "sep", "e"}, ""},
    {"value", "x12", {"i", "f", "b", "ch"}, "-"},
    {"value", "true", {"b"}, "-"},
    {"value", "", {"s"}, "-"},
    {"value", "1", {"btn", "txt", "sep"}, "-"},
    {"order", "dx", {"c32"}, "-"},
    {"order", "ogl", {"i", "q", "st"}, "-"},
    {"typeid", "5", {"st", "c3"}, "-"},
    {"valptr", "0", {"st"}, ""},
    {"alpha", "", {"c3"}, "-"},
    {"coloralpha", "true", {"c3"}, "-"},
    {"coloralpha", "1", {"q", "st", "G"}, "-"},
    {"colormode", "hsv", {"c32"}, "-"},
    {"colororder", "bgra", {"c32"}, "-"},
    {"arrow", "1 0 0", {"c3", "st"}, "-"},
    {"showval", "yes", {"q"}, "-"},
    {"axisx", "w", {"dir"}, "-"},
    {"arrowcolor", "1 2 300", {"q"}, "-"},
};

TEST_F(ParamAnswers, EachSetIsTakenOrRefusedWithItsReasonOrNone) {
    for (const SetRule& rule : kSetRules) {
        for (const char* var : rule.vars) {
            SCOPED_TRACE(std::string(var) + " " + rule.name + "=" + rule.value);
            EXPECT_EQ(set(var, rule.name, rule.value), expected("set", var, rule.name, rule.brief));
        }
    }
}

std::vector<std::string> gHeard;
// What the handler heard, a reason marked as such.
void TW_CALL hear(const char* text) {
    gHeard.emplace_back(std::string(TwIsErrorReason() ? "reason: " : "") + text);
}

// A reason is handed to the error handler before the whole text; an error without one once.
TEST_F(ParamAnswers, TheHandlerHearsAReasonBeforeTheWholeText) {
    gHeard.clear();
    TwHandleErrors(hear);
    EXPECT_EQ(get("i", "label", kInt), "Unable to get param 'B/i label'  : Incompatible type");
    EXPECT_EQ(TwAddVarRW(bar, "x", TW_TYPE_INT32, &i, " min=x "), 0);
    EXPECT_EQ(set("i", "key", "f99"), "Unable to set param 'B/i key' ");
    EXPECT_EQ(TwDefine(" B nonsense=1 "), 0);
    TwHandleErrors(nullptr);
    EXPECT_EQ(gHeard, (std::vector<std::string>{
                          "reason: Incompatible type",
                          "Unable to get param 'B/i label'  : Incompatible type",
                          "reason: Bad value",
                          "Bad value [min             ...]",
                          "Unable to set param 'B/i key' ",
                          "Parsing error in def string: Unknown attribute [nonsense        ...]",
                      }));
}

}  // namespace
