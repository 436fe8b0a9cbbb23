#pragma once

#include <cstddef>
#include <cstring>

namespace Brosquin
{

// out[i] += factor * in[i] for i < count, the inner loop of the convolutions of inspection in
// stages: in pairs of doubles, which every x86-64 processor multiplies and adds in one instruction
// each.
inline void AddMultiple(double* out, const double* in, double factor, std::size_t count)
{
    using Pair = double __attribute__((vector_size(16)));
    const Pair factors = {factor, factor};
    std::size_t i = 0;
    for (; i + 2 <= count; i += 2)
    {
        Pair sum;
        Pair term;
        std::memcpy(&sum, out + i, sizeof sum);
        std::memcpy(&term, in + i, sizeof term);
        sum += factors * term;
        std::memcpy(out + i, &sum, sizeof sum);
    }
    if (i < count)
        out[i] += factor * in[i];
}

} // namespace Brosquin
