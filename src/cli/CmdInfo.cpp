// tarn-cli info FILE.trn
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "Commands.h"
#include "model/CloneImage.h"
#include "model/ImageChecksum.h"

namespace tarn::cli {

int RunInfo(const Args& args) {
    if (args.size() != 1) {
        std::cerr << "usage: tarn-cli info FILE.trn\n";
        return kExitUsage;
    }
    std::ifstream in(args[0], std::ios::binary);
    if (!in) {
        std::cerr << "tarn-cli: cannot open " << args[0] << '\n';
        return kExitFailure;
    }
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::printf("file:              %s\n", args[0].c_str());
    std::printf("size:              %zu bytes%s\n", bytes.size(),
                bytes.size() == kImageFileSize ? "" : " (an image file has 4104)");
    if (bytes.size() < kImageSize) {
        std::cerr << "tarn-cli: the file is shorter than an image\n";
        return kExitFailure;
    }
    const auto* b = bytes.data();
    std::printf("stored checksum:   0x%02X%02X\n", b[kChecksumOffset], b[kChecksumOffset + 1]);
    std::printf("computed checksum: 0x%04X\n", ImageChecksum(b + kAdjustmentBlockOffset, kAdjustmentBlockSize));
    std::printf("model id:          %02X %02X\n", b[kModelIdOffset], b[kModelIdOffset + 1]);
    std::printf("firmware:          %X.%02X\n", b[0], b[1]);
    std::printf("serial number:     %02X%02X%02X%02X\n", b[3936], b[3937], b[3938], b[3939]);
    return kExitOk;
}

}  // namespace tarn::cli
