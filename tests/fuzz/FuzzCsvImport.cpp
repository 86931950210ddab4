// A channel list from anywhere, imported in each of the three ways into the default channel table.
#include "FuzzInput.h"
#include "csv/ChannelCsvImport.h"
#include "model/DefaultImage.h"
#include "model/ImageCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarn::fuzz::FuzzInput input(data, size);
    const auto mode = static_cast<tarn::CsvImportMode>(input.TakeByte() % 3);
    tarn::DocumentContent content;
    tarn::FillDefaultImage(content);
    const tarn::CsvImportReport report = tarn::ImportChannelsCsv(content.Channels, content.Settings, input.RestText(), mode);
    (void)tarn::CsvImportReportText(report);
    tarn::EncodeImage(content);
    return 0;
}
