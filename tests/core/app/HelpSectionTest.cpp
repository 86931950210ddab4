#include "app/HelpContext.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace tarn {
namespace {

// Every section a help request leads to is in the user guide that ships with the program: a section
// renamed or lost in the guide would leave F1 at the top of the page.
TEST(HelpSection, EverySectionRequestedIsInTheUserGuide) {
    std::ifstream file(std::string(TARN_SOURCE_DIR) + "/docs/user-guide.html");
    const std::string guide{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(guide.empty());
    for (int context = 0; context < 0x30000; ++context) {
        const std::string_view section = HelpSection({false, context});
        if (section.empty()) continue;
        EXPECT_NE(guide.find("id=\"" + std::string(section) + "\""), std::string::npos) << context << ' ' << section;
    }
}

}  // namespace
}  // namespace tarn
