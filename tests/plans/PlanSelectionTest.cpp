#include "plans/DefectivesSamplingPlan.h"
#include "plans/SamplingPlanSession.h"
#include "tests/plans/PlanTestEnvironment.h"

#include <cstdlib>
#include <new>

// The throwing operator new fails while failAllocations is set, as when memory runs out; the
// non-throwing forms, through which the value types allocate and report failure themselves, do
// not fail here. All forms are replaced, so that every allocation is freed by its own kind.
namespace
{
bool failAllocations = false;

void* Allocated(std::size_t size) noexcept
{
    return std::malloc(size == 0 ? 1 : size);
}
} // namespace

void* operator new(std::size_t size)
{
    void* memory = failAllocations ? nullptr : Allocated(size);
    if (memory == nullptr)
        throw std::bad_alloc();
    return memory;
}
void* operator new[](std::size_t size)
{
    return ::operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocated(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocated(size);
}
void operator delete(void* memory) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}

namespace Brosquin
{
namespace
{

constexpr int defectives = SamplingPlan::DefectiveUnits;
constexpr int perUnit = SamplingPlan::DefectsPerUnit;
constexpr int perQuantity = SamplingPlan::DefectsPerQuantity;
constexpr int fraction = 0;
constexpr int percent = 1;
constexpr int perMillion = 2;

// The inputs as the design dialog passes them (ASN chosen unless costs are given).
struct Inputs
{
    int characteristic = defectives;
    int units = percent;
    const char* aql = "1";
    const char* ltpd = "5";
    const char* maxAQL = "";
    int adjustment = 0;
    const char* p = "AQL";
    const char* c0 = "1";
    const char* c1 = "0";
    const char* unitsText = "";
};

// Three statuses; a status beginning with '!' is a problem (its flag set).
struct Outcome
{
    int code;
    const char* message;
    const char* aql;
    const char* ltpd;
    const char* cost;
};

class PlanSelectionTest : public PlanTest
{
protected:
    static void vdSetUnits(int index)
    {
        ASSERT_TRUE(DefectivesSamplingPlan::Units().SetCurrentIndex(index));
    }

    bool Select(const Inputs& in, int typeIndex)
    {
        return session.vdSelectPlans(in.characteristic, typeIndex, in.adjustment, in.aql, in.ltpd,
                                     in.maxAQL, in.p, in.c0, in.c1, in.unitsText, message);
    }

    SamplingPlan& Last() const { return *session.Plan(session.Count()); }

    SamplingPlanSession session;
    String message;
};

std::string Flagged(const String& status, bool flag)
{
    return (flag ? "!" : "") + std::string(status.Text());
}

TEST_F(PlanSelectionTest, StatusesAndTheFirstProblem)
{
    const struct
    {
        Inputs in;
        Outcome out;
    } cases[] = {
        // The adjustment lowers the AQL and raises the LTPD, within the units maximum.
        {{.adjustment = 2}, {0, "", "0.98 <= AQL", "LTPD <= 5.1", "ASN(1)"}},
        {{.units = fraction, .aql = "0.01", .ltpd = "0.05", .adjustment = 10},
         {0, "", "0.009 <= AQL", "LTPD <= 0.055", "ASN(0.01)"}},
        {{.ltpd = "99.5", .adjustment = 1}, {0, "", "0.99 <= AQL", "LTPD <= 100", "ASN(1)"}},
        // Max AQL is a formula of the AQL alone.
        {{.maxAQL = "2*AQL"}, {0, "", "1 <= AQL <= 2", "LTPD <= 5", "ASN(1)"}},
        {{.maxAQL = "LTPD"},
         {2, "Max AQL references illegal variable.", "!Max AQL not valid", "LTPD <= 5", "ASN(1)"}},
        {{.maxAQL = "2*"},
         {2, "Max AQL must be must be blank or a valid expression or number.", "!Max AQL not valid",
          "LTPD <= 5", "ASN(1)"}},
        {{.maxAQL = "AQL/(AQL-1)"},
         {2, "Max AQL must evaluate to a valid number.", "!Max AQL not valid", "LTPD <= 5",
          "ASN(1)"}},
        {{.maxAQL = " 1 "},
         {2, "Max AQL must be greater than AQL.", "!Max AQL not > AQL", "LTPD <= 5", "ASN(1)"}},
        {{.units = perMillion, .aql = "1000", .ltpd = "5000", .maxAQL = "2000*AQL"},
         {2, "Max AQL cannot exceed 1000000.", "!Max AQL cannot be > 1000000", "LTPD <= 5000",
          "ASN(1000)"}},
        // Every group writes its status; only the first problem writes the message.
        {{.aql = "", .ltpd = " \t"},
         {1, "AQL is required.", "!AQL Required", "!LTPD Required", "!p not valid"}},
        {{.aql = "x", .ltpd = "y", .p = "LTPD"},
         {1, "AQL is not a valid number.", "!AQL not valid number", "!LTPD not valid number",
          "!p not valid"}},
        {{.aql = "-1", .ltpd = "0.5"},
         {1, "AQL must be greater than or equal to zero.", "!AQL cannot be < 0", "LTPD <= 0.5",
          "!p cannot be < 0"}},
        {{.units = fraction, .aql = "1"},
         {1, "AQL must be less than 1.", "!AQL cannot be >= 1", "!LTPD cannot be > 1",
          "!p cannot be >= 1"}},
        {{.ltpd = "1"},
         {3, "LTPD must be greater than AQL.", "1 <= AQL", "!LTPD not > AQL", "ASN(1)"}},
        {{.ltpd = "100.5"},
         {3, "LTPD must be less than or equal to 100.", "1 <= AQL", "!LTPD cannot be > 100",
          "ASN(1)"}},
        // p may name the LTPD by any symbol; costs are examined only after p passed.
        {{.p = "LQ/2"}, {0, "", "1 <= AQL", "LTPD <= 5", "ASN(2.5)"}},
        {{.p = "2*X", .c0 = ""},
         {4, "p references illegal variable.", "1 <= AQL", "LTPD <= 5", "!p not valid"}},
        {{.p = ""},
         {4, "Point to minimize cost at (p) is required.", "1 <= AQL", "LTPD <= 5", "!p Required"}},
        {{.p = "-AQL"},
         {4, "p must be greater than or equal to zero.", "1 <= AQL", "LTPD <= 5",
          "!p cannot be < 0"}},
        {{.p = "20*LTPD"},
         {4, "p must be less than 100.", "1 <= AQL", "LTPD <= 5", "!p cannot be >= 100"}},
        {{.c0 = "2", .c1 = "3"},
         {0, "", "1 <= AQL", "LTPD <= 5", "2 * ASN(1) + 3 * E{#Stages}(1)"}},
        {{.c0 = "1", .c1 = "1"}, {0, "", "1 <= AQL", "LTPD <= 5", "ASN(1) + E{#Stages}(1)"}},
        {{.c0 = "0", .c1 = "x"},
         {5, "C0 must be greater than zero.", "1 <= AQL", "LTPD <= 5", "!C0 cannot be <= 0"}},
        {{.c0 = "a"}, {5, "C0 must be a valid number.", "1 <= AQL", "LTPD <= 5", "!C0 not valid"}},
        {{.c1 = ""}, {6, "C1 is required.", "1 <= AQL", "LTPD <= 5", "!C1 Required"}},
        {{.c1 = "-1"},
         {6, "C1 must be greater than or equal to zero.", "1 <= AQL", "LTPD <= 5",
          "!C1 cannot be < 0"}},
        // Units are asked of defects per quantity only, and only when all else passed.
        {{.characteristic = perQuantity, .unitsText = " "},
         {7, "Units must be entered.", "1 <= AQL", "LTPD <= 5", "ASN(1)"}},
        {{.characteristic = perQuantity, .aql = "", .unitsText = ""},
         {1, "AQL is required.", "!AQL Required", "LTPD <= 5", "!p not valid"}},
        // Defects per unit have no upper limit.
        {{.characteristic = perUnit, .aql = "150", .ltpd = "500", .maxAQL = "300", .p = "LTPD"},
         {0, "", "150 <= AQL <= 300", "LTPD <= 500", "ASN(500)"}},
    };
    for (const auto& [in, out] : cases)
    {
        vdSetUnits(in.units);
        String aqlStatus("old");
        String ltpdStatus("old");
        String costStatus("old");
        bool aqlFlag = false;
        bool ltpdFlag = false;
        bool costFlag = false;
        message = "old";
        const int code = SamplingPlanSession::ValidateSelectionInputs(
            in.characteristic, in.aql, in.ltpd, in.maxAQL, in.adjustment, in.p, in.c0, in.c1,
            in.unitsText, aqlStatus, aqlFlag, ltpdStatus, ltpdFlag, costStatus, costFlag, message);
        SCOPED_TRACE(std::string(in.aql) + " " + in.ltpd + " " + in.maxAQL + " " + in.p);
        EXPECT_EQ(code, out.code);
        EXPECT_STREQ(message.Text(), out.message);
        EXPECT_EQ(Flagged(aqlStatus, aqlFlag), out.aql);
        EXPECT_EQ(Flagged(ltpdStatus, ltpdFlag), out.ltpd);
        EXPECT_EQ(Flagged(costStatus, costFlag), out.cost);
    }
}

// The units, the adjustment and the definitions reach the design; the designs themselves, their
// claims and their smallness are checked in the statistics.
TEST_F(PlanSelectionTest, SinglePlansInTheSessionsUnitsAndDefinitions)
{
    const struct
    {
        Inputs in;
        const char* paAtAQL; // null for that of a new session
        const char* plan;
    } cases[] = {
        {{}, nullptr, "Single: n=132, a=3"},
        {{.units = fraction, .aql = "0.01", .ltpd = "0.05"}, nullptr, "Single: n=132, a=3"},
        {{.units = perMillion, .aql = "10000", .ltpd = "50000"}, nullptr, "Single: n=132, a=3"},
        {{.adjustment = 2}, nullptr, "Single: n=130, a=3"},
        {{}, "0.90", "Single: n=153, a=3"},
        {{.characteristic = perUnit}, nullptr, "Single: n=134, a=3"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.plan);
        SamplingPlanDefinitions::vdReset();
        vdSetUnits(c.in.units);
        if (c.paAtAQL != nullptr)
        {
            ASSERT_EQ(SamplingPlan::ValidateRiskLevels(c.paAtAQL, "0.05", 0, message), 0);
        }
        ASSERT_TRUE(Select(c.in, 0)) << message.Text();
        EXPECT_STREQ(Last().Description().Text(), c.plan);
        EXPECT_TRUE(Last().IsChecked());
        // The plan meets the bounds the statuses show, in the units they are written in.
        const double aql = std::atof(c.in.aql) * (1 - c.in.adjustment / 100.0);
        const double ltpd = std::atof(c.in.ltpd) * (1 + c.in.adjustment / 100.0);
        EXPECT_GE(NumberOf(Last().dPa(RealOf(aql))), SamplingPlan::PaAtAQL().dValue());
        EXPECT_LE(NumberOf(Last().dPa(RealOf(ltpd))), SamplingPlan::PaAtLTPD().dValue());
    }
    EXPECT_EQ(session.Count(), 6u);
}

TEST_F(PlanSelectionTest, DoubleAndThreeLevelDesigns)
{
    ASSERT_TRUE(Select({}, 1)) << message.Text();
    EXPECT_STREQ(Last().Description().Text(), "Double: n1=60, a1=0, r1=4, n2=82, a2=3");

    // The Max AQL keeps the plan's AQL point below it, which the plan from two levels would not.
    for (int type : {1, 0})
    {
        ASSERT_TRUE(Select({.maxAQL = "1.01*AQL"}, type)) << message.Text();
        EXPECT_GE(Last().AQLPoint().dValue(), 1);
        EXPECT_LE(Last().AQLPoint().dValue(), 1.01);
        EXPECT_LE(Last().LTPDPoint().dValue(), 5);
    }
    EXPECT_STREQ(Last().Description().Text(), "Single: n=137, a=3");
    EXPECT_EQ(session.Count(), 3u);
}

// Each case of the variables selection, with the bounds of a 2 % adjustment; a Max AQL plays no
// part.
TEST_F(PlanSelectionTest, VariablesPlansTakeTheSessionsSelection)
{
    const struct
    {
        bool sdKnown;
        bool twoSpecs;
        const char* cp;
    } selections[] = {{false, false, ""}, {true, false, ""}, {false, true, ""}, {true, true, "1"}};
    for (const auto& selection : selections)
    {
        session.vdSetVariablesSelection(selection.sdKnown, selection.twoSpecs, selection.cp);
        ASSERT_TRUE(Select({.maxAQL = "1.01*AQL", .adjustment = 2}, 2)) << message.Text();
        EXPECT_GE(Last().dPa(RealOf(0.98)).dValue(), SamplingPlan::PaAtAQL().dValue());
        EXPECT_LE(Last().dPa(RealOf(5.1)).dValue(), SamplingPlan::PaAtLTPD().dValue());
    }
    EXPECT_STREQ(Last().Description().Text(),
                 "Variables Single - Known SD - 2 Specs: n=18, k=1.951, Cp=1");
    EXPECT_FALSE(Select({.ltpd = "1.0001"}, 2));
    EXPECT_STREQ(message.Text(), "No variables sampling plan meets the requirements.");
    EXPECT_EQ(session.Count(), 4u);
}

TEST_F(PlanSelectionTest, AFailedDesignAddsNothing)
{
    EXPECT_FALSE(Select({.aql = "0.1", .ltpd = "50"}, 1));
    EXPECT_STREQ(message.Text(),
                 "No double sampling plan better than corresponding single sampling plan.");
    EXPECT_FALSE(Select({.characteristic = perUnit}, 2));
    // With C0 = 0 no double plan costs less than the single plan's C1: said at once, at 2 and 2.1
    // defects per unit, where a search of plans that cost the same would take many minutes.
    EXPECT_FALSE(Select(
        {.characteristic = perUnit, .aql = "200", .ltpd = "210", .p = "0", .c0 = "0", .c1 = "1"},
        1));
    EXPECT_STREQ(message.Text(),
                 "No double sampling plan better than corresponding single sampling plan.");

    failAllocations = true;
    const bool selected = Select({.characteristic = perQuantity, .unitsText = "Metre"}, 0);
    failAllocations = false;
    EXPECT_FALSE(selected);
    EXPECT_STREQ(message.Text(), "Error occured selecting Single for Defects Per Quantity.");
    EXPECT_EQ(session.Count(), 0u);
}

} // namespace
} // namespace Brosquin
