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
    EXPECT_EQ(lines.size(), 13u + 12 + 8 + 5 + 7 + 17 + 3 * 10 + 11);  // "[MON] Key" and RANGE have no value
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
        if (!name.starts_with("system.") && !name.starts_with("common.")) continue;  // the VFO & HOME test's
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

// A refused assignment says which setting and why, and changes nothing: one row per reason; which rows a
// dialog hides or disables, and which values it takes, are the editors' own tests.
TEST_F(SettingsScriptTest, RefusesWhatTheDialogWouldNotAllowAndChangesNothing) {
    SettingsScript script(document, false);
    const auto before = script.Lines();
    const struct {
        std::string_view assignment, why;
    } cases[] = {
        {"system.vfo_band=Exp", "not one of: Air, FM Radio"},
        {"common.bclo=On", "BRS Mode TX"},
        {"common.range_beep=Off", "does not show it"},
        {"common.lamp_mode=on", "not one of: Off, Continue, Key on"},
        {"common.tx_led_color_red=256", "it would show 255"},
        {"common.temperature_offset=1", "it would show 1.0"},
        {"common.mon_key=MON", "no such setting"},
        {"common.lamp_mode", "section.name=value"},
        {"vhf_expansion.receive_frequency=150", "Gray Expansion is Enable"},
        {"air.receive_frequency=150", "not a frequency this page takes"},
        {"air.transmit_frequency=118", "does not let it be changed"},
        {"air.wide_narrow=Narrow", "does not show it"},
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

// The VFO & HOME records are set through the pages' editors, a value the edit would show otherwise is refused,
// and OK writes the records.
TEST_F(SettingsScriptTest, SetsTheVfoAndHomeRecordsThroughThePagesEditors) {
    document.Settings().GrayExpansion = 1;
    document.Settings().Encode(document.Image());
    SettingsScript script(document, false);
    std::string why;
    for (const char* assignment : {"fm_radio.receive_frequency=98.1", "vhf_expansion.rpt_shift=+",
                                   "vhf_expansion.shift_frequency=0.6", "vhf_expansion.sub_audio_type=CTCSS",
                                   "vhf_expansion.ctcss_dcs_enc_dec=88.5"}) {
        EXPECT_TRUE(script.Apply(assignment, why)) << why;
    }
    EXPECT_FALSE(script.Apply("vhf_expansion.shift_frequency=12", why));
    EXPECT_NE(why.find("it would show 9.95000"), std::string::npos) << why;
    script.Ok();
    EXPECT_TRUE(document.Modified());
    const auto lines = SettingsScript(document, false).Lines();
    for (const char* line : {"fm_radio.receive_frequency=98.10000", "vhf_expansion.shift_frequency=0.60000",
                             "vhf_expansion.ctcss_dcs_enc_dec=88.5"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
}

}  // namespace
}  // namespace tarn
