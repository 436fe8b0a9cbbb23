#pragma once

namespace Brosquin
{

// A row of an operator table, shared by the parser and the printer: a larger precedence number
// binds more loosely.
struct OperatorEntry
{
    const char* text;
    bool rightAssociative;
    int precedence;
};

} // namespace Brosquin
