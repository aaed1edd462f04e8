// EncodeQr against Debian's libqrencode on the same texts, both at level L
// with automatic version and mask. libqrencode is linked here only, never in
// the product. The pairs compare fairly only when their runs are interleaved
// at random on one core (otherwise whichever runs second meets warmer caches
// or a busier machine); compare medians with, for example:
//   taskset -c 1 bench_barcodes --benchmark_enable_random_interleaving=true
//       --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
// (one command line).

#include "barcodes/qrencoder.h"
#include "barcodes/qrsamples.h"

#include <benchmark/benchmark.h>
#include <qrencode.h>

namespace {

// Our encoder as the chart element calls it: a fresh encoder per symbol.
void encodeQr(benchmark::State &state, const QByteArray &text)
{
    int version = 0;
    for (auto _ : state) {
        CQrEncoder encoder;
        if (!encoder.EncodeQr(QR_LEVEL_L, 0, true, -1, text.constData(), text.size())) {
            state.SkipWithError("EncodeQr failed");
            return;
        }
        benchmark::DoNotOptimize(encoder.isDark(8, 8));
        version = encoder.version();
    }
    state.counters["version"] = version;
}

// libqrencode with automatic modes (8-bit where needed), case sensitive.
void libqrencode(benchmark::State &state, const QByteArray &text)
{
    int version = 0;
    for (auto _ : state) {
        QRcode *code = QRcode_encodeString(text.constData(), 0, QR_ECLEVEL_L, QR_MODE_8, 1);
        if (!code) {
            state.SkipWithError("QRcode_encodeString failed");
            return;
        }
        benchmark::DoNotOptimize(code->data[0]);
        version = code->version;
        QRcode_free(code);
    }
    state.counters["version"] = version;
}

} // namespace

int main(int argc, char **argv)
{
    for (const QrSample &sample : qrSamples()) {
        benchmark::RegisterBenchmark((std::string("EncodeQr/") + sample.name).c_str(), encodeQr, sample.text)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("libqrencode/") + sample.name).c_str(), libqrencode,
                                     sample.text)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
