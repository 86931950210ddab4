#include "link/PortName.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(PortName, ComNumbersMapToSerialDevicesAndOtherNamesAreKept) {
    struct Case {
        const char* name;
        const char* device;
        const char* label;  // what follows "COM" in the port check message
    };
    for (const Case& c : {Case{"COM1", "/dev/ttyS0", "1"}, Case{"COM10", "/dev/ttyS9", "10"},
                          Case{"COM16", "/dev/ttyS15", "16"}, Case{"com3", "/dev/ttyS2", "3"}}) {
        EXPECT_EQ(DevicePathFor(c.name), c.device) << c.name;
        EXPECT_EQ(PortLabel(c.name), c.label) << c.name;
    }
    for (const char* kept : {"COM0", "COM17", "COM", "COM1a", "COM100", " COM1", "/dev/ttyUSB0", "/dev/COM1"}) {
        EXPECT_EQ(DevicePathFor(kept), kept);
        EXPECT_EQ(PortLabel(kept), kept);
    }
}

}  // namespace
}  // namespace tarn
