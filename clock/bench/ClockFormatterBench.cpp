// Cost of one clock text: the formatter runs at every repaint and size query.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "clock/ClockFormatter.h"
#include "clock/ClockTestSupport.h"

namespace {
std::atomic<long> gHeapAllocations {0};
} // namespace

// Counts every heap allocation, so the run shows that formatting makes none.
void* operator new(size_t size)
{
    ++gHeapAllocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, size_t) noexcept
{
    std::free(p);
}

namespace {

using namespace vantora;

void FormatOnce(benchmark::State& state, std::string_view format)
{
    ClockLocale locale = testing::EnglishLocale();
    LeadByteTable systemLeadBytes = testing::LeadBytes936();
    ClockFormatInputs inputs {locale, &systemLeadBytes};
    ClockTime time {2003, 3, 0, 9, 14, 5, 7};
    char out[kClockTextSize];
    long allocationsBefore = gHeapAllocations;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatClockText(out, sizeof out, time, 4166, format, inputs));
        benchmark::ClobberMemory();
        time.second = uint16_t((time.second + 1) % 60);
    }
    state.counters["heap_allocations"] = double(gHeapAllocations - allocationsBefore);
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
