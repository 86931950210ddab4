#include "SimHarness.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "model/ImageChecksum.h"

extern char** environ;

namespace tarn::test {
namespace {

// Starts `argv` with its stdout and stderr both going to the file at `outputPath`.
pid_t Spawn(std::vector<std::string> argv, const std::string& outputPath) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    std::vector<char*> args;
    for (auto& a : argv) args.push_back(a.data());
    args.push_back(nullptr);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + argv[0]);
    return pid;
}

std::string ReadText(const std::string& path) {
    const Bytes bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

// Polls `check` until it holds or `seconds` have passed.
template <typename F>
bool Eventually(F check, int seconds = 60) {
    for (int i = 0; i < seconds * 100 && !check(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return check();
}

}  // namespace

SimRadio::SimRadio(const std::vector<std::string>& options, const CloneImage& memory) {
    WriteBytes(dir_.File("radio.trn"), ImageFileBytes(memory));
    std::vector<std::string> argv{TARN_SIM_BIN, "--log", dir_.File("sim.log"), "--image", dir_.File("radio.trn"),
                                  "--out", dir_.File("radio-out.trn")};
    argv.insert(argv.end(), options.begin(), options.end());
    pid_ = Spawn(argv, dir_.File("sim.out"));
    // The first line of its output is the terminal's path; anything else is an error.
    std::string out;
    Eventually([&] { return (out = ReadText(dir_.File("sim.out"))).find('\n') != std::string::npos; });
    port_ = out.substr(0, out.find('\n'));
    if (port_.rfind("/dev/", 0) != 0) throw std::runtime_error("tarn-radio-sim did not start: " + out);
}

SimRadio::~SimRadio() {
    if (pid_ < 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

void SimRadio::Vanish() {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

std::vector<LogEntry> SimRadio::Log() const {
    std::vector<LogEntry> out;
    std::istringstream lines(ReadText(dir_.File("sim.log")));
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        LogEntry e;
        unsigned byte = 0;
        if (fields >> e.ms >> e.tag >> std::hex >> byte) out.push_back({e.ms, e.tag, static_cast<std::uint8_t>(byte)});
    }
    return out;
}

std::vector<std::string> SimRadio::Notes() const {
    std::vector<std::string> out;
    std::istringstream lines(ReadText(dir_.File("sim.log")));
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("# ", 0) == 0) out.push_back(line.substr(2));
    }
    return out;
}

bool SimRadio::WaitForNote(const std::string& text) const {
    return Eventually([&] { return ReadText(dir_.File("sim.log")).find("# " + text) != std::string::npos; });
}

Bytes Tagged(const std::vector<LogEntry>& log, char tag) {
    Bytes out;
    for (const auto& e : log) {
        if (e.tag == tag) out.push_back(e.byte);
    }
    return out;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Blocks(std::uint8_t first, const CloneImage& image) {
    Bytes out;
    for (int n = 0; n < 32; ++n) {
        Bytes b{first, 0x82, static_cast<std::uint8_t>(n)};
        b.insert(b.end(), image.begin() + n * 128, image.begin() + n * 128 + 128);
        b.push_back(0);
        for (std::size_t i = 0; i + 1 < b.size(); ++i) b.back() = static_cast<std::uint8_t>(b.back() + b[i]);
        out.insert(out.end(), b.begin(), b.end());
    }
    return out;
}

CloneImage RadioImage() {
    CloneImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    image[0] = 0x01;
    image[1] = 0x31;
    image[kModelIdOffset] = 0x00;
    image[kModelIdOffset + 1] = 0x02;
    image[kHardwareConfigOffset] = 0x21;
    StoreAdjustmentChecksum(image);
    return image;
}

CloneImage ProgramImage() {
    CloneImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 11 + 100);
    image[0] = 0x00;
    image[1] = 0x00;
    image[kModelIdOffset] = 0x00;  // an image built from the defaults carries no model id
    image[kModelIdOffset + 1] = 0x00;
    image[kHardwareConfigOffset] = 0x51;  // same low bits as the radio's
    return image;
}

CloneImage ProgramAfterRead() {
    CloneImage image = ProgramImage();
    std::copy_n(RadioImage().begin(), 2, image.begin());
    return image;
}

CloneImage MergedImage(const CloneImage& radio, const CloneImage& program, bool maintenance) {
    CloneImage m = radio;
    const auto take = [&](std::size_t begin, std::size_t end) {
        std::copy(program.begin() + begin, program.begin() + end, m.begin() + begin);
    };
    take(6, 64);
    take(114, 3928);
    if (maintenance) {
        take(90, 114);
        take(3928, 3940);
    }
    const std::uint16_t sum = ImageChecksum(m.data() + 90, 24);
    m[2] = static_cast<std::uint8_t>(sum >> 8);
    m[3] = static_cast<std::uint8_t>(sum);
    return m;
}

Bytes ImageFileBytes(const CloneImage& image) {
    Bytes bytes(image.begin(), image.end());
    bytes.resize(kImageFileSize, 0);
    return bytes;
}

RunningJob::RunningJob(const TransferRequest& request, const CloneImage& image, std::deque<Answer> answers)
    : image_(image), job_(request, port, image_, events_, prompter_) {
    prompter_.answers = std::move(answers);
    job_.Start();
}

JobOutcome RunningJob::Finish() {
    const auto ended = [this] { return events_.done.load(); };
    if (!Eventually(ended, 30)) {
        ADD_FAILURE() << "the transfer job did not end within 30 s; cancelling it";
        job_.RequestCancel();
        if (!Eventually(ended, 10)) {
            std::fprintf(stderr, "the transfer job does not end even when cancelled; giving up\n");
            std::abort();
        }
    }
    job_.Join();
    return {job_.Succeeded(), job_.ImageReplaced(), job_.RadioInAlignMode(), prompter_.Texts(), events_.events, image_};
}

CliRun RunCli(std::vector<std::string> args, const std::function<void(pid_t)>& whileRunning) {
    TempDir dir;
    args.insert(args.begin(), TARN_CLI_BIN);
    const pid_t pid = Spawn(args, dir.File("output.txt"));
    if (whileRunning) whileRunning(pid);
    if (testing::Test::HasFatalFailure()) kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(dir.File("output.txt"))};
}

}  // namespace tarn::test
