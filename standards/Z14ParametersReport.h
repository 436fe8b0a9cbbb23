#pragma once

#include "core/String.h"

#include <cstdint>
#include <memory>

namespace Brosquin
{

class Drawing;

// The "ANSI Z1.4 Parameters" report of five choices: the code letter, the plan of every regime
// the option runs and the switching rules. The AQL is a choice of the defects-per-unit list,
// whose first entries are the defective-units list. Choices outside their lists give
// std::out_of_range.
std::unique_ptr<Drawing> Z14ParametersReport(std::uint32_t aql, std::uint32_t level,
                                             std::uint32_t lotSize, std::uint32_t planType,
                                             std::uint32_t option);
// The same report as text with CR LF line ends, in place of text's contents.
void Z14ParametersText(std::uint32_t aql, std::uint32_t level, std::uint32_t lotSize,
                       std::uint32_t planType, std::uint32_t option, String& text);

} // namespace Brosquin
