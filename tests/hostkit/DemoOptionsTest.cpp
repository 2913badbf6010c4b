#include "DemoOptions.h"

#include <gtest/gtest.h>

using kzdemo::DemoOptions;
using kzdemo::parseDemoOptions;

namespace {

DemoOptions parsed(const std::vector<std::string>& arguments) {
    DemoOptions options;
    std::string error;
    EXPECT_TRUE(parseDemoOptions(arguments, &options, &error)) << error;
    return options;
}

std::string refusal(const std::vector<std::string>& arguments) {
    DemoOptions options;
    std::string error;
    EXPECT_FALSE(parseDemoOptions(arguments, &options, &error));
    return error;
}

}  // namespace

TEST(DemoOptions, EveryOptionTakesItsValue) {
    const DemoOptions options = parsed({"--size",
                                        "800x450",
                                        "--frames",
                                        "120",
                                        "--fps",
                                        "0",
                                        "--report",
                                        "out.txt",
                                        "--exit-code",
                                        "7",
                                        "--resize-buffers-at",
                                        "30:640X360",
                                        "--new-swap-chain-at",
                                        "60",
                                        "--still-at",
                                        "12",
                                        "--key-at",
                                        "30:F1",
                                        "--time-from",
                                        "50"});
    EXPECT_EQ(options.width, 800);
    EXPECT_EQ(options.height, 450);
    EXPECT_EQ(options.frames, 120);
    EXPECT_EQ(options.fps, 0);
    EXPECT_EQ(options.report, "out.txt");
    EXPECT_EQ(options.exitCode, 7);
    EXPECT_EQ(options.resizeBuffersFrame, 30);
    EXPECT_EQ(options.resizeBuffersWidth, 640);
    EXPECT_EQ(options.resizeBuffersHeight, 360);
    EXPECT_EQ(options.newSwapChainFrame, 60);
    EXPECT_EQ(options.stillAt, 12);
    EXPECT_EQ(options.keyFrame, 30);
    EXPECT_EQ(options.keyCode, 0x70);
    EXPECT_EQ(options.timeFrom, 50);
}

TEST(DemoOptions, KeysAreFunctionKeysByNameOrVirtualKeyCodes) {
    EXPECT_EQ(parsed({"--key-at", "0:F2"}).keyCode, 0x71);
    EXPECT_EQ(parsed({"--key-at", "0:f12"}).keyCode, 0x7B);
    EXPECT_EQ(parsed({"--key-at", "5:27"}).keyCode, 27);
    EXPECT_EQ(parsed({"--key-at", "5:27"}).keyFrame, 5);
    EXPECT_EQ(refusal({"--key-at", "5:F13"}), "bad value for --key-at: 5:F13");
    EXPECT_EQ(refusal({"--key-at", "5:F"}), "bad value for --key-at: 5:F");
    EXPECT_EQ(refusal({"--key-at", "5:255"}), "bad value for --key-at: 5:255");
    EXPECT_EQ(refusal({"--key-at", "5:0"}), "bad value for --key-at: 5:0");
    EXPECT_EQ(refusal({"--key-at", "F1"}), "bad value for --key-at: F1");
    EXPECT_EQ(refusal({"--key-at", "-1:F1"}), "bad value for --key-at: -1:F1");
}

TEST(DemoOptions, KeyPressAndTimingAreOffUnlessAsked) {
    const DemoOptions options = parsed({});
    EXPECT_EQ(options.keyFrame, -1);
    EXPECT_EQ(options.timeFrom, -1);
}

TEST(DemoOptions, MalformedValuesAndUnknownOptionsAreNamedInTheError) {
    EXPECT_EQ(refusal({"--speed", "2"}), "unknown option --speed");
    EXPECT_EQ(refusal({"--frames"}), "--frames needs a value");
    EXPECT_EQ(refusal({"stray"}), "unknown argument stray");
    EXPECT_EQ(refusal({"--size", "800"}), "bad value for --size: 800");
    EXPECT_EQ(refusal({"--size", "0x600"}), "bad value for --size: 0x600");
    EXPECT_EQ(refusal({"--size", "800x"}), "bad value for --size: 800x");
    EXPECT_EQ(refusal({"--size", "99999x600"}), "bad value for --size: 99999x600");
    EXPECT_EQ(refusal({"--frames", "-1"}), "bad value for --frames: -1");
    EXPECT_EQ(refusal({"--frames", "12abc"}), "bad value for --frames: 12abc");
    EXPECT_EQ(refusal({"--frames", "99999999999999999999"}),
              "bad value for --frames: 99999999999999999999");
    EXPECT_EQ(refusal({"--exit-code", "256"}), "bad value for --exit-code: 256");
    EXPECT_EQ(refusal({"--resize-buffers-at", "30"}), "bad value for --resize-buffers-at: 30");
    EXPECT_EQ(refusal({"--report", ""}), "bad value for --report: ");
    EXPECT_EQ(refusal({"--still-at", "86401"}), "bad value for --still-at: 86401");
    EXPECT_EQ(refusal({"--time-from", "x"}), "bad value for --time-from: x");
}
