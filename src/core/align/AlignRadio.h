#pragma once
// What the Alignment dialog asks of a radio in alignment mode: one operation per alignment command,
// each reporting success. PortAlignRadio sends them over the clone port; tests may put a recording radio
// in its place.
#include <array>
#include <cstdint>

namespace tarn {

// The radio's measurement bytes: byte 0 the signal level, byte 3 the squelch level, byte 5 the S-meter.
using AlignMeasurements = std::array<std::uint8_t, 6>;
// One word of the radio's alignment memory: its byte 0 and byte 1.
using AlignWord = std::array<std::uint8_t, 2>;

namespace align_commands {
inline constexpr std::uint8_t kSelectChannel = 0x30;
inline constexpr std::uint8_t kReadMeasurements = 0x31;
inline constexpr std::uint8_t kSetLevel = 0x32;
inline constexpr std::uint8_t kSetModulation = 0x33;
inline constexpr std::uint8_t kKey = 0x34;
inline constexpr std::uint8_t kUnkey = 0x35;
inline constexpr std::uint8_t kStartModulation = 0x36;  // last step of starting a modulation-level test
inline constexpr std::uint8_t kStartDcs = 0x37;
inline constexpr std::uint8_t kLeaveAlignment = 0x38;
inline constexpr std::uint8_t kModulationStep = 0x3A;  // the step after keying in a modulation-level test
inline constexpr std::uint8_t kSetReferenceTune = 0x3B;
inline constexpr std::uint8_t kReadVorAngle = 0x3C;
inline constexpr std::uint8_t kLoadSquelch = 0x3D;
inline constexpr std::uint8_t kStartCtcss = 0x3F;
inline constexpr std::uint8_t kEndTest = 0x00;  // end of a modulation, CTCSS or DCS test, before the unkey
inline constexpr std::uint8_t kReadWord = 0xF0;
inline constexpr std::uint8_t kWriteWord = 0xF1;
}  // namespace align_commands

class AlignRadio {
public:
    virtual ~AlignRadio() = default;
    virtual bool SelectChannel(std::uint8_t slot) = 0;
    virtual bool ReadMeasurements(AlignMeasurements& measurements) = 0;
    virtual bool SetLevel(std::uint8_t level) = 0;
    virtual bool SetModulation(std::uint8_t am, std::uint8_t fm, std::uint8_t ctcss) = 0;
    virtual bool Key() = 0;
    // Sent a second time when the first is not acknowledged.
    virtual bool Unkey() = 0;
    // The commands without parameters or answer data: 0x00, 0x36, 0x37, 0x38, 0x3A, 0x3F.
    virtual bool SendSingle(std::uint8_t command) = 0;
    virtual bool SetReferenceTune(std::uint8_t value) = 0;
    virtual bool ReadVorAngle(std::uint16_t& raw) = 0;
    virtual bool LoadSquelch(std::uint8_t threshold, std::uint8_t tight, std::uint8_t hysteresis) = 0;
    virtual bool ReadWord(std::uint16_t address, AlignWord& word) = 0;
    virtual bool WriteWord(std::uint16_t address, const AlignWord& word) = 0;
};

}  // namespace tarn
