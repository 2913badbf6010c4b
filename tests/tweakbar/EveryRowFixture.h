// A started engine with one bar "B" that holds a row of every kind, for tests that ask every
// kind of row the same questions.
#pragma once

#include <cstddef>
#include <string>

#include "EngineFixture.h"

namespace everyrow {

struct Pair {
    int a, b;
};

inline void TW_CALL setInt(const void* value, void* data) {
    *static_cast<int*>(data) = *static_cast<const int*>(value);
}
inline void TW_CALL getInt(void* value, void* data) {
    *static_cast<int*>(value) = *static_cast<int*>(data);
}
inline void TW_CALL pressed(void*) {}

// One bar "B" with a row of every kind: value rows (numbers, bool, char, string, enum, read-only
// and callback variants, buttons, a line of text, a separator) and group rows (colours, a
// quaternion, a direction, a struct, a group).
class EveryRowTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        bar = TwNewBar("B");
        const TwType mode = TwDefineEnumFromString("Mode", "Off,On");
        const TwStructMember members[] = {{"a", TW_TYPE_INT32, offsetof(Pair, a), nullptr},
                                          {"b", TW_TYPE_INT32, offsetof(Pair, b), nullptr}};
        const TwType pair = TwDefineStruct("Pair", members, 2, sizeof(Pair), nullptr, nullptr);
        ASSERT_EQ(TwAddVarRW(bar, "i", TW_TYPE_INT32, &i, nullptr), 1);
        ASSERT_EQ(TwAddVarRO(bar, "ro", TW_TYPE_INT32, &i, nullptr), 1);
        ASSERT_EQ(TwAddVarCB(bar, "cb", TW_TYPE_INT32, setInt, getInt, &i, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "u8", TW_TYPE_UINT8, &u8, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "f", TW_TYPE_FLOAT, &f, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "d", TW_TYPE_DOUBLE, &d, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "b", TW_TYPE_BOOLCPP, &flag, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "ch", TW_TYPE_CHAR, &ch, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "s", TW_TYPE_CSSTRING(sizeof s), s, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "e", mode, &e, nullptr), 1);
        ASSERT_EQ(TwAddButton(bar, "btn", pressed, nullptr, nullptr), 1);
        ASSERT_EQ(TwAddButton(bar, "txt", nullptr, nullptr, nullptr), 1);
        ASSERT_EQ(TwAddSeparator(bar, "sep", nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "c3", TW_TYPE_COLOR3F, c3, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "c32", TW_TYPE_COLOR32, &c32, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "q", TW_TYPE_QUAT4F, q, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "dir", TW_TYPE_DIR3F, dir, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "st", pair, &pairValue, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "g1", TW_TYPE_INT32, &i, " group=G "), 1);
    }

    std::string get(const char* var, const char* name, TwParamValueType type) {
        char buffer[64];
        double numbers[4];
        void* out = type == TW_PARAM_CSTRING ? static_cast<void*>(buffer) : numbers;
        const unsigned count = type == TW_PARAM_CSTRING ? sizeof buffer : 4;
        return answer(TwGetParam(bar, var, name, type, count, out) > 0);
    }
    std::string set(const char* var, const char* name, const char* value) {
        return answer(TwSetParam(bar, var, name, TW_PARAM_CSTRING, 1, value));
    }
    // The whole text of an expected answer: "" (success), "?" (the name is unknown on that
    // row), "-" (refused without a reason) or the reason.
    static std::string expected(const char* verb, const std::string& var, const char* name,
                                const std::string& brief) {
        const std::string quoted = "'B/" + var + " " + name + "'";
        if (brief.empty()) return "";
        if (brief == "?") return "Unknown param " + quoted;
        const std::string form = std::string("Unable to ") + verb + " param " + quoted + " ";
        return brief == "-" ? form : form + " : " + brief;
    }

    TwBar* bar = nullptr;
    int i = 3, e = 0;
    unsigned char u8 = 0;
    float f = 1.5f;
    double d = 2.5;
    bool flag = false;
    char ch = 'a';
    char s[8] = "text";
    float c3[3] = {0.1f, 0.3f, 0.9f};
    unsigned int c32 = 0xff102030u;
    float q[4] = {0, 0, 0, 1};
    float dir[3] = {0, 3, 4};
    Pair pairValue = {1, 2};
};

}  // namespace everyrow
