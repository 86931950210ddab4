#include "app/PortHolder.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include "core/support/RecordingPrompter.h"

namespace tarn {
namespace {

TEST(PortHolder, ComPortTypeOpensTheDeviceAndKeepsItForTransfers) {
    // A pseudo-terminal stands in for the programming cable's serial device.
    int master = -1, slave = -1;
    char name[256] = {};
    ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
    test::RecordingPrompter prompter;
    PortHolder holder;
    ProgramSettings settings;
    settings.portName = name;
    EXPECT_TRUE(holder.Apply(settings, prompter));
    ClonePort* opened = holder.Port();
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->IsOpen());
    EXPECT_EQ(&holder.PortForTransfer(), opened);
    holder.EndTransfer(settings);
    EXPECT_EQ(holder.Port(), opened);
    EXPECT_TRUE(prompter.shown.empty());
    close(master);
    close(slave);
}

TEST(PortHolder, FailureIsToldWithTheReasonAndTheProgramGoesOn) {
    test::RecordingPrompter prompter;
    PortHolder holder;
    ProgramSettings settings;
    settings.portName = "/dev/tarn-no-such-port";
    EXPECT_FALSE(holder.Apply(settings, prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("/dev/tarn-no-such-port does not exist"), std::string::npos);
    ASSERT_NE(holder.Port(), nullptr);
    EXPECT_FALSE(holder.Port()->IsOpen());
}

}  // namespace
}  // namespace tarn
