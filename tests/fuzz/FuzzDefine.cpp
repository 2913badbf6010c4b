// Any bytes as a define string, as a control's definition, as parameter text and as enum
// labels; then a frame and a few input events built from the same bytes. Nothing may crash,
// leak or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "AntTweakBar.h"
#include "HeadlessDevice.h"

namespace {

// Failures are expected by the thousand; stderr would only slow the fuzzer down.
void TW_CALL ignoreError(const char*) {}

int gInts[2];
float gFloat;
bool gBool;
char gText[16];
unsigned int gColor;
float gQuat[4];
int gEnum;
struct Pair {
    int number;
    bool flag;
} gPair;

// A struct type with members whose rows take definitions of their own.
TwType pairType() {
    static const TwStructMember members[] = {{"n", TW_TYPE_INT32, offsetof(Pair, number), "min=0"},
                                             {"f", TW_TYPE_BOOLCPP, offsetof(Pair, flag), nullptr}};
    static const TwType type = TwDefineStruct("Pair", members, 2, sizeof(Pair), nullptr, nullptr);
    return type;
}

TwBar* fuzzedBar() {
    if (TwBar* bar = TwGetBarByName("b")) return bar;
    TwBar* bar = TwNewBar("b");
    TwAddVarRW(bar, "i", TW_TYPE_INT32, &gInts[0], " group=G ");
    TwAddVarRW(bar, "f", TW_TYPE_FLOAT, &gFloat, nullptr);
    TwAddVarRW(bar, "bo", TW_TYPE_BOOLCPP, &gBool, nullptr);
    TwAddVarRW(bar, "s", TW_TYPE_CSSTRING(sizeof gText), gText, nullptr);
    TwAddVarRW(bar, "c", TW_TYPE_COLOR32, &gColor, nullptr);
    TwAddVarRW(bar, "q", TW_TYPE_QUAT4F, gQuat, nullptr);
    TwAddVarRW(bar, "e", TwDefineEnumFromString("E", "A,B"), &gEnum, nullptr);
    TwAddVarRW(bar, "p", pairType(), &gPair, " opened=true ");
    return bar;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TwHandleErrors(ignoreError);
    static const bool started =
        TwInit(TW_DIRECT3D11, tw::headlessDevice()) && TwWindowSize(640, 480);
    if (!started) return 0;
    TwBar* bar = fuzzedBar();
    const std::string text(reinterpret_cast<const char*>(data), size);
    TwDefine(text.c_str());
    TwAddVarRW(bar, "x", TW_TYPE_INT32, &gInts[1], text.c_str());
    TwRemoveVar(bar, "x");
    TwAddVarRW(bar, "y", pairType(), &gPair, text.c_str());
    TwRemoveVar(bar, "y");
    TwSetParam(bar, nullptr, "label", TW_PARAM_CSTRING, 1, text.c_str());
    TwSetParam(nullptr, nullptr, "iconpos", TW_PARAM_CSTRING, 1, text.c_str());
    TwSetParam(bar, "i", "enum", TW_PARAM_CSTRING, 1, text.c_str());
    TwSetParam(bar, "s", "value", TW_PARAM_CSTRING, 1, text.c_str());
    char readBack[64];
    for (const char* param : {"enum", "value", "hexa"}) {
        TwGetParam(bar, "i", param, TW_PARAM_CSTRING, sizeof readBack, readBack);
    }
    // The pieces of a colour and a quaternion, written from the same bytes and read back.
    for (const char* piece : {"c.Hue", "q.Axis Y"}) {
        TwSetParam(bar, piece, "value", TW_PARAM_CSTRING, 1, text.c_str());
        TwGetParam(bar, piece, "value", TW_PARAM_CSTRING, sizeof readBack, readBack);
    }
    TwDefineEnumFromString("E", text.c_str());
    TwDraw();
    for (std::size_t i = 0; i + 2 < size && i < 32; i += 3) {
        TwMouseMotion(data[i] * 3, data[i + 1] * 2);
        TwMouseButton(data[i + 2] & 1 ? TW_MOUSE_PRESSED : TW_MOUSE_RELEASED, TW_MOUSE_LEFT);
        TwKeyPressed(data[i + 2], 0);
        if (data[i + 2] % 7 == 0) TwKeyPressed(TW_KEY_UP + data[i] % 9, 0);
    }
    // Now and then the bar goes, so that the next input starts on a new one.
    if (size % 5 == 0) TwDeleteBar(TwGetBarByName("b"));
    TwGetLastError();
    return 0;
}
