#pragma once

#include <cstdint>

namespace Brosquin
{

// The most a session holds, far beyond any real one: as many plans as the plan list still shows,
// as many evaluation windows as the Window menu still lists, and in one evaluation window as many
// plans as its key and tables still show. A file beyond them is refused before the records beyond
// them are read, and no command goes beyond them, so that every session saved can be opened.
inline constexpr std::uint32_t LargestSessionPlans = 100000;
inline constexpr std::uint32_t LargestEvaluationWindows = 1000;
inline constexpr std::uint32_t LargestEvaluationPlans = 10000;

// The rows of plans in the tables of curve values of all evaluation windows together, a plan
// counting for at least the 11 rows of a table's default range: 50,000 plans in all at that
// range, fewer at larger ones, as a desktop's memory holds them.
inline constexpr std::uint32_t LeastPlanRows = 11;
inline constexpr std::uint64_t LargestPlanRows = 50000 * std::uint64_t{LeastPlanRows};

// What the user is told when the session holds as many plans as it can.
inline constexpr const char* NoRoomForPlans =
    "No more sampling plans can be added.  Delete one or more and repeat.";

// What the user is told when a window would show more plans than these bounds allow.
inline constexpr const char* TooManyPlansToEvaluate =
    "Too many sampling plans to evaluate.  Check fewer sampling plans or close evaluation windows "
    "and repeat.";

// A reader that meets a count beyond the bounds sets the read-error flag and marks the read as
// refused for its size, not for damage; the reader of a whole file clears the mark first.
bool RefuseSize();
bool SizeRefused();
void vdClearSizeRefusal();

} // namespace Brosquin
