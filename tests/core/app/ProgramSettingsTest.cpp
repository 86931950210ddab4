#include "app/ProgramSettings.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(ProgramSettings, ReadCorrections) {
    EXPECT_EQ(CorrectPortType(7), PortType::ComPort);
    EXPECT_EQ(CorrectPortType(-1), PortType::ComPort);
    EXPECT_EQ(CorrectPortType(1), PortType::InterfaceUnit);
    EXPECT_EQ(CorrectComPort(0), 1);
    EXPECT_EQ(CorrectComPort(17), 1);
    EXPECT_EQ(CorrectComPort(16), 16);
    EXPECT_EQ(CorrectWindowWidth(300), 860);
    EXPECT_EQ(CorrectWindowWidth(1200), 1200);
    EXPECT_EQ(CorrectWindowHeight(639), 640);
    EXPECT_EQ(CorrectItemFlag(0), 0);
    EXPECT_EQ(CorrectItemFlag(1), 1);
    EXPECT_EQ(CorrectItemFlag(2), 1);
    EXPECT_EQ(CorrectItemFlag(-5), 1);
}

TEST(ProgramSettings, PortName) {
    ProgramSettings s;
    s.comPort = 12;
    EXPECT_EQ(PortNameOf(s), "COM12");
    s.portName = "/dev/ttyUSB0";
    EXPECT_EQ(PortNameOf(s), "/dev/ttyUSB0");
}

TEST(ProgramSettings, PortChoiceTakesComNamesAndPaths) {
    ProgramSettings s;
    s.portName = "/dev/ttyUSB0";
    EXPECT_TRUE(ApplyPortChoice(s, "com5"));
    EXPECT_EQ(s.comPort, 5);
    EXPECT_TRUE(s.portName.empty());
    EXPECT_TRUE(ApplyPortChoice(s, " COM 16 "));
    EXPECT_EQ(s.comPort, 16);
    EXPECT_TRUE(ApplyPortChoice(s, "/dev/pts/7"));
    EXPECT_EQ(s.portName, "/dev/pts/7");
    for (const char* bad : {"", "COM 0", "COM 17", "COM", "COMx", "ttyUSB0", "COM 99999999999"}) {
        ProgramSettings before = s;
        EXPECT_FALSE(ApplyPortChoice(s, bad)) << bad;
        EXPECT_EQ(s.portName, before.portName);
        EXPECT_EQ(s.comPort, before.comPort);
    }
}

}  // namespace
}  // namespace tarn
