// The program's side of the clone protocol against a radio, or a bad cable, that says whatever the fuzzer
// says: an Upload, a Download or the alignment entry, every wait and every question answered from the input.
#include <memory>

#include "FuzzInput.h"
#include "FuzzPrompter.h"
#include "ScriptedLine.h"
#include "link/TransferJob.h"
#include "model/DefaultImage.h"
#include "model/ImageCodec.h"

namespace {

struct NoEvents : tarn::JobEvents {
    void SetCaption(int) override {}
    void SetGaugeRange(int) override {}
    void SetGaugePosition(int) override {}
    void ShowPrompt(int) override {}
    void JobDone() override {}
};

const tarn::CloneImage& ProgramImage() {
    static const tarn::CloneImage image = [] {
        tarn::DocumentContent content;
        tarn::FillDefaultImage(content);
        tarn::EncodeImage(content);
        return content.Image;
    }();
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarn::fuzz::FuzzInput input(data, size);
    const std::uint8_t choice = input.TakeByte();
    tarn::TransferRequest request;
    request.operation = static_cast<tarn::TransferOperation>(choice % 3);
    request.portName = "/dev/null";
    request.maintenance = (choice & 0x10) != 0;
    request.modified = (choice & 0x20) != 0;
    tarn::fuzz::FuzzPrompter prompter(input);
    NoEvents events;
    tarn::CloneImage image = ProgramImage();
    auto line = std::make_unique<tarn::fuzz::ScriptedLine>(input);
    tarn::fuzz::ScriptedLine& lineRef = *line;
    tarn::ClonePort port(std::move(line));
    tarn::TransferJob job(request, port, image, events, prompter);
    lineRef.CancelWhenDone(job.Cancel());
    job.Run();
    return 0;
}
