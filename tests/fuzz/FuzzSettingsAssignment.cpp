// "section.name=value" assignments as tarn-cli set takes them, one a line, applied to the default image.
#include <string_view>

#include "FuzzInput.h"
#include "FuzzPrompter.h"
#include "model/DefaultImage.h"
#include "model/Document.h"
#include "settings/SettingsScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarn::fuzz::FuzzInput input(data, size);
    const bool maintenance = input.TakeByte() & 1;
    tarn::fuzz::FuzzPrompter prompter(input);
    tarn::Document document(prompter, {});
    tarn::FillDefaultImage(document.Content());
    document.DecodeImage();
    tarn::SettingsScript script(document, maintenance);
    std::string_view rest = input.RestText();
    // A command line holds a handful of assignments; each one looks at every setting, so more only slow
    // the fuzzer down.
    for (int i = 0; i < 16 && !rest.empty(); ++i) {
        const std::size_t end = rest.find('\n');
        std::string why;
        (void)script.Apply(rest.substr(0, end), why);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    script.Ok();
    document.EncodeImage();
    (void)script.Lines();
    return 0;
}
