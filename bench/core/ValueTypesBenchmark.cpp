#include "core/Real.h"
#include "core/ReferenceString.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace Brosquin
{
namespace
{

// Error values are made and dropped in every evaluation of a formula: one pooled block each.
void BM_ErrorMessageMadeAndReleased(benchmark::State& state)
{
    for (auto _ : state)
    {
        Real real;
        real.vdSetError(Real::DivideByZero);
        benchmark::DoNotOptimize(real.Message());
    }
}
BENCHMARK(BM_ErrorMessageMadeAndReleased);

void BM_ManyReferenceStringsAlive(benchmark::State& state)
{
    std::vector<ReferenceString*> strings(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
    {
        for (ReferenceString*& text : strings)
            text = new ReferenceString(nullptr, 0);
        for (ReferenceString*& text : strings)
            text = text->vdRelease();
    }
}
BENCHMARK(BM_ManyReferenceStringsAlive)->Arg(1000)->Arg(100000);

void BM_TextOfFifteenDigits(benchmark::State& state)
{
    Real real;
    real = 0.123456789012345;
    for (auto _ : state)
        benchmark::DoNotOptimize(real.Text(0, true));
}
BENCHMARK(BM_TextOfFifteenDigits);

void BM_ParseNumberText(benchmark::State& state)
{
    Real real;
    for (auto _ : state)
    {
        real = "-1,234,567.891 10^-3";
        benchmark::DoNotOptimize(real.dValue());
    }
}
BENCHMARK(BM_ParseNumberText);

void BM_SessionFileRoundTrip(benchmark::State& state)
{
    Real real;
    real = 0.1 + 0.2;
    for (auto _ : state)
    {
        std::stringstream file;
        file << real << ' ';
        Real back;
        back.vdRead(file);
        benchmark::DoNotOptimize(back.dValue());
    }
}
BENCHMARK(BM_SessionFileRoundTrip);

} // namespace
} // namespace Brosquin
