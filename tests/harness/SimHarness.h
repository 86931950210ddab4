#pragma once
// Test harness: tarn-radio-sim in a child process with its byte log, transfer jobs run against it,
// tarn-cli run as a child process, and the images they move.
#include <sys/types.h>

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
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

// A radio's memory with a different value in every region.
CloneImage RadioImage();
// A program image that differs from RadioImage() everywhere except the hardware bits.
CloneImage ProgramImage();
// The program's image after the read of a Download or an alignment entry: the radio's firmware bytes taken.
CloneImage ProgramAfterRead();
// What a Download writes: the radio's image with the program's regions laid over it, region by region.
CloneImage MergedImage(const CloneImage& radio, const CloneImage& program, bool maintenance);
Bytes ImageFileBytes(const CloneImage& image);  // image + 8 zero trailer bytes

struct LogEntry {
    double ms = 0;
    char tag = 0;  // 'P' from the program, 'E' the cable's echo, 'R' from the radio
    std::uint8_t byte = 0;
};

class SimRadio {
public:
    explicit SimRadio(const std::vector<std::string>& options, const CloneImage& memory = RadioImage());
    ~SimRadio();
    const std::string& Port() const { return port_; }
    std::vector<LogEntry> Log() const;  // the bytes on the line; notes are left out
    std::vector<std::string> Notes() const;  // the notes alone ("# " left out), in order
    // Waits (up to a minute) until the log has a note containing `text`.
    bool WaitForNote(const std::string& text) const;
    // The image file the radio saved after a write; empty when it saved nothing.
    Bytes Saved() const { return ReadBytes(dir_.File("radio-out.trn")); }
    // The radio is gone at once, as a cable pulled out: the process is killed and its terminal closes.
    void Vanish();

private:
    TempDir dir_;
    pid_t pid_ = -1;
    std::string port_;
};

// The bytes of one direction, in order.
Bytes Tagged(const std::vector<LogEntry>& log, char tag);
Bytes Concat(std::initializer_list<Bytes> parts);
// The 32 blocks of an image as they go over the line: first byte, L, number, 128 data bytes, 8-bit sum of them all.
Bytes Blocks(std::uint8_t first, const CloneImage& image);

struct Event {
    enum Kind { Caption, Range, Position, Prompt, Done } kind;
    int value;
    bool operator==(const Event&) const = default;
};

// Records what the job reports; read `events` only after the job is joined.
struct RecordingEvents : JobEvents {
    std::vector<Event> events;
    std::atomic<bool> done{false};
    void SetCaption(int id) override { events.push_back({Event::Caption, id}); }
    void SetGaugeRange(int blocks) override { events.push_back({Event::Range, blocks}); }
    void SetGaugePosition(int blocks) override { events.push_back({Event::Position, blocks}); }
    void ShowPrompt(int id) override { events.push_back({Event::Prompt, id}); }
    void JobDone() override {
        events.push_back({Event::Done, 0});
        done = true;
    }
};

struct JobOutcome {
    bool succeeded = false;
    bool imageReplaced = false;
    bool radioInAlignMode = false;
    std::vector<std::string> messages;
    std::vector<Event> events;
    CloneImage image{};
};

// A transfer job running on its own thread; leaving the scope cancels it and waits for it.
class RunningJob {
public:
    RunningJob(const TransferRequest& request, const CloneImage& image, std::deque<Answer> answers = {});
    ~RunningJob() { job_.RequestCancel(); }
    void Cancel() { job_.RequestCancel(); }
    // Waits for the job's end. A job still running after 30 s fails the test and is cancelled; one that
    // does not even end then stops the test program with a message rather than hang it.
    JobOutcome Finish();
    ClonePort port;  // stays open after an alignment entry: the alignment commands use it

private:
    RecordingPrompter prompter_;
    RecordingEvents events_;
    CloneImage image_;
    TransferJob job_;
};

struct CliRun {
    int status;          // the exit status, -1 when killed
    std::string output;  // stdout and stderr
};
// Runs tarn-cli; `whileRunning` may act on its process before it is waited for.
CliRun RunCli(std::vector<std::string> args, const std::function<void(pid_t)>& whileRunning = {});

}  // namespace tarn::test
