#pragma once

#include "standards/StandardChoice.h"
#include "standards/Z14TableData.h"

#include <cstdint>

namespace Brosquin
{

// The choices of a Z1.4 plan. Each list ends with a null entry; a choice is its index.
inline constexpr const char* Z14DefectivesAqlTexts[] = {
    "0.010", "0.015", "0.025", "0.040", "0.065", "0.10", "0.15", "0.25", "0.40",
    "0.65",  "1.0",   "1.5",   "2.5",   "4.0",   "6.5",  "10",   nullptr};
// The defective-units list followed by the larger AQLs; 15 and 150 are not offered.
inline constexpr const char* Z14DefectsPerUnitAqlTexts[] = {
    "0.010", "0.015", "0.025", "0.040", "0.065", "0.10", "0.15", "0.25", "0.40",
    "0.65",  "1.0",   "1.5",   "2.5",   "4.0",   "6.5",  "10",   "25",   "40",
    "65",    "100",   "250",   "400",   "650",   "1000", nullptr};
inline constexpr const char* Z14LevelTexts[] = {"S-1", "S-2",  "S-3",   "S-4",
                                                "L-I", "L-II", "L-III", nullptr};
inline constexpr const char* Z14LotSizeTexts[] = {"2 to 8",
                                                  "9 to 15",
                                                  "16 to 25",
                                                  "26 to 50",
                                                  "51 to 90",
                                                  "91 to 150",
                                                  "151 to 280",
                                                  "281 to 500",
                                                  "501 to 1200",
                                                  "1201 to 3200",
                                                  "3201 to 10,000",
                                                  "10,001 to 35,000",
                                                  "35,001 to 150,000",
                                                  "150,001 to 500,000",
                                                  "500,001 and over",
                                                  nullptr};
inline constexpr const char* Z14PlanTypeTexts[] = {"Single", "Double", "Multiple", nullptr};
inline constexpr const char* Z14OptionTexts[] = {"Normal",
                                                 "Tightened",
                                                 "Reduced",
                                                 "Switching - Full",
                                                 "Switching - No Limit Numbers",
                                                 "Switching - No Reduced Plan",
                                                 nullptr};

// The smallest lot of each lot-size range, then 0.
inline constexpr std::int32_t Z14LotSizeLowerBounds[] = {
    2, 9, 16, 26, 51, 91, 151, 281, 501, 1201, 3201, 10001, 35001, 150001, 500001, 0};

// The sample-size code letters; a letter is handled as its index here.
inline constexpr char Z14CodeLetters[] = "ABCDEFGHJKLMNPQR";

inline constexpr std::uint32_t Z14AqlPositionCount = 26;
inline constexpr std::uint32_t Z14LetterCount = 16;

enum Z14PlanType : std::uint32_t
{
    Z14Single = 0,
    Z14Double = 1,
    Z14Multiple = 2
};

enum Z14Option : std::uint32_t
{
    Z14OptionNormal = 0,
    Z14OptionTightened = 1,
    Z14OptionReduced = 2,
    Z14OptionSwitchingFull = 3,
    Z14OptionSwitchingNoLimitNumbers = 4,
    Z14OptionSwitchingNoReducedPlan = 5
};

using Z14Regime = InspectionRegime;

// The number of choices of each list: the AQLs of the characteristic (defective units or defects
// per unit), the levels, lot sizes, plan types and options.
ChoiceCounts Z14ChoiceCounts(std::uint8_t characteristic);

// Whether an inspection option runs plans of a regime.
bool Z14OptionUses(std::uint32_t option, Z14Regime regime);

// The texts of a choice, its AQL from the defects-per-unit list (whose first entries are the
// defective-units list).
ChoiceTexts Z14ChoiceTextsOf(const StandardChoice& choice);

// The column of the tables (0..25, among the standard's 26 AQLs) of an AQL choice of the
// characteristic's list.
std::uint32_t Z14AqlTableRow(std::uint8_t characteristic, std::uint32_t aqlChoice);

// A plan of the tables as it is applied: stages samples of n units each. After stage k (0-based)
// the lot is accepted with at most accept[k] nonconformities counted so far (-1: no acceptance at
// that stage) and rejected with reject[k] or more; at the last stage accept = reject - 1.
// stayAccept is the table's own last acceptance number: under reduced inspection a count above it
// accepts the lot but returns inspection to normal. Elsewhere it is the last accept.
struct Z14Plan
{
    std::uint32_t planType = Z14Single;
    std::int32_t n = 0;
    std::int32_t accept[7] = {};
    std::int32_t reject[7] = {};
    std::int32_t stayAccept = 0;

    // 1, 2 or 7.
    int Stages() const;
    // The units inspected when every stage is taken.
    std::int32_t TotalSample() const { return Stages() * n; }
    // The first stage (0-based) at which a lot can be accepted, where a lot without a
    // nonconforming unit is.
    int FirstAcceptingStage() const;
    // The units inspected for a lot without a nonconforming unit.
    std::int32_t CleanSample() const { return (FirstAcceptingStage() + 1) * n; }
};

// The plan in effect for a regime at an AQL position and a code letter: the cell of the chosen
// plan type, or where the tables send the user on, the double cell and then the single one.
Z14Plan Z14PlanInEffect(std::uint32_t aqlPosition, std::uint32_t letter, std::uint32_t planType,
                        Z14Regime regime);

} // namespace Brosquin
