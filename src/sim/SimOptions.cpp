#include "SimOptions.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace tarn::sim {

const char* const kSimUsage =
    "usage: tarn-radio-sim [OPTIONS]\n"
    "Plays a radio on a pseudo-terminal; prints the terminal's path on the first line of stdout.\n"
    "  --image FILE          the radio's memory (a 4104- or 4096-byte image file)\n"
    "  --out FILE            save what is written into the radio\n"
    "  --log FILE            log every byte: P from the program, E the cable's echo, R from the radio\n"
    "  --baud-timing         send at the pace of 9600 baud\n"
    "  --latency MS          hand on what the radio and the cable send as a USB adapter does: held until\n"
    "                        MS ms have passed since the first byte held, or until 62 bytes are held\n"
    "  --power-cycle MS      silent to probes until switched on, then 0x50 after MS\n"
    "  --silent              never answer (the cable still echoes)\n"
    "  --no-echo             a cable without echo\n"
    "  --ack-with-command    acknowledge alignment commands with the command byte\n"
    "  --refuse-align HH     answer the alignment command HH (hex, e.g. 30 the channel change) with 0x15\n"
    "  --ignore-unkey N      leave the first N unkey commands unanswered (the transmitter stays on)\n"
    "  --short-measurements  the measurement reply carries five bytes instead of six\n"
    "  --block-size N        data bytes per read block (1..253, default 128)\n"
    "  --overrun             send the last read block full even when less is left\n"
    "  --length B:L          read block B carries the length byte L\n"
    "  --bad-checksum B      read block B carries a wrong checksum\n"
    "  --garbage B          three bytes of line noise (0xFF) before read block B\n"
    "  --cut B:K             read block B stops after its first K bytes\n"
    "  --hangup B:K          read block B stops after K bytes and, once the program has read them, the\n"
    "                        radio hangs up (0:0: instead of answering the request)\n"
    "  --pause B:K:MS        read block B stops for MS ms after K bytes, once the program has read them\n"
    "  --reject-block N      answer written block N with 0x15\n"
    "  --ignore-block N      do not answer written block N\n"
    "  --late-ack N:MS       answer written block N after MS ms\n"
    "  --hangup-write N      hang up instead of answering written block N\n"
    "  --wrong-echo N:K      the cable echoes byte K of written block N wrong (0 is its command byte)\n"
    "  --lost-echo N:K       the cable does not echo byte K of written block N\n"
    "  --model-id HHHH       image bytes 4..5 (hex)\n"
    "  --hardware-bits N     the low four bits of image byte 7\n"
    "  --help, --version     print this, or the version, and quit\n";

namespace {

bool ParseInt(const char* text, int base, int& out) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, base);
    if (!*text || *end || v < 0 || v > 1000000000) return false;
    out = static_cast<int>(v);
    return true;
}

// Decimal numbers separated by colons, as many as `out` has.
bool ParseNumbers(const char* text, std::initializer_list<int*> out) {
    std::string rest = text;
    std::size_t left = out.size();
    for (int* number : out) {
        const std::size_t colon = --left > 0 ? rest.find(':') : rest.size();
        if (colon == std::string::npos || !ParseInt(rest.substr(0, colon).c_str(), 10, *number)) return false;
        rest.erase(0, std::min(colon + 1, rest.size()));
    }
    return true;
}

}  // namespace

std::optional<SimOptions> ParseSimOptions(int argc, char** argv, std::string& error) {
    SimOptions o;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        bool ok = true;
        bool takesValue = true;
        if (arg == "--baud-timing") o.baudTiming = true, takesValue = false;
        else if (arg == "--no-echo") o.echo = false, takesValue = false;
        else if (arg == "--silent") o.silent = true, takesValue = false;
        else if (arg == "--ack-with-command") o.ackWithCommand = true, takesValue = false;
        else if (arg == "--short-measurements") o.shortMeasurements = true, takesValue = false;
        else if (arg == "--overrun") o.overrun = true, takesValue = false;
        else if (!value) ok = false;
        else if (arg == "--image") o.imagePath = value;
        else if (arg == "--out") o.outPath = value;
        else if (arg == "--log") o.logPath = value;
        else if (arg == "--latency") ok = ParseInt(value, 10, o.latencyMs);
        else if (arg == "--power-cycle") ok = ParseInt(value, 10, o.powerCycleMs);
        else if (arg == "--block-size") ok = ParseInt(value, 10, o.blockSize) && o.blockSize >= 1 && o.blockSize <= 253;
        else if (arg == "--length") ok = ParseNumbers(value, {&o.lengthBlock, &o.lengthValue}) && o.lengthValue <= 255;
        else if (arg == "--bad-checksum") ok = ParseInt(value, 10, o.badChecksumBlock);
        else if (arg == "--garbage") ok = ParseInt(value, 10, o.garbageBlock);
        else if (arg == "--cut") ok = ParseNumbers(value, {&o.cut.block, &o.cut.bytes});
        else if (arg == "--hangup") ok = ParseNumbers(value, {&o.hangup.block, &o.hangup.bytes});
        else if (arg == "--pause") ok = ParseNumbers(value, {&o.pause.block, &o.pause.bytes, &o.pause.ms});
        else if (arg == "--late-ack") ok = ParseNumbers(value, {&o.lateAck.block, &o.lateAck.ms});
        else if (arg == "--refuse-align") ok = ParseInt(value, 16, o.refuseAlign) && o.refuseAlign <= 0xFF;
        else if (arg == "--ignore-unkey") ok = ParseInt(value, 10, o.ignoreUnkeys);
        else if (arg == "--reject-block") ok = ParseInt(value, 10, o.rejectBlock);
        else if (arg == "--ignore-block") ok = ParseInt(value, 10, o.ignoreBlock);
        else if (arg == "--hangup-write") ok = ParseInt(value, 10, o.hangupWriteBlock);
        else if (arg == "--wrong-echo") ok = ParseNumbers(value, {&o.wrongEcho.block, &o.wrongEcho.index});
        else if (arg == "--lost-echo") ok = ParseNumbers(value, {&o.lostEcho.block, &o.lostEcho.index});
        else if (arg == "--model-id") {
            int v = 0;
            ok = ParseInt(value, 16, v) && v <= 0xFFFF;
            o.modelId = v;
        } else if (arg == "--hardware-bits") {
            int v = 0;
            ok = ParseInt(value, 10, v) && v <= 15;
            o.hardwareBits = v;
        } else {
            error = "unknown option " + arg;
            return std::nullopt;
        }
        if (!ok) {
            error = "bad or missing value for " + arg;
            return std::nullopt;
        }
        if (takesValue) ++i;
    }
    return o;
}

}  // namespace tarn::sim
