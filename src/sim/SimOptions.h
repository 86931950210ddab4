#pragma once
// tarn-radio-sim's command line: where its image comes from and goes, its timing, and the faults it plays.
#include <optional>
#include <string>

namespace tarn::sim {

// A cut in a read block: only the block's first `bytes` bytes are sent.
struct BlockCut {
    int block = -1;
    int bytes = 0;
};

// A read block that stops for `ms` after its first `bytes` bytes, once the program has read them.
struct BlockPause {
    int block = -1;
    int bytes = 0;
    int ms = 0;
};

// One byte of a written block, counted from its command byte (0) to its checksum (L + 1).
struct BlockByte {
    int block = -1;
    int index = 0;
};

// A written block answered `ms` late.
struct LateAnswer {
    int block = -1;
    int ms = 0;
};

struct SimOptions {
    std::string imagePath;  // empty: the built-in image
    std::string outPath;    // where a written image (and alignment writes) are saved
    std::string logPath;    // every byte on the line, with the time in ms
    bool baudTiming = false;
    int latencyMs = 0;  // > 0: what the radio sends reaches the program as through a USB adapter
    bool echo = true;
    bool silent = false;
    int powerCycleMs = -1;  // >= 0: silent to the first probe of a handshake, then 0x50 after this many ms
    bool ackWithCommand = false;  // alignment commands acknowledged with their own command byte
    int refuseAlign = -1;           // this alignment command is answered with 0x15
    int ignoreUnkeys = 0;           // the first N unkey frames are left unanswered
    bool shortMeasurements = false;  // the measurement reply carries five bytes instead of six
    int blockSize = 128;
    bool overrun = false;
    int lengthBlock = -1;
    int lengthValue = 0;
    int badChecksumBlock = -1;
    int garbageBlock = -1;  // line noise (three 0xFF bytes) goes out before this read block
    BlockCut cut;
    BlockCut hangup;  // the radio hangs up once the program has read the block's first bytes
    BlockPause pause;
    int rejectBlock = -1;
    int ignoreBlock = -1;
    int hangupWriteBlock = -1;  // hang up instead of answering this written block
    LateAnswer lateAck;
    BlockByte wrongEcho;  // the cable echoes this byte of a written block wrong
    BlockByte lostEcho;   // the cable does not echo this byte of a written block
    std::optional<int> modelId;       // bytes 4..5
    std::optional<int> hardwareBits;  // low four bits of byte 7
};

// Parses the arguments after the program name; on a usage error returns nothing and sets `error`.
std::optional<SimOptions> ParseSimOptions(int argc, char** argv, std::string& error);

extern const char* const kSimUsage;

}  // namespace tarn::sim
