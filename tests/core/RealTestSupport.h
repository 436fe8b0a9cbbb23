#pragma once

#include "core/RealOf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace Brosquin
{

inline std::string MessageOf(const Real& real)
{
    return real.Message() != nullptr ? real.Message()->Text() : "";
}

inline ::testing::AssertionResult IsNumber(const Real& real, double expected)
{
    if (real.Message() != nullptr)
        return ::testing::AssertionFailure() << "message \"" << MessageOf(real) << "\"";
    if (real.dValue() != expected)
        return ::testing::AssertionFailure()
               << std::hexfloat << real.dValue() << " instead of " << expected;
    return ::testing::AssertionSuccess();
}

// A number within a relative tolerance of the reference.
inline ::testing::AssertionResult IsNear(const Real& real, double reference, double tolerance)
{
    if (real.Message() != nullptr)
        return ::testing::AssertionFailure() << "message \"" << MessageOf(real) << "\"";
    const double error = std::fabs(real.dValue() - reference) / std::fabs(reference);
    if (!(error <= tolerance))
        return ::testing::AssertionFailure()
               << real.dValue() << " against " << reference << ", relative error " << error;
    return ::testing::AssertionSuccess();
}

} // namespace Brosquin
