#include "ui/StringTable.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(StringTable, LooksUpByIdAndReplacesEveryPlaceholder) {
    EXPECT_TRUE(LoadString(-1).empty());
    EXPECT_EQ(FormatString(35, "/tmp/a.trn"), "Problem opening file\r\n/tmp/a.trn");
    EXPECT_EQ(ReplacePlaceholder("%1 and %1, 100%", "x"), "x and x, 100%");
}

}  // namespace
}  // namespace tarn
