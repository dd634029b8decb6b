#include "conversion/capital_reader.h"
#include "conversion/figures.h"
#include "conversion/pair_check.h"
#include "conversion/standard_form.h"
#include "window/convert_amount.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <string>

namespace {

// Counts the notices instead of showing them.
class SilentBox : public qhj::runtime::MessageBox {
public:
    void msgBox(std::u16string_view, qhj::runtime::MsgBoxStyle, std::optional<std::u16string_view>) override
    {
        ++m_shown;
    }
    long shown() const { return m_shown; }

private:
    long m_shown = 0;
};

double peakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void convertStartInput(benchmark::State& state)
{
    SilentBox box;
    for (auto _ : state)
        benchmark::DoNotOptimize(qhj::window::ConvertAmount(u"123456.78", box));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(convertStartInput);

void convertStartInputStandard(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(qhj::conversion::standardText(
            qhj::conversion::readFigures(u"123456.78", qhj::conversion::ExtraDecimals::kCut).amount));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(convertStartInputStandard);

// The most zeros to weigh: every group, every gap.
void convertZerosStandard(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(qhj::conversion::standardText(
            qhj::conversion::readFigures(u"100010001000.05", qhj::conversion::ExtraDecimals::kCut).amount));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(convertZerosStandard);

// Reading the capitals back: the window's form and the standard one.
void readCapitals(benchmark::State& state)
{
    const std::u16string_view text = state.range(0) == 0 ? u"壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"
                                                         : u"壹拾贰万叁仟肆佰伍拾陆元柒角捌分";
    for (auto _ : state)
        benchmark::DoNotOptimize(qhj::conversion::readCapitals(text));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(readCapitals)->ArgName("standard")->Arg(0)->Arg(1);

void checkPair(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(qhj::conversion::checkPair(u"1680.32", u"壹仟陆佰捌拾元零叁角贰分"));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(checkPair);

std::u16string hugeInput(int kind)
{
    constexpr std::size_t kSize = 10'000'000;
    switch (kind) {
    case 0:
        return std::u16string(kSize, u'7');
    case 1:
        return std::u16string(kSize, u'.');
    case 2: {
        std::u16string mixed;
        mixed.reserve(kSize);
        while (mixed.size() < kSize)
            mixed += u"12.";
        return mixed;
    }
    default:
        return u"3." + std::u16string(kSize - 2, u'4');
    }
}

void convertTenMillion(benchmark::State& state)
{
    const std::u16string input = hugeInput(static_cast<int>(state.range(0)));
    SilentBox box;
    for (auto _ : state)
        benchmark::DoNotOptimize(qhj::window::ConvertAmount(input, box));
    state.counters["peak_rss_MiB"] = peakResidentMiB();
    state.counters["input_MiB"] = static_cast<double>(input.size() * sizeof(char16_t)) / (1024.0 * 1024.0);
}
BENCHMARK(convertTenMillion)
    ->ArgName("digits0_points1_mixed2_fraction3")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
