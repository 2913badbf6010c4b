// Any sequence of mouse, wheel, key and resize events, key tests and shortcut texts against a
// scene of bars that holds every kind of control, with frames drawn between them. Each input
// is read as five-byte events: a kind, then its arguments.
#include <cstddef>
#include <cstdint>

#include "AntTweakBar.h"
#include "HeadlessDevice.h"

namespace {

// Failures are expected by the thousand; stderr would only slow the fuzzer down.
void TW_CALL ignoreError(const char*) {}

struct Scene {
    bool flag = false;
    std::int8_t small = 0;
    unsigned short word = 7;
    int count = 3;
    float speed = 1.0f;
    double ratio = 0.5;
    unsigned int color = 0xFF336699;
    float fog[4] = {0.1f, 0.2f, 0.3f, 1.0f};
    char text[12] = "abc";
    int choice = 1;
    float direction[3] = {1, 0, 0};
    float rotation[4] = {0, 0, 0, 1};
    int presses = 0;
} gScene;

void TW_CALL press(void* presses) {
    ++*static_cast<int*>(presses);
}
void TW_CALL deleteOtherBar(void*) {
    TwDeleteBar(TwGetBarByName("second"));
}

void buildScene() {
    TwBar* bar = TwNewBar("first");
    TwAddVarRW(bar, "flag", TW_TYPE_BOOLCPP, &gScene.flag, " group=Basic ");
    TwAddVarRW(bar, "small", TW_TYPE_INT8, &gScene.small, " group=Basic min=-5 max=5 ");
    TwAddVarRW(bar, "word", TW_TYPE_UINT16, &gScene.word, " group=Basic hexa=true ");
    TwAddVarRW(bar, "count", TW_TYPE_INT32, &gScene.count, " min=0 max=100 step=5 ");
    TwAddVarRW(bar, "speed", TW_TYPE_FLOAT, &gScene.speed, " precision=3 ");
    TwAddVarRO(bar, "ratio", TW_TYPE_DOUBLE, &gScene.ratio, "");
    TwAddSeparator(bar, "", "");
    TwAddVarRW(bar, "color", TW_TYPE_COLOR32, &gScene.color, " group=Look ");
    TwAddVarRW(bar, "fog", TW_TYPE_COLOR4F, gScene.fog, " group=Look ");
    TwAddVarRW(bar, "text", TW_TYPE_CSSTRING(sizeof gScene.text), gScene.text, "");
    const TwType choices = TwDefineEnumFromString("Choice", "one,two,three");
    TwAddVarRW(bar, "choice", choices, &gScene.choice, "");
    TwAddVarRW(bar, "direction", TW_TYPE_DIR3F, gScene.direction, "");
    TwAddVarRW(bar, "rotation", TW_TYPE_QUAT4F, gScene.rotation, "");
    TwAddButton(bar, "press", press, &gScene.presses, "");
    TwAddButton(bar, "drop", deleteOtherBar, nullptr, " label='Drop the second bar' ");

    TwBar* second = TwNewBar("second");
    TwAddVarRW(second, "count", TW_TYPE_INT32, &gScene.count, "");
    TwDefine(" second position='150 100' size='220 160' ");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    TwHandleErrors(ignoreError);
    TwInit(TW_DIRECT3D11, tw::headlessDevice());
    TwWindowSize(640, 480);
    TwDefine(" GLOBAL contained=true ");
    buildScene();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!TwGetBarByName("second")) {  // a press of "drop" took it: start the next input whole
        TwDeleteBar(TwGetBarByName("first"));
        buildScene();
    }
    for (std::size_t i = 0; i + 5 <= size; i += 5) {
        const std::uint8_t* e = data + i;
        const int x = e[1] * 3 - 64, y = e[2] * 2 - 32;
        // Keys cover 0..296 and a little beyond, modifiers every mask and lock bit.
        const int key = e[3] + (e[4] & 0x80 ? 256 - 40 : 0) + (e[4] & 0x40 ? 50 : 0);
        const int modifiers = (e[4] & 0x3f) << 6 | (e[4] & 3);
        switch (e[0] % 10) {
            case 0:
                TwMouseMotion(x, y);
                break;
            case 1:
                TwMouseButton(e[4] & 1 ? TW_MOUSE_PRESSED : TW_MOUSE_RELEASED,
                              static_cast<TwMouseButtonID>(e[3] % 4));
                break;
            case 2:
                TwMouseWheel(e[3] - 128);
                break;
            case 3:
                TwKeyPressed(key, modifiers);
                break;
            case 4:
                TwKeyTest(key, modifiers);
                break;
            case 5:
                TwWindowSize(e[3] * 4, e[4] * 4);
                break;
            case 6:
                TwDraw();
                break;
            case 7:
                TwRefreshBar(TwGetBarByName("first"));
                break;
            case 8: {
                // Four bytes as the text of a shortcut, then read back.
                const char text[5] = {char(e[1]), char(e[2]), char(e[3]), char(e[4]), 0};
                TwSetParam(TwGetBarByName("first"), "count", "key", TW_PARAM_CSTRING, 1, text);
                char back[32];
                TwGetParam(TwGetBarByName("first"), "count", "key", TW_PARAM_CSTRING, sizeof back,
                           back);
                break;
            }
            case 9:
                TwSetTopBar(TwGetBarByIndex(e[3] % 4));
                break;
        }
    }
    TwDraw();
    TwGetLastError();
    return 0;
}
