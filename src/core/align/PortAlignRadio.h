#pragma once
// The alignment commands sent over the clone port, on the calling thread. Each blocks for its exchange:
// up to about 0.8 s for a command the radio leaves unanswered.
#include <initializer_list>
#include <vector>

#include "align/AlignRadio.h"
#include "link/ClonePort.h"

namespace tarn {

class PortAlignRadio : public AlignRadio {
public:
    explicit PortAlignRadio(ClonePort& port) : port_(port) {}

    bool SelectChannel(std::uint8_t slot) override;
    // Fails unless the reply carries at least the six measurement bytes.
    bool ReadMeasurements(AlignMeasurements& measurements) override;
    bool SetLevel(std::uint8_t level) override;
    bool SetModulation(std::uint8_t am, std::uint8_t fm, std::uint8_t ctcss) override;
    bool Key() override;
    bool Unkey() override;
    bool SendSingle(std::uint8_t command) override;
    bool SetReferenceTune(std::uint8_t value) override;
    bool ReadVorAngle(std::uint16_t& raw) override;
    bool LoadSquelch(std::uint8_t threshold, std::uint8_t tight, std::uint8_t hysteresis) override;
    bool ReadWord(std::uint16_t address, AlignWord& word) override;
    bool WriteWord(std::uint16_t address, const AlignWord& word) override;

private:
    bool Command(std::uint8_t command, std::initializer_list<std::uint8_t> parameters);
    // The command and its reply; true only when the reply carries `minData` data bytes or more (exactly
    // `minData` when `exact`).
    bool Query(std::uint8_t command, std::initializer_list<std::uint8_t> parameters, std::size_t minData, bool exact,
               std::vector<std::uint8_t>& data);

    ClonePort& port_;
};

}  // namespace tarn
