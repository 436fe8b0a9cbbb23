#pragma once

#include "standards/StandardChoice.h"
#include "standards/Z19TableData.h"

#include <cstdint>
#include <iterator>

namespace Brosquin
{

// The choices of a Z1.9 plan. Each list ends with a null entry; a choice is its index.
inline constexpr const char* Z19AqlTexts[] = {"0.10", "0.15", "0.25", "0.40", "0.65", "1.0",
                                              "1.5",  "2.5",  "4.0",  "6.5",  "10",   nullptr};
inline constexpr const char* Z19LevelTexts[] = {"S-3", "S-4", "L-I", "L-II", "L-III", nullptr};
inline constexpr const char* Z19LotSizeTexts[] = {"2 to 8",
                                                  "9 to 15",
                                                  "16 to 25",
                                                  "26 to 50",
                                                  "51 to 90",
                                                  "91 to 150",
                                                  "151 to 280",
                                                  "281 to 400",
                                                  "401 to 500",
                                                  "501 to 1200",
                                                  "1201 to 3200",
                                                  "3201 to 10,000",
                                                  "10,001 to 35,000",
                                                  "35,001 to 150,000",
                                                  "150,001 to 500,000",
                                                  "500,001 and over",
                                                  nullptr};
inline constexpr const char* Z19PlanTypeTexts[] = {"SD Known, 1 Spec, k (Form 1)",
                                                   "SD Known, 1 Spec, M (Form 2)",
                                                   "SD Known, 2 Specs, M (Form 2)",
                                                   "SD Unknown, 1 Spec, k (Form 1)",
                                                   "SD Unknown, 1 Spec, M (Form 2)",
                                                   "SD Unknown, 2 Spec, M (Form 2)",
                                                   nullptr};
inline constexpr const char* Z19OptionTexts[] = {
    "Normal", "Tightened", "Reduced", "Switching - Full", "Switching - No Reduced Plan", nullptr};

// The number of choices of each list, in the order AQL, level, lot size, plan type, option.
inline constexpr ChoiceCounts Z19ChoiceCounts = {
    std::size(Z19AqlTexts) - 1, std::size(Z19LevelTexts) - 1, std::size(Z19LotSizeTexts) - 1,
    std::size(Z19PlanTypeTexts) - 1, std::size(Z19OptionTexts) - 1};

// The sample-size code letters; a letter is handled as its index here.
inline constexpr char Z19CodeLetters[] = "BCDEFGHIJKLMNP";

// F by AQL choice: with SD known and two limits the process SD may be at most F (USL - LSL).
inline constexpr double Z19MpsdFactors[11] = {0.147, 0.152, 0.157, 0.165, 0.174, 0.184,
                                              0.194, 0.206, 0.223, 0.243, 0.271};

enum Z19Option : std::uint32_t
{
    Z19OptionNormal = 0,
    Z19OptionTightened = 1,
    Z19OptionReduced = 2,
    Z19OptionSwitchingFull = 3,
    Z19OptionSwitchingNoReducedPlan = 4
};

// What a plan type makes of the plans of the tables.
struct Z19PlanKind
{
    bool sdKnown;
    bool twoSpecs;
    // Form 1 (accept constant k) or Form 2 (maximum percent M).
    bool form1;
};

// The kind of a plan type (0..5).
Z19PlanKind Z19KindOf(std::uint32_t planType);

// Whether an inspection option runs a plan of a regime.
bool Z19OptionUses(std::uint32_t option, InspectionRegime regime);

// The code-letter index of a lot-size range and a level.
std::uint32_t Z19Letter(std::uint32_t lotSize, std::uint32_t level);

// The texts of a choice.
ChoiceTexts Z19ChoiceTextsOf(const StandardChoice& choice);

// The plan of the tables for a plan type and a regime at an AQL choice and a code letter; every
// cell holds a plan.
const Z19Plan& Z19PlanOf(std::uint32_t aql, std::uint32_t letter, std::uint32_t planType,
                         InspectionRegime regime);

// The smallest Cp of a process whose SD meets F of the AQL choice: 1 / (6 F).
double Z19MinimumCp(std::uint32_t aql);

} // namespace Brosquin
