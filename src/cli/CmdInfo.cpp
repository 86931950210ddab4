// tarn-cli info FILE.trn
#include <cstdio>
#include <iostream>

#include "CliPrompter.h"
#include "Commands.h"
#include "ImageFileToOpen.h"
#include "model/ChannelTable.h"
#include "model/DocumentContent.h"
#include "model/IdentityValues.h"
#include "model/ImageChecksum.h"
#include "model/ImageCodec.h"

namespace tarn::cli {
namespace {

// Slots in use in each group.
std::array<unsigned, GroupCount> UsedChannels(const ChannelTable& table) {
    std::array<unsigned, GroupCount> used{};
    for (std::size_t s = 0; s < kSlotsEnd; ++s) {
        if (!table.Entries[s].Empty) ++used[GroupOfSlot(table, s)];
    }
    return used;
}

}  // namespace

int RunInfo(const Args& args) {
    if (args.size() != 1) {
        std::cerr << "usage: tarn-cli info FILE.trn\n";
        return kExitUsage;
    }
    const std::string& path = args[0];
    CliPrompter prompter;
    DocumentContent content;
    if (!ReadImageFileToOpen(path, content, prompter)) return kExitFailure;
    const CloneImage& image = content.Image;
    const unsigned storedChecksum = image[kChecksumOffset] << 8 | image[kChecksumOffset + 1];
    const unsigned computedChecksum = ImageChecksum(image.data() + kAdjustmentBlockOffset, kAdjustmentBlockSize);
    DecodeImage(content);
    const auto used = UsedChannels(content.Channels);

    std::printf("file:              %s\n", path.c_str());
    std::printf("size:              %zu bytes\n", kImageFileSize);
    std::printf("stored checksum:   0x%04X%s\n", storedChecksum, storedChecksum == computedChecksum ? "" : " (differs)");
    std::printf("computed checksum: 0x%04X\n", computedChecksum);
    std::printf("model id:          %02X %02X\n", image[kModelIdOffset], image[kModelIdOffset + 1]);
    std::printf("firmware:          %s\n", FirmwareVersionText(image).c_str());
    std::printf("serial number:     %s\n", SerialNumberText(image).c_str());
    std::printf("used channels:     %u of %u (MR %u, BOOK %u, WX %u, BRS %u)\n", used[0] + used[1] + used[2] + used[3],
                EntryCount, used[kGroupMr], used[kGroupBook], used[kGroupWx], used[kGroupBrs]);
    return kExitOk;
}

}  // namespace tarn::cli
