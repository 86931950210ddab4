#include "align/PortAlignRadio.h"

#include <algorithm>
#include <vector>

#include "align/AlignLink.h"

namespace tarn {
namespace {

namespace cmd = align_commands;

std::uint8_t High(std::uint16_t address) { return static_cast<std::uint8_t>(address >> 8); }
std::uint8_t Low(std::uint16_t address) { return static_cast<std::uint8_t>(address & 0xFF); }

}  // namespace

bool PortAlignRadio::Command(std::uint8_t command, std::initializer_list<std::uint8_t> parameters) {
    return SendAlignCommand(port_, command, {parameters.begin(), parameters.size()}) == AlignStatus::Ok;
}

bool PortAlignRadio::Query(std::uint8_t command, std::initializer_list<std::uint8_t> parameters, std::size_t minData,
                           bool exact, std::vector<std::uint8_t>& data) {
    if (!Command(command, parameters)) return false;
    if (ReceiveAlignReply(port_, command, data) != AlignStatus::Ok) return false;
    return exact ? data.size() == minData : data.size() >= minData;
}

bool PortAlignRadio::SelectChannel(std::uint8_t slot) { return Command(cmd::kSelectChannel, {slot}); }

bool PortAlignRadio::ReadMeasurements(AlignMeasurements& measurements) {
    std::vector<std::uint8_t> data;
    if (!Query(cmd::kReadMeasurements, {}, measurements.size(), false, data)) return false;
    std::copy_n(data.begin(), measurements.size(), measurements.begin());
    return true;
}

bool PortAlignRadio::SetLevel(std::uint8_t level) { return Command(cmd::kSetLevel, {level}); }

bool PortAlignRadio::SetModulation(std::uint8_t am, std::uint8_t fm, std::uint8_t ctcss) {
    return Command(cmd::kSetModulation, {am, fm, ctcss});
}

bool PortAlignRadio::Key() { return Command(cmd::kKey, {}); }

bool PortAlignRadio::Unkey() { return Command(cmd::kUnkey, {}) || Command(cmd::kUnkey, {}); }

bool PortAlignRadio::SendSingle(std::uint8_t command) { return Command(command, {}); }

bool PortAlignRadio::SetReferenceTune(std::uint8_t value) { return Command(cmd::kSetReferenceTune, {value}); }

bool PortAlignRadio::ReadVorAngle(std::uint16_t& raw) {
    std::vector<std::uint8_t> data;
    if (!Query(cmd::kReadVorAngle, {}, 2, true, data)) return false;
    raw = static_cast<std::uint16_t>(data[0] << 8 | data[1]);
    return true;
}

bool PortAlignRadio::LoadSquelch(std::uint8_t threshold, std::uint8_t tight, std::uint8_t hysteresis) {
    return Command(cmd::kLoadSquelch, {threshold, tight, hysteresis, 0});
}

bool PortAlignRadio::ReadWord(std::uint16_t address, AlignWord& word) {
    std::vector<std::uint8_t> data;
    if (!Query(cmd::kReadWord, {High(address), Low(address)}, 2, true, data)) return false;
    word = {data[0], data[1]};
    return true;
}

bool PortAlignRadio::WriteWord(std::uint16_t address, const AlignWord& word) {
    std::vector<std::uint8_t> data;
    return Query(cmd::kWriteWord, {High(address), Low(address), word[0], word[1]}, 2, true, data);
}

}  // namespace tarn
