#include "settings/SettingsScript.h"

#include <gtest/gtest.h>

#include <set>

#include "core/support/RecordingPrompter.h"
#include "settings/SettingName.h"

namespace tarn {
namespace {

class SettingsScriptTest : public ::testing::Test {
protected:
    std::string Line(SettingsScript& script, std::string_view name) {
        for (const std::string& line : script.Lines()) {
            if (line.starts_with(std::string(name) + "=")) return line;
        }
        return {};
    }

    test::RecordingPrompter prompter;
    Document document{prompter, {}};
};

TEST_F(SettingsScriptTest, NamesEverySettingOnceByItsLabel) {
    EXPECT_EQ(SettingName("HOME/Emergency Mode"), "home_emergency_mode");
    EXPECT_EQ(SettingName("[121.5] Key"), "121_5_key");
    EXPECT_EQ(SettingName("Emg. LED COLOR Red"), "emg_led_color_red");
    SettingsScript script(document, false);
    const auto lines = script.Lines();
    std::set<std::string> names;
    for (const std::string& line : lines) names.insert(line.substr(0, line.find('=')));
    EXPECT_EQ(names.size(), lines.size());
    EXPECT_EQ(lines.size(), 13u + 12 + 8 + 5 + 7 + 17);  // "[MON] Key" has no value
    EXPECT_EQ(Line(script, "common.lamp_mode"), "common.lamp_mode=Key on");
    EXPECT_EQ(Line(script, "system.current_mode"), "system.current_mode=VFO");  // without the padding
}

// Every item a list offers can be set by its text, and every value an edit shows by that text.
TEST_F(SettingsScriptTest, SetsEveryListedValueThatTheDialogLetsTheUserChoose) {
    document.Settings().GrayExpansion = 1;
    document.Settings().BrsModeTx = 1;
    document.Settings().Encode(document.Image());
    SettingsScript script(document, true);
    std::string why;
    int applied = 0;
    for (const std::string& line : script.Lines()) {
        const std::string name = line.substr(0, line.find('='));
        if (name == "system.gray_expansion" || name == "system.brs_mode_tx") continue;  // would disable others
        for (const char* value : {"Off", "On", "Enable", "Disable", "Mode3", "8", "1 : 5", "Exp", "Book MR", "WX",
                                  "1,5 Sec", "All Lock", "Flash + 121.5", "-12.7", "110", "255", "0.5h"}) {
            const std::string assignment = name + "=" + value;
            if (!script.Apply(assignment, why)) continue;
            EXPECT_EQ(Line(script, name), assignment);
            ++applied;
        }
    }
    EXPECT_GE(applied, 40);
    EXPECT_TRUE(script.Apply("common.emg_led_color_red=0", why)) << why;
    EXPECT_TRUE(document.Modified());
}

// A refused assignment says which setting and why, and changes nothing.
TEST_F(SettingsScriptTest, RefusesWhatTheDialogWouldNotAllowAndChangesNothing) {
    SettingsScript script(document, false);
    const auto before = script.Lines();
    const struct {
        std::string_view assignment, why;
    } cases[] = {
        {"system.gray_expansion=Enable", "maintenance mode"},
        {"system.weather_band=Disable", "maintenance mode"},
        {"system.vfo_band=Exp", "not one of: Air, FM Radio"},
        {"common.bclo=On", "BRS Mode TX"},
        {"common.range_beep=Off", "does not show it"},
        {"common.lamp_mode=on", "not one of: Off, Continue, Key on"},
        {"common.tx_led_color_red=256", "it would show 255"},
        {"common.temperature_offset=1", "it would show 1.0"},
        {"common.temp_check_data=5x", "it would show 5"},
        {"common.mon_key=MON", "no such setting"},
        {"lamp_mode=Off", "no such setting"},
        {"common.lamp_mode", "section.name=value"},
    };
    for (const auto& c : cases) {
        std::string why;
        EXPECT_FALSE(script.Apply(c.assignment, why)) << c.assignment;
        EXPECT_NE(why.find(c.why), std::string::npos) << why;
        EXPECT_EQ(why.substr(0, why.find(':')), c.assignment.substr(0, c.assignment.find('='))) << why;
    }
    EXPECT_EQ(script.Lines(), before);
    EXPECT_FALSE(document.Modified());
    // What is shown already needs no change, even where the user could not change it.
    std::string why;
    EXPECT_TRUE(script.Apply("system.weather_band=Enable", why)) << why;
    EXPECT_TRUE(script.Apply("common.bclo=Off", why)) << why;
}

}  // namespace
}  // namespace tarn
