#include "link/PortAdvice.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include "core/support/TempDir.h"
#include "link/Link.h"

namespace tarn {
namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(PortAdvice, EachFailureAUserCanFixTellsWhatToDo) {
    struct Case {
        const char* path;
        int error;
        PortFacts facts;
        const char* advice;  // a part the advice must hold; "" for no advice at all
    };
    const Case cases[] = {
        // The usermod line names the device's own group: dialout on Debian, uucp elsewhere.
        {"/dev/ttyUSB0", EACCES, {"dialout", ""}, "sudo usermod -aG dialout $USER, then log out and in"},
        {"/dev/ttyUSB0", EACCES, {"uucp", ""}, "sudo usermod -aG uucp $USER"},
        {"/dev/ttyUSB0", EPERM, {"dialout", ""}, "usermod -aG dialout"},
        // Joining root's group is no advice to give.
        {"/dev/ttyUSB0", EACCES, {"root", ""}, "ask the administrator"},
        {"/dev/ttyUSB0", EACCES, {"", ""}, "ask the administrator"},
        // A USB port that vanished right after plugging in: the braille service took it.
        {"/dev/ttyUSB0", ENOENT, {}, "systemctl mask brltty-udev.service"},
        {"/dev/ttyACM1", ENOENT, {}, "journalctl -k | grep -i brltty"},
        {"/dev/ttyS4", ENOENT, {}, "Check the name"},
        {"/dev/ttyUSB0", EBUSY, {"dialout", "minicom (process 42)"}, "Close minicom (process 42) and try again."},
        {"/dev/ttyUSB0", EBUSY, {"dialout", ""}, "fuser -v /dev/ttyUSB0"},
        {"/dev/ttyUSB0", EIO, {}, "cable is plugged in"},
        {"/dev/ttyUSB0", ENXIO, {}, "cable is plugged in"},
        {"/dev/null", ENOTTY, {}, ""},
        {"/dev/ttyUSB0", 0, {}, ""},
    };
    for (const Case& c : cases) {
        const std::string advice = PortFailureAdvice(c.path, c.error, c.facts);
        if (*c.advice == '\0') {
            EXPECT_EQ(advice, "") << c.path << ' ' << c.error;
        } else {
            EXPECT_TRUE(Contains(advice, c.advice)) << c.path << ' ' << c.error << ": " << advice;
        }
        EXPECT_EQ(Contains(advice, "usermod"), (c.error == EACCES || c.error == EPERM) && c.facts.group != "root" &&
                                                   !c.facts.group.empty()) << advice;
        const std::string_view path = c.path;
        const bool usbPort = path.starts_with("/dev/ttyUSB") || path.starts_with("/dev/ttyACM");
        EXPECT_EQ(Contains(advice, "brltty"), usbPort && c.error == ENOENT) << advice;
    }
    // The reason for a busy port says which program holds it.
    EXPECT_EQ(PortFailureReason("/dev/ttyUSB0", EBUSY, {"", "minicom (process 42)"}),
              "/dev/ttyUSB0 is in use by another program: minicom (process 42).");
}

// The holder is found through the open files of running processes; only this test's own process
// holds the file.
TEST(PortAdvice, TheProgramHoldingADeviceIsNamed) {
    test::TempDir dir;
    const std::string path = dir.File("port");
    test::WriteBytes(path, {});
    EXPECT_EQ(FindPortHolder(path, 0), "");
    const int fd = ::open(path.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    const std::string holder = FindPortHolder(path, 0);
    EXPECT_TRUE(Contains(holder, "(process " + std::to_string(getpid()) + ")")) << holder;
    EXPECT_EQ(FindPortHolder(path, getpid()), "");  // the program itself is no other program
    ::close(fd);
}

// A user who may not open the device is told to join its group, by the group's name, and the port is
// marked as one they cannot open before they try. Root may open anything, so the check runs as nobody.
TEST(PortAdvice, APortWithoutPermissionGivesThePermissionSentence) {
    test::TempDir dir;
    ::chmod(dir.path().c_str(), 0755);
    const std::string path = dir.File("ttyUSB9");
    test::WriteBytes(path, {});
    ::chmod(path.c_str(), 0);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    std::string group = getgrgid(st.st_gid) ? getgrgid(st.st_gid)->gr_name : "";
    if (geteuid() == 0) {
        const struct group* dialout = getgrnam("dialout");
        if (dialout && ::chown(path.c_str(), 0, dialout->gr_gid) == 0) group = "dialout";
    }

    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) _exit(3);
        ClonePort port;
        const bool opened = OpenLink(port, path);
        const std::string text = (MayOpenPort(path) ? "may-open " : "") + PortOpenFailureText(port);
        _exit(opened || ::write(pipeFds[1], text.data(), text.size()) < 0 ? 1 : 0);
    }
    ::close(pipeFds[1]);
    std::string text(1024, '\0');
    text.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::read(pipeFds[0], text.data(), text.size()))));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << ' ' << text;
    EXPECT_EQ(text, "Problem with COM port\r\nYou have no permission to use " + path +
                        ". Your user may not use this port: add it to the group that owns the device "
                        "(sudo usermod -aG " + group + " $USER, then log out and in).");
}

}  // namespace
}  // namespace tarn
