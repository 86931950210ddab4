#include "app/ProgramSettings.h"

#include <gtest/gtest.h>

#include <climits>

namespace tarn {
namespace {

TEST(ProgramSettings, ValuesReadOutOfRangeAreCorrected) {
    for (auto [read, type] : {std::pair{7, PortType::ComPort}, {-1, PortType::ComPort}, {1, PortType::InterfaceUnit}}) {
        EXPECT_EQ(CorrectPortType(read), type) << read;
    }
    for (auto [read, port, flag] : {std::tuple{0, 1, 0}, {16, 16, 1}, {17, 1, 1}, {-5, 1, 1}}) {
        EXPECT_EQ(std::tuple(CorrectComPort(read), CorrectItemFlag(read)), std::tuple(port, flag)) << read;
    }
    EXPECT_EQ(std::tuple(CorrectWindowWidth(859), CorrectWindowWidth(1200)), std::tuple(860, 1200));
    EXPECT_EQ(std::tuple(CorrectWindowHeight(639), CorrectWindowHeight(2000)), std::tuple(640, 2000));
    // Past what an int holds is the largest size, not a wrapped-around one.
    EXPECT_EQ(CorrectWindowWidth(4294968296L), INT_MAX);
}

TEST(ProgramSettings, PortChoiceTakesComNamesAndPathsAndRefusesTheRest) {
    ProgramSettings s;
    s.portName = "/dev/ttyUSB0";
    EXPECT_TRUE(ApplyPortChoice(s, " COM 16 "));
    EXPECT_EQ(std::tie(s.comPort, s.portName), std::tuple(16, ""));
    EXPECT_EQ(PortNameOf(s), "COM16");
    EXPECT_TRUE(ApplyPortChoice(s, "com5") && ApplyPortChoice(s, "/dev/pts/7"));
    EXPECT_EQ(std::tie(s.comPort, s.portName), std::tuple(5, "/dev/pts/7"));
    EXPECT_EQ(PortNameOf(s), "/dev/pts/7");
    for (const char* bad : {"", "COM 0", "COM 17", "COM", "COMx", "ttyUSB0", "COM 99999999999"}) {
        EXPECT_FALSE(ApplyPortChoice(s, bad)) << bad;
        EXPECT_EQ(std::tie(s.comPort, s.portName), std::tuple(5, "/dev/pts/7")) << bad;
    }
}

}  // namespace
}  // namespace tarn
