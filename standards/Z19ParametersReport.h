#pragma once

#include "core/String.h"

#include <cstdint>
#include <memory>

namespace Brosquin
{

class Drawing;

// The "ANSI Z1.9 Parameters" report of five choices: the code letter, for two limits with SD
// known the largest process SD, the plan of every regime the option runs (a Form 2 plan with its
// Form 1 equivalent) and the switching rules. Choices outside their lists give std::out_of_range.
std::unique_ptr<Drawing> Z19ParametersReport(std::uint32_t aql, std::uint32_t level,
                                             std::uint32_t lotSize, std::uint32_t planType,
                                             std::uint32_t option);
// The same report as text with CR LF line ends, in place of text's contents.
void Z19ParametersText(std::uint32_t aql, std::uint32_t level, std::uint32_t lotSize,
                       std::uint32_t planType, std::uint32_t option, String& text);

} // namespace Brosquin
