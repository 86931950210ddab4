#include "SimHarness.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "model/ImageChecksum.h"

extern char** environ;

namespace tarn::test {
namespace {

using Clock = std::chrono::steady_clock;

pid_t Spawn(const std::vector<std::string>& argv, int stdoutFd, const std::string& stderrPath) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutFd >= 0) posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    if (!stderrPath.empty()) {
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + argv[0]);
    return pid;
}

// Polls `check` until it holds or the deadline passes.
template <typename F>
bool Eventually(F check) {
    const auto deadline = Clock::now() + kDeadline;
    while (Clock::now() < deadline) {
        if (check()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return check();
}

}  // namespace

SimRadio::SimRadio(const std::vector<std::string>& options, const std::optional<CloneImage>& memory) {
    std::vector<std::string> argv{TARN_SIM_BIN, "--log", dir_.File("sim.log"), "--out", dir_.File("radio-out.trn")};
    if (memory) {
        WriteBytes(dir_.File("radio.trn"), ImageFileBytes(*memory));
        argv.insert(argv.end(), {"--image", dir_.File("radio.trn")});
    }
    argv.insert(argv.end(), options.begin(), options.end());
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    pid_ = Spawn(argv, fds[1], dir_.File("sim.err"));
    close(fds[1]);
    // The first line of its output is the terminal's path.
    const auto deadline = Clock::now() + kDeadline;
    char c = 0;
    while (Clock::now() < deadline) {
        pollfd p{fds[0], POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) continue;
        if (read(fds[0], &c, 1) != 1 || c == '\n') break;
        port_.push_back(c);
    }
    close(fds[0]);
    if (port_.empty() || c != '\n') throw std::runtime_error("tarn-radio-sim did not start: " + ReadText(dir_.File("sim.err")));
}

SimRadio::~SimRadio() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

std::vector<LogEntry> SimRadio::Log() const {
    std::vector<LogEntry> out;
    std::ifstream in(dir_.File("sim.log"));
    std::string line;
    while (std::getline(in, line)) {
        LogEntry e;
        if (line.rfind("# ", 0) == 0) {
            e.tag = '#';
            e.note = line.substr(2);
        } else {
            std::istringstream fields(line);
            std::string tag;
            unsigned value = 0;
            if (!(fields >> e.ms >> tag >> std::hex >> value) || tag.size() != 1) continue;
            e.tag = tag[0];
            e.byte = static_cast<std::uint8_t>(value);
        }
        out.push_back(e);
    }
    return out;
}

bool SimRadio::WaitForNote(const std::string& text) const {
    return Eventually([&] {
        for (const auto& e : Log()) {
            if (e.tag == '#' && e.note.find(text) != std::string::npos) return true;
        }
        return false;
    });
}

bool SimRadio::WaitForByte(char tag, std::uint8_t byte) const {
    return Eventually([&] { return TimeOf(Log(), tag, byte) >= 0; });
}

std::optional<CloneImage> SimRadio::Saved() const {
    const Bytes bytes = ReadBytes(dir_.File("radio-out.trn"));
    if (bytes.size() != kImageFileSize) return std::nullopt;
    CloneImage image{};
    std::copy_n(bytes.begin(), kImageSize, image.begin());
    return image;
}

Bytes Tagged(const std::vector<LogEntry>& log, char tag) {
    Bytes out;
    for (const auto& e : log) {
        if (e.tag == tag) out.push_back(e.byte);
    }
    return out;
}

bool EveryByteEchoed(const std::vector<LogEntry>& log) {
    std::size_t echoes = 0;
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i].tag == 'E') ++echoes;
        if (log[i].tag != 'P') continue;
        if (i + 1 >= log.size() || log[i + 1].tag != 'E' || log[i + 1].byte != log[i].byte) return false;
    }
    return echoes == Tagged(log, 'P').size();
}

double TimeOf(const std::vector<LogEntry>& log, char tag, std::uint8_t byte, int n) {
    for (const auto& e : log) {
        if (e.tag == tag && e.byte == byte && n-- == 0) return e.ms;
    }
    return -1;
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

std::vector<Event> RecordingEvents::Events() const {
    std::lock_guard lock(mutex_);
    return events_;
}

bool RecordingEvents::WaitFor(const Event& wanted) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, kDeadline, [&] {
        return std::find(events_.begin(), events_.end(), wanted) != events_.end();
    });
}

void RecordingEvents::Add(const Event& e) {
    {
        std::lock_guard lock(mutex_);
        events_.push_back(e);
    }
    changed_.notify_all();
}

RunningJob::RunningJob(TransferOperation operation, const std::string& port, const CloneImage& image, bool maintenance,
                       bool modified, std::deque<Answer> answers)
    : image_(image), start_(Clock::now()) {
    prompter_.answers = std::move(answers);
    job_ = std::make_unique<TransferJob>(TransferRequest{operation, port, maintenance, modified}, port_, image_, events_,
                                         prompter_);
    job_->Start();
}

JobOutcome RunningJob::Finish() {
    if (!events_.WaitFor({Event::Done, 0})) {
        ADD_FAILURE() << "the job did not end by the deadline; cancelling it";
        job_->RequestCancel();
    }
    job_->Join();
    JobOutcome out;
    out.seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    out.succeeded = job_->Succeeded();
    out.imageReplaced = job_->ImageReplaced();
    out.radioInAlignMode = job_->RadioInAlignMode();
    out.messages = prompter_.Texts();
    out.events = events_.Events();
    out.image = image_;
    return out;
}

JobOutcome RunJob(TransferOperation operation, const std::string& port, const CloneImage& image, bool maintenance,
                  bool modified, std::deque<Answer> answers) {
    return RunningJob(operation, port, image, maintenance, modified, std::move(answers)).Finish();
}

Process::Process(const std::vector<std::string>& argv, const std::string& stderrPath)
    : pid_(Spawn(argv, -1, stderrPath)) {}

Process::~Process() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

void Process::Signal(int signal) const { kill(pid_, signal); }

int Process::Wait() {
    int status = 0;
    const bool ended = Eventually([&] { return waitpid(pid_, &status, WNOHANG) == pid_; });
    if (!ended) return -1;
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

Bytes ImageFileBytes(const CloneImage& image) {
    Bytes bytes(image.begin(), image.end());
    bytes.resize(kImageFileSize, 0);
    return bytes;
}

}  // namespace tarn::test
