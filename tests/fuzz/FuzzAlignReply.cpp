// An alignment command and the reply frame the radio brings back, whatever the line delivers.
#include <memory>
#include <vector>

#include "FuzzInput.h"
#include "ScriptedLine.h"
#include "align/AlignLink.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarn::fuzz::FuzzInput input(data, size);
    const std::uint8_t command = input.TakeByte();
    const std::uint8_t parameters[] = {input.TakeByte(), input.TakeByte()};
    tarn::ClonePort port(std::make_unique<tarn::fuzz::ScriptedLine>(input));
    if (!port.Open({"/dev/null", {}})) return 0;
    if (tarn::SendAlignCommand(port, command, parameters) != tarn::AlignStatus::Ok) return 0;
    std::vector<std::uint8_t> reply;
    (void)tarn::ReceiveAlignReply(port, command, reply);
    return 0;
}
