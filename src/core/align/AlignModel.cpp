#include "align/AlignModel.h"

#include <cstdio>

namespace tarn {
namespace {

namespace cmd = align_commands;
namespace items = align_items;

std::uint8_t U8(int value) { return static_cast<std::uint8_t>(value); }

// The slot range the Alignment dialog works in, by the channel table's current group.
void GroupRange(std::uint32_t group, std::size_t& first, std::size_t& count) {
    switch (group) {
        case kGroupBook: first = kBookFirstSlot, count = kWxFirstSlot - kBookFirstSlot; break;
        case kGroupWx: first = kWxFirstSlot, count = kBrsFirstSlot - kWxFirstSlot; break;
        case kGroupBrs: first = kBrsFirstSlot, count = kSlotsEnd - kBrsFirstSlot; break;
        default: first = kMrFirstSlot, count = kBookFirstSlot - kMrFirstSlot; break;
    }
}

bool Usable(const ChannelEntry& entry) { return entry.Empty == 0 && entry.Mode != kBandWx; }

std::vector<std::size_t> UsableSlots(const ChannelTable& table, std::size_t& first) {
    std::size_t count = 0;
    GroupRange(table.CurrentGroup, first, count);
    std::vector<std::size_t> slots;
    for (std::size_t s = first; s < first + count; ++s) {
        if (Usable(table.Entries[s])) slots.push_back(s);
    }
    return slots;
}

}  // namespace

bool AlignModel::MayAlign(const ChannelTable& table) {
    std::size_t first = 0;
    return table.CurrentGroup != kGroupWx && !UsableSlots(table, first).empty();
}

AlignModel::AlignModel(const ChannelTable& table, CloneImage& image, AlignRadio& radio)
    : table_(table), image_(image), radio_(radio), usableSlots_(UsableSlots(table, firstSlot_)) {
    error_ = usableSlots_.empty();
    if (!error_) {
        slot_ = static_cast<int>(usableSlots_.front());
        channel_ = table.Entries[usableSlots_.front()];
    }
}

bool AlignModel::Open(bool& channelFailed) {
    LoadValues();
    channelFailed = !ChangeChannel(0);
    if (channelFailed) return false;
    if (!radio_.LoadSquelch(U8(values_[items::kThresholdSquelch]), U8(values_[items::kTightSquelch]),
                            U8(values_[items::kSquelchHysteresis]))) {
        error_ = true;
        return false;
    }
    return true;
}

std::vector<std::string> AlignModel::ChannelList() const {
    std::vector<std::string> list;
    for (std::size_t s : usableSlots_) {
        char text[16];
        std::snprintf(text, sizeof text, "%2d", static_cast<int>(s - firstSlot_ + 1));
        list.emplace_back(text);
    }
    return list;
}

bool AlignModel::ChangeChannel(int listIndex) {
    if (listIndex < 0 || static_cast<std::size_t>(listIndex) >= usableSlots_.size()) return false;
    listIndex_ = listIndex;
    const std::size_t slot = usableSlots_[static_cast<std::size_t>(listIndex)];
    slot_ = static_cast<int>(slot);
    channel_ = table_.Entries[slot];
    if (!radio_.SelectChannel(U8(slot_))) {
        error_ = true;
        return false;
    }
    error_ = false;
    if (valuesChanged_) {
        StoreValues();
        valuesChanged_ = false;
    }
    LoadValues();
    return true;
}

bool AlignModel::ChooseChannel(int listIndex) {
    changed_ = true;
    return ChangeChannel(listIndex);
}

void AlignModel::LoadValues() {
    for (int i = 0; i < kAlignItemCount; ++i) {
        const AlignItem& item = kAlignItems[static_cast<std::size_t>(i)];
        if (item.field) values_[static_cast<std::size_t>(i)] = item.field->Read(image_[item.field->imageByte]);
        if (item.wfmField) wfmValues_[static_cast<std::size_t>(i)] = item.wfmField->Read(image_[item.wfmField->imageByte]);
    }
    values_[items::kVorAngle] = values_[items::kVorPhase];
    values_[items::kSMeter] = 0;
}

void AlignModel::StoreValues() {
    for (int i = 0; i < kAlignItemCount; ++i) {
        const AlignItem& item = kAlignItems[static_cast<std::size_t>(i)];
        if (item.field) {
            std::uint8_t& byte = image_[item.field->imageByte];
            byte = item.field->Write(byte, values_[static_cast<std::size_t>(i)]);
        }
        if (item.wfmField) {
            std::uint8_t& byte = image_[item.wfmField->imageByte];
            byte = item.wfmField->Write(byte, wfmValues_[static_cast<std::size_t>(i)]);
        }
    }
}

const AlignField* AlignModel::FieldOf(int item) const {
    const AlignItem& it = kAlignItems[static_cast<std::size_t>(item)];
    if (Wfm() && it.wfmField) return &*it.wfmField;
    return it.field ? &*it.field : nullptr;
}

int AlignModel::Value(int item) const {
    if (item < items::kTwoSourceItems && Wfm()) return wfmValues_[static_cast<std::size_t>(item)];
    return values_[static_cast<std::size_t>(item)];
}

std::string AlignModel::ValueText(int item) const { return error_ ? "Error" : std::to_string(Value(item)); }

bool AlignModel::Apply(int item, std::string_view text) {
    if (error_ || !kAlignItems[static_cast<std::size_t>(item)].applies) return false;
    changed_ = true;
    return ApplyValue(item, ParseAlignValue(item, text));
}

bool AlignModel::SendLive(int item, int value) {
    switch (kAlignItems[static_cast<std::size_t>(item)].live) {
        case AlignLive::None: return true;
        case AlignLive::Level: return radio_.SetLevel(U8(value));
        case AlignLive::ReferenceTune: return radio_.SetReferenceTune(U8(value));
        case AlignLive::ModulationAm: return radio_.SetModulation(U8(value), 0, 0);
        case AlignLive::ModulationFm: return radio_.SetModulation(0, U8(value), 0);
        case AlignLive::ModulationCtcss: return radio_.SetModulation(0, 0, U8(value));
    }
    return false;
}

bool AlignModel::ApplyValue(int item, int value) {
    const AlignItem& it = kAlignItems[static_cast<std::size_t>(item)];
    // A CTCSS level is only heard on a CTCSS channel: elsewhere nothing at all happens.
    if (it.live == AlignLive::ModulationCtcss && !ToneIs(kToneCtcss)) return false;
    if (!SendLive(item, value)) return false;
    const AlignField* field = FieldOf(item);
    AlignWord word{};
    if (!field || !radio_.ReadWord(field->WordAddress(), word)) return false;
    std::uint8_t& byte = word[static_cast<std::size_t>(field->WordByte())];
    byte = field->Write(byte, value);
    if (!radio_.WriteWord(field->WordAddress(), word)) return false;
    if (item < items::kTwoSourceItems && Wfm()) {
        wfmValues_[static_cast<std::size_t>(item)] = value;
    } else {
        values_[static_cast<std::size_t>(item)] = value;
    }
    valuesChanged_ = true;
    return true;
}

AdjOutcome AlignModel::PressAdj(int item) {
    // While a test runs only its own STOP button is live.
    if (error_ || (activeItem_ >= 0 && activeItem_ != item)) return {};
    const bool stopping = activeItem_ == item;
    activeItem_ = stopping ? -1 : item;
    const AdjOutcome outcome = stopping ? Stop(item) : Start(item);
    if (outcome.result == AdjResult::Done) changed_ = true;
    return outcome;
}

AdjOutcome AlignModel::AbandonStart(int item) {
    activeItem_ = -1;
    if (radio_.Unkey()) return {AdjResult::Idle, false};
    activeItem_ = item;
    return {AdjResult::Testing, true};
}

AdjOutcome AlignModel::Start(int item) {
    const AlignItem& it = kAlignItems[static_cast<std::size_t>(item)];
    const int value = Value(item);
    const AdjOutcome testing{AdjResult::Testing, false};
    switch (it.action) {
        case AlignAction::None: activeItem_ = -1; return {};
        case AlignAction::Capture: {
            activeItem_ = -1;
            AlignMeasurements m{};
            if (radio_.ReadMeasurements(m)) ApplyValue(item, m[static_cast<std::size_t>(it.measurementByte)]);
            return {AdjResult::Done, false};
        }
        case AlignAction::SMeter: {
            AlignMeasurements m{};
            if (radio_.ReadMeasurements(m)) values_[items::kSMeter] = m[static_cast<std::size_t>(it.measurementByte)];
            activeItem_ = -1;
            return {AdjResult::Done, false};
        }
        case AlignAction::VorAngle: {
            activeItem_ = -1;
            std::uint16_t raw = 0;
            if (radio_.ReadVorAngle(raw)) values_[items::kVorAngle] = VorAngleDegrees(raw);
            return {AdjResult::Done, false};
        }
        case AlignAction::TransmitTest:
            if (radio_.Key() && radio_.SetLevel(U8(value))) return testing;
            return AbandonStart(item);
        case AlignAction::ReferenceTune:
            if (radio_.Key() && radio_.SetReferenceTune(U8(value))) return testing;
            return AbandonStart(item);
        case AlignAction::AmModulation: {
            const int power = Value(item == items::kAmHighPowerMod ? items::kAmHighPower : items::kAmLowPower);
            if (radio_.Key() && radio_.SendSingle(cmd::kModulationStep) && radio_.SetLevel(U8(power)) &&
                radio_.SetModulation(U8(value), 0, 0)) {
                radio_.SendSingle(cmd::kStartModulation);
                return testing;
            }
            return AbandonStart(item);
        }
        case AlignAction::FmModulation:
            if (radio_.Key() && radio_.SendSingle(cmd::kModulationStep) && radio_.SetModulation(0, U8(value), 0)) {
                radio_.SendSingle(cmd::kStartModulation);
                return testing;
            }
            return AbandonStart(item);
        case AlignAction::CtcssTest:
            if (!ToneIs(kToneCtcss)) break;
            if (radio_.Key() && radio_.SetModulation(0, 0, U8(value))) {
                radio_.SendSingle(cmd::kStartCtcss);
                return testing;
            }
            return AbandonStart(item);
        case AlignAction::DcsTest:
            if (!ToneIs(kToneDcs)) break;
            if (radio_.Key()) {
                radio_.SendSingle(cmd::kStartDcs);
                return testing;
            }
            return AbandonStart(item);
    }
    activeItem_ = -1;
    return {};
}

AdjOutcome AlignModel::Stop(int item) {
    const AlignAction action = kAlignItems[static_cast<std::size_t>(item)].action;
    const bool modulated = action == AlignAction::AmModulation || action == AlignAction::FmModulation ||
                           action == AlignAction::CtcssTest || action == AlignAction::DcsTest;
    if (modulated) radio_.SendSingle(cmd::kEndTest);
    if (!radio_.Unkey()) {
        activeItem_ = item;
        return {AdjResult::Testing, true};
    }
    const bool appliesAgain = action == AlignAction::TransmitTest || action == AlignAction::ReferenceTune ||
                              action == AlignAction::CtcssTest;
    if (appliesAgain) ApplyValue(item, Value(item));
    return {AdjResult::Done, false};
}

bool AlignModel::Close() {
    if (activeItem_ >= 0 && PressAdj(activeItem_).unkeyFailed) return false;
    StoreValues();
    radio_.SendSingle(cmd::kLeaveAlignment);
    return true;
}

}  // namespace tarn
