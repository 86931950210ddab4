// DecodeImage followed by EncodeImage of a full image: the work done after every load and before every save
// or transfer.
#include <benchmark/benchmark.h>

#include "model/ChannelTable.h"
#include "model/DefaultImage.h"
#include "model/ImageCodec.h"

namespace tarn {
namespace {

// The default image with every channel slot in use, spread over the bands and with tones and TAGs.
DocumentContent FullImage() {
    DocumentContent content;
    FillDefaultImage(content);
    for (std::size_t s = kMrFirstSlot; s < kWxFirstSlot; ++s) {
        ChannelEntry& e = content.Channels.Entries[s];
        e.Empty = 0;
        e.RxFrequency = static_cast<std::int32_t>(108000000 + 25000 * (s * 37 % 1100));
        e.ToneType = s % 3;
        e.CtcssIndex = s % 50;
        e.DcsIndex = s % 106;
        e.ShiftMode = s % 4;
        e.ShiftOffset = 600000;
        SetTag(e, "CH" + std::to_string(s));
    }
    for (std::size_t s = kBrsFirstSlot; s < kSlotsEnd; ++s) content.Channels.Entries[s].Empty = 0;
    EncodeImage(content);
    return content;
}

void BM_DecodeThenEncodeImage(benchmark::State& state) {
    DocumentContent content = FullImage();
    for (auto _ : state) {
        DecodeImage(content);
        EncodeImage(content);
        benchmark::DoNotOptimize(content.Image.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DecodeThenEncodeImage)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tarn
