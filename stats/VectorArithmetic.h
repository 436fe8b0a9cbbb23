#pragma once

#include <cstddef>
#include <cstring>

namespace Brosquin
{

namespace vectors
{

// Two doubles, which every x86-64 processor multiplies and adds in one instruction each.
using Pair = double __attribute__((vector_size(16)));

// Inlined in every build: the loops below are the inner loops of the slowest tests too.
[[gnu::always_inline]] inline Pair Load(const double* values)
{
    Pair pair;
    std::memcpy(&pair, values, sizeof pair);
    return pair;
}

[[gnu::always_inline]] inline void Store(double* values, Pair pair)
{
    std::memcpy(values, &pair, sizeof pair);
}

} // namespace vectors

// out[i] += factor * in[i] for i < count, the inner loop of the convolutions of inspection in
// stages, in pairs of doubles.
inline void AddMultiple(double* out, const double* in, double factor, std::size_t count)
{
    const vectors::Pair factors = {factor, factor};
    std::size_t i = 0;
    for (; i + 2 <= count; i += 2)
        vectors::Store(out + i, vectors::Load(out + i) + factors * vectors::Load(in + i));
    if (i < count)
        out[i] += factor * in[i];
}

// The same into two sums at once, with factors of their own: out[i] += factor * in[i] and
// other[i] += otherFactor * in[i].
inline void AddMultiples(double* out, double* other, const double* in, double factor,
                         double otherFactor, std::size_t count)
{
    const vectors::Pair factors = {factor, factor};
    const vectors::Pair otherFactors = {otherFactor, otherFactor};
    std::size_t i = 0;
    for (; i + 2 <= count; i += 2)
    {
        const vectors::Pair term = vectors::Load(in + i);
        vectors::Store(out + i, vectors::Load(out + i) + factors * term);
        vectors::Store(other + i, vectors::Load(other + i) + otherFactors * term);
    }
    if (i < count)
    {
        out[i] += factor * in[i];
        other[i] += otherFactor * in[i];
    }
}

} // namespace Brosquin
