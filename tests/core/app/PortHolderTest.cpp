#include "app/PortHolder.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include "core/support/RecordingPrompter.h"

namespace tarn {
namespace {

// A pseudo-terminal whose far end stands in for the programming cable's serial device.
struct Pty {
    int master = -1;
    int slave = -1;
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

ProgramSettings OnPort(PortType type, const std::string& name) {
    ProgramSettings s;
    s.portType = type;
    s.portName = name;
    return s;
}

TEST(PortHolder, ComPortTypeOpensAndKeepsThePort) {
    Pty pty;
    ASSERT_FALSE(pty.path.empty());
    test::RecordingPrompter prompter;
    PortHolder holder;
    EXPECT_TRUE(holder.Apply(OnPort(PortType::ComPort, pty.path), prompter));
    ASSERT_NE(holder.Port(), nullptr);
    EXPECT_TRUE(holder.Port()->IsOpen());
    EXPECT_TRUE(prompter.shown.empty());
    ClonePort* before = holder.Port();
    EXPECT_EQ(&holder.PortForTransfer(), before);
    holder.EndTransfer(OnPort(PortType::ComPort, pty.path));
    EXPECT_EQ(holder.Port(), before);
}

TEST(PortHolder, FailureIsToldWithTheReasonAndTheProgramGoesOn) {
    test::RecordingPrompter prompter;
    PortHolder holder;
    EXPECT_FALSE(holder.Apply(OnPort(PortType::ComPort, "/dev/tarn-no-such-port"), prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(prompter.shown[0].text.rfind("Problem with COM port\r\n", 0), 0u);
    EXPECT_NE(prompter.shown[0].text.find("/dev/tarn-no-such-port does not exist"), std::string::npos);
    ASSERT_NE(holder.Port(), nullptr);
    EXPECT_FALSE(holder.Port()->IsOpen());
}

TEST(PortHolder, InterfaceUnitKeepsNoPortBetweenTransfers) {
    Pty pty;
    test::RecordingPrompter prompter;
    PortHolder holder;
    holder.Apply(OnPort(PortType::ComPort, pty.path), prompter);
    const auto unit = OnPort(PortType::InterfaceUnit, pty.path);
    EXPECT_FALSE(holder.Apply(unit, prompter));
    EXPECT_EQ(holder.Port(), nullptr);
    // A transfer never runs on a missing port: one is made for it and dropped afterwards.
    ClonePort& port = holder.PortForTransfer();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(holder.Port(), &port);
    holder.EndTransfer(unit);
    EXPECT_EQ(holder.Port(), nullptr);
    EXPECT_TRUE(prompter.shown.empty());
}

}  // namespace
}  // namespace tarn
