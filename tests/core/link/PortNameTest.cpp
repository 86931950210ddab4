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
    const Case cases[] = {
        {"COM1", "/dev/ttyS0", "1"},
        {"COM9", "/dev/ttyS8", "9"},
        {"COM10", "/dev/ttyS9", "10"},
        {"COM16", "/dev/ttyS15", "16"},
        {"com3", "/dev/ttyS2", "3"},
        {"COM0", "COM0", "COM0"},
        {"COM17", "COM17", "COM17"},
        {"COM", "COM", "COM"},
        {"COM1a", "COM1a", "COM1a"},
        {"COM100", "COM100", "COM100"},
        {" COM1", " COM1", " COM1"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"/dev/COM1", "/dev/COM1", "/dev/COM1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DevicePathFor(c.name), c.device) << c.name;
        EXPECT_EQ(PortLabel(c.name), c.label) << c.name;
    }
}

}  // namespace
}  // namespace tarn
