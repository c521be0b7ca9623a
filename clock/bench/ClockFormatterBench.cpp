// Cost of one clock text: the formatter runs at every repaint and size query.
#include <benchmark/benchmark.h>

#include "clock/ClockFormatter.h"
#include "clock/ClockTestSupport.h"

namespace {

using namespace vantora;

void FormatOnce(benchmark::State& state, std::string_view format)
{
    ClockLocale locale = testing::EnglishLocale();
    LeadByteTable systemLeadBytes = testing::LeadBytes936();
    ClockFormatInputs inputs {locale, &systemLeadBytes};
    ClockTime time {2003, 3, 0, 9, 14, 5, 7};
    char out[kClockTextSize];
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatClockText(out, sizeof out, time, 4166, format, inputs));
        benchmark::ClobberMemory();
        time.second = uint16_t((time.second + 1) % 60);
    }
}

void DefaultFormat(benchmark::State& state)
{
    FormatOnce(state, kDefaultClockFormat);
}

void TwoLinesWithLiteralRuns(benchmark::State& state)
{
    FormatOnce(state, "\"Week day:\" dddd, mmmm d yyyy\\n\"\xC8\xD5\xC6\xDA\" hh:nn:ss tt \"Beat\" @@@.@");
}

void NeedsFastTickDefault(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(NeedsFastTick(kDefaultClockFormat, nullptr));
}

} // namespace

BENCHMARK(DefaultFormat);
BENCHMARK(TwoLinesWithLiteralRuns);
BENCHMARK(NeedsFastTickDefault);
