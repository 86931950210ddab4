#include "app/PortHolder.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include "core/support/RecordingPrompter.h"

namespace tarn {
namespace {

// A pseudo-terminal whose far end stands in for the programming cable's serial device.
struct Pty {
    int master = -1, slave = -1;
    std::string path;
    Pty() {
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) == 0) path = name;
    }
    ~Pty() {
        if (master >= 0) close(master);
        if (slave >= 0) close(slave);
    }
};

class PortHolderTest : public ::testing::Test {
protected:
    static ProgramSettings On(PortType type, const std::string& name) {
        ProgramSettings s;
        std::tie(s.portType, s.portName) = std::tie(type, name);
        return s;
    }
    Pty pty;
    test::RecordingPrompter prompter;
    PortHolder holder;
};

TEST_F(PortHolderTest, ComPortTypeOpensAndKeepsThePort) {
    ASSERT_FALSE(pty.path.empty());
    EXPECT_TRUE(holder.Apply(On(PortType::ComPort, pty.path), prompter));
    ClonePort* opened = holder.Port();
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->IsOpen());
    EXPECT_EQ(&holder.PortForTransfer(), opened);
    holder.EndTransfer(On(PortType::ComPort, pty.path));
    EXPECT_EQ(holder.Port(), opened);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(PortHolderTest, FailureIsToldWithTheReasonAndTheProgramGoesOn) {
    EXPECT_FALSE(holder.Apply(On(PortType::ComPort, "/dev/tarn-no-such-port"), prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(prompter.shown[0].text.rfind("Problem with COM port\r\n", 0), 0u);
    EXPECT_NE(prompter.shown[0].text.find("/dev/tarn-no-such-port does not exist"), std::string::npos);
    ASSERT_NE(holder.Port(), nullptr);
    EXPECT_FALSE(holder.Port()->IsOpen());
}

TEST_F(PortHolderTest, InterfaceUnitKeepsNoPortBetweenTransfers) {
    holder.Apply(On(PortType::ComPort, pty.path), prompter);
    const auto unit = On(PortType::InterfaceUnit, pty.path);
    EXPECT_FALSE(holder.Apply(unit, prompter));
    EXPECT_EQ(holder.Port(), nullptr);
    // A transfer never runs on a missing port: one is made for it and dropped afterwards.
    ClonePort& port = holder.PortForTransfer();
    EXPECT_EQ(std::tuple(port.IsOpen(), holder.Port()), std::tuple(false, &port));
    holder.EndTransfer(unit);
    EXPECT_EQ(holder.Port(), nullptr);
    EXPECT_TRUE(prompter.shown.empty());
}

}  // namespace
}  // namespace tarn
