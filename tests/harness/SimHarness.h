#pragma once
// Test harness: tarn-radio-sim in a child process with its byte log, a job run with recorded events,
// and helpers that read the wire from the log. Every wait has a generous deadline; nothing sleeps
// in place of a condition.
#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "link/ClonePort.h"
#include "link/TransferJob.h"
#include "model/CloneImage.h"
#include "support/RecordingPrompter.h"
#include "support/TempDir.h"
#include "ui/JobEvents.h"

namespace tarn::test {

using Bytes = std::vector<std::uint8_t>;

inline constexpr auto kDeadline = std::chrono::seconds(60);

struct LogEntry {
    double ms = 0;
    char tag = 0;  // 'P' from the program, 'E' the cable's echo, 'R' from the radio, '#' a note
    std::uint8_t byte = 0;
    std::string note;
};

class SimRadio {
public:
    explicit SimRadio(const std::vector<std::string>& options, const std::optional<CloneImage>& memory = std::nullopt);
    ~SimRadio();

    const std::string& Port() const { return port_; }
    std::vector<LogEntry> Log() const;
    // Waits until the log has a note containing `text`.
    bool WaitForNote(const std::string& text) const;
    // Waits until the log has a byte with this tag and value.
    bool WaitForByte(char tag, std::uint8_t byte) const;
    // What the radio saved after a write, if it saved anything.
    std::optional<CloneImage> Saved() const;
    const TempDir& Dir() const { return dir_; }

private:
    TempDir dir_;
    pid_t pid_ = -1;
    std::string port_;
};

// The bytes of one direction, in order.
Bytes Tagged(const std::vector<LogEntry>& log, char tag);
// True when every byte from the program is followed by its echo, and nothing else is echoed.
bool EveryByteEchoed(const std::vector<LogEntry>& log);
// The time of the n-th entry (0-based) with this tag and byte; negative when there is none.
double TimeOf(const std::vector<LogEntry>& log, char tag, std::uint8_t byte, int n = 0);

// A radio's memory with a different value in every region.
CloneImage RadioImage();
// A program image that differs from RadioImage() everywhere except the hardware bits.
CloneImage ProgramImage();
// What a Download writes: the radio's image with the program's regions laid over it, region by region.
CloneImage MergedImage(const CloneImage& radio, const CloneImage& program, bool maintenance);

struct Event {
    enum Kind { Caption, Range, Position, Prompt, Done } kind;
    int value;
    bool operator==(const Event&) const = default;
};

class RecordingEvents : public JobEvents {
public:
    void SetCaption(int id) override { Add({Event::Caption, id}); }
    void SetGaugeRange(int blocks) override { Add({Event::Range, blocks}); }
    void SetGaugePosition(int blocks) override { Add({Event::Position, blocks}); }
    void ShowPrompt(int id) override { Add({Event::Prompt, id}); }
    void JobDone() override { Add({Event::Done, 0}); }

    std::vector<Event> Events() const;
    // Waits until an event like `wanted` has been reported.
    bool WaitFor(const Event& wanted) const;

private:
    void Add(const Event& e);
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<Event> events_;
};

struct JobOutcome {
    bool succeeded = false;
    bool imageReplaced = false;
    bool radioInAlignMode = false;
    std::vector<std::string> messages;
    std::vector<Event> events;
    CloneImage image{};
    double seconds = 0;
};

// A transfer job running on its own thread against a port.
class RunningJob {
public:
    RunningJob(TransferOperation operation, const std::string& port, const CloneImage& image, bool maintenance = false,
               bool modified = false, std::deque<Answer> answers = {});
    void Cancel() { job_->RequestCancel(); }
    const RecordingEvents& Events() const { return events_; }
    JobOutcome Finish();
    // The port stays open after an alignment entry: the alignment commands use it.
    ClonePort& Port() { return port_; }

private:
    RecordingPrompter prompter_;
    RecordingEvents events_;
    ClonePort port_;
    CloneImage image_;
    std::unique_ptr<TransferJob> job_;
    std::chrono::steady_clock::time_point start_;
};

JobOutcome RunJob(TransferOperation operation, const std::string& port, const CloneImage& image,
                  bool maintenance = false, bool modified = false, std::deque<Answer> answers = {});

// A child process with its stderr in a file.
class Process {
public:
    Process(const std::vector<std::string>& argv, const std::string& stderrPath);
    ~Process();
    void Signal(int signal) const;
    // The exit status, or -1 when the process did not end by the deadline.
    int Wait();

private:
    pid_t pid_ = -1;
};

std::string ReadText(const std::string& path);
Bytes ImageFileBytes(const CloneImage& image);  // image + 8 zero trailer bytes

}  // namespace tarn::test
