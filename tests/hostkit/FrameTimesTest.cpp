#include "FrameTimes.h"

#include <gtest/gtest.h>

using kzdemo::spreadOf;

TEST(FrameTimes, MedianIsTheMiddleSampleOrTheMeanOfTheMiddleTwo) {
    EXPECT_DOUBLE_EQ(spreadOf({5, 1, 3}).median, 3);
    EXPECT_DOUBLE_EQ(spreadOf({4, 1, 3, 2}).median, 2.5);
    EXPECT_DOUBLE_EQ(spreadOf({7}).median, 7);
}

TEST(FrameTimes, NinetiethPercentileIsTheNearestRank) {
    // Ten samples: the ninth smallest; eleven: the tenth (ceil(9.9)).
    EXPECT_DOUBLE_EQ(spreadOf({10, 9, 8, 7, 6, 5, 4, 3, 2, 1}).p90, 9);
    EXPECT_DOUBLE_EQ(spreadOf({11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}).p90, 10);
    // One slow frame in twenty does not reach it; three do.
    std::vector<double> frames(20, 16.0);
    frames[7] = 50;
    EXPECT_DOUBLE_EQ(spreadOf(frames).p90, 16.0);
    frames[3] = frames[12] = 40;
    EXPECT_DOUBLE_EQ(spreadOf(frames).p90, 40.0);
    EXPECT_DOUBLE_EQ(spreadOf({7}).p90, 7);
}

TEST(FrameTimes, NoSamplesGiveZeros) {
    EXPECT_EQ(spreadOf({}).median, 0);
    EXPECT_EQ(spreadOf({}).p90, 0);
}
