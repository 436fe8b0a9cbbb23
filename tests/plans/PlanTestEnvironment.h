#pragma once

#include "core/RealOf.h"
#include "plans/SamplingPlan.h"
#include "plans/SamplingPlanDefinitions.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

namespace Brosquin
{

// The definitions, costs and current units are shared by every plan: each test starts from those
// of a new session and leaves them so.
class PlanTest : public ::testing::Test
{
protected:
    void SetUp() override { SamplingPlanDefinitions::vdReset(); }
    void TearDown() override { SamplingPlanDefinitions::vdReset(); }
};

// The text of a Real as the summaries and tables show it, or its message.
inline std::string Shown(const Real& value, int digits = 5)
{
    return !IsNumber(value) ? std::string(value.Message()->Text()) : value.Text(digits, true);
}

inline std::string MessageOf(const Real& value)
{
    return !IsNumber(value) ? std::string(value.Message()->Text()) : std::string("(number)");
}

// The number a measure gave, which must not be a message.
inline double NumberOf(const Real& value)
{
    EXPECT_TRUE(IsNumber(value)) << MessageOf(value);
    return value.dValue();
}

// Expects a value within a relative tolerance of an independent reference.
inline void ExpectClose(const Real& value, double reference, double tolerance = 1e-12)
{
    ASSERT_FALSE(!IsNumber(value)) << value.Message()->Text();
    EXPECT_NEAR(value.dValue(), reference, tolerance * std::abs(reference));
}

// The record a plan writes.
inline std::string RecordOf(const SamplingPlan& plan)
{
    std::ostringstream out;
    plan.vdWriteToStream(out);
    return out.str();
}

// A whole record read through the plan factory, with no read error before it.
inline std::unique_ptr<SamplingPlan> ReadRecord(const std::string& record)
{
    ClearReadError();
    std::istringstream in(record);
    return SamplingPlan::ReadPlanFromStream(in, 2.0);
}

// The class part of a record, which follows the part every plan writes, read into a new plan as
// the plan factory does.
template <class Plan> std::unique_ptr<Plan> ReadClassPart(const std::string& text)
{
    ClearReadError();
    std::istringstream in(text);
    auto plan = std::make_unique<Plan>();
    plan->vdReadFromStream(in, 2.0);
    return plan;
}

} // namespace Brosquin
