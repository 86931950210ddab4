#include "app/PortHolder.h"

#include <gtest/gtest.h>

#include "core/support/RecordingPrompter.h"

namespace tarn {
namespace {

TEST(PortHolder, FailureIsToldWithTheReasonAndTheProgramGoesOn) {
    test::RecordingPrompter prompter;
    PortHolder holder;
    ProgramSettings settings;
    settings.portName = "/dev/tarn-no-such-port";
    EXPECT_FALSE(holder.Apply(settings, prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(prompter.shown[0].text.rfind("Problem with COM port\r\n", 0), 0u);
    EXPECT_NE(prompter.shown[0].text.find("/dev/tarn-no-such-port does not exist"), std::string::npos);
    ASSERT_NE(holder.Port(), nullptr);
    EXPECT_FALSE(holder.Port()->IsOpen());
}

}  // namespace
}  // namespace tarn
