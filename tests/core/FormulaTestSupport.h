#pragma once

#include "core/Expression.h"
#include "core/RealOf.h"
#include "core/String.h"

#include <random>
#include <string>

namespace Brosquin
{

// The text form of a formula.
inline std::string Printed(const Expression& formula)
{
    String text;
    formula.vdPrint(text);
    return text.Text();
}

inline std::string Printed(const ExpressionNode* tree)
{
    String text;
    tree->vdPrint(text);
    return text.Text();
}

// Random formula texts in x and y over the operators and the differentiable functions, with
// numbers of a few digits; the depth bounds their size.
class FormulaGenerator
{
public:
    explicit FormulaGenerator(unsigned seed) : random(seed) {}

    std::string Next(int depth)
    {
        const int choice = Pick(depth <= 0 ? 3 : 10);
        switch (choice)
        {
        case 0:
            return "x";
        case 1:
            return "y";
        case 2:
            return Number();
        case 3:
        case 4:
        {
            static const char* const operators[] = {" + ", " - ", " * ", " / ", ""};
            return "(" + Next(depth - 1) + operators[Pick(5)] + Next(depth - 1) + ")";
        }
        case 5:
            return "(" + Next(depth - 1) + ")^" + Exponent();
        case 6:
            return "-" + Next(depth - 1);
        default:
        {
            static const char* const functions[] = {"Log",
                                                    "Log10",
                                                    "Exponential",
                                                    "SquareRoot",
                                                    "Sine",
                                                    "Cosine",
                                                    "Tangent",
                                                    "ArcSine",
                                                    "ArcCosine",
                                                    "ArcTangent",
                                                    "HyperbolicSine",
                                                    "HyperbolicCosine",
                                                    "HyperbolicTangent",
                                                    "NormalDistribution"};
            return std::string(functions[Pick(14)]) + "[" + Next(depth - 1) + "]";
        }
        }
    }

    // A point in (-2, 2), away from 0.
    double Point()
    {
        const double magnitude = 0.1 + 1.9 * std::uniform_real_distribution<double>(0, 1)(random);
        return Pick(2) == 0 ? magnitude : -magnitude;
    }

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

    std::string Number()
    {
        static const char* const numbers[] = {"2",     "0.5",      "3.25",   "7",
                                              "0.125", "1.5 10^3", "4 10^-8"};
        return numbers[Pick(7)];
    }

    std::string Exponent()
    {
        static const char* const exponents[] = {"2", "3", "-1", "0.5", "y", "(2 10^-9)"};
        return exponents[Pick(6)];
    }

    std::mt19937 random;
};

} // namespace Brosquin
