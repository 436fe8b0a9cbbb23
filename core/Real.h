#pragma once

#include "core/ReferenceString.h"

#include <iosfwd>

namespace Brosquin
{

// The texts of the error codes of a Real, indexed by code.
extern const char* const RealErrorMessages[17];

// The number type of the whole program: a finite double in [-1e154, 1e154] (nonzero magnitudes
// below 2e-154 are stored as 0), or instead of a number a message, shared by reference count with
// the other values that hold it. Operations pass the first message on.
class Real
{
public:
    enum ErrorCode : int
    {
        IllegalString = 0,
        Overflow = 1,
        Underflow = 2, // never shown: it leaves the plain number 0
        DivideByZero = 3,
        PowerNotDefined = 4,
        LogOfZero = 5,
        LogOfNegativeNumber = 6,
        SquareRootOfNegativeNumber = 7,
        TrigonometricDomain = 8,
        TangentNotDefined = 9,
        ArcSineNotDefined = 10,
        ArcCosineNotDefined = 11,
        GammaOfZeroOrNegative = 12,
        BetaOfZeroOrNegative = 13,
        BetaParameterDomain = 14,
        GammaDistributionParameter = 15,
        NormalFractionDefectiveParameter = 16,
    };

    Real() = default;
    Real(const Real& other);
    Real(Real&& other) noexcept;
    virtual ~Real();

    Real& operator=(const Real& other);
    Real& operator=(Real&& other) noexcept;
    // NaN or beyond +-1e154 gives "Overflow"; a nonzero magnitude below 2e-154 gives 0.
    Real& operator=(double x);
    // Parses the user's text form: a number, or a message in double quotes.
    Real& operator=(const char* text);

    void vdSetError(int code);
    void vdSetMessage(const char* text);
    void vdShareMessage(ReferenceString* shared);
    // Changes the shared message in place, so every holder sees the longer text.
    void vdAppendMessage(const char* text);

    // The text form with that many significant digits (0 or less: 15); an exponent is written as
    // " 10^" when the flag is set, as "e" when it is clear. The text lives in one static buffer
    // that the next call overwrites.
    const char* Text(int digits = 0, bool exponentFlag = true) const;
    // Reads the session file's form; a bad value sets the read-error flag, and so does a token
    // longer than LongestToken, which is read no further.
    void vdRead(std::istream& in);
    // Skips blanks, tabs, LF and CR; returns the next character and moves past it, or sets the
    // pointer to null at the end of the text.
    static char NextNonBlank(const char** text);
    // Skips blanks, tabs, LF and CR in the stream; returns the next character without taking it,
    // or EOF at the end of the input.
    static int PeekNonBlank(std::istream& in);

    // Null while the Real holds a number.
    ReferenceString* Message() const { return message; }
    // 0 whenever a message is held.
    double dValue() const { return value; }

    // Arithmetic in place; a message of either operand is passed on, this one's first.
    Real& operator+=(const Real& other);
    Real& operator-=(const Real& other);
    Real& operator*=(const Real& other);
    Real& operator/=(const Real& other);
    Real& Power(const Real& exponent);
    Real& PowerOfTen();
    Real& Negate();

    // The functions of the formula language, in place.
    Real& Log();
    Real& Log10();
    Real& Exponential();
    Real& SquareRoot();
    Real& Sine();
    Real& Cosine();
    Real& Tangent();
    Real& ArcSine();
    Real& ArcCosine();
    Real& ArcTangent();
    Real& HyperbolicSine();
    Real& HyperbolicCosine();
    Real& HyperbolicTangent();
    Real& Gamma();
    Real& LogGamma();
    Real& Beta(const Real& b);
    Real& LogBeta(const Real& b);
    Real& AbsoluteValue();
    Real& Minimum(const Real& other);
    Real& Maximum(const Real& other);
    Real& Pi();
    Real& E();
    Real& NormalDistribution();
    // The fraction of a normal population with mean x (this) and standard deviation 2s that lies
    // outside the limits -1 and +1.
    Real& NormalFractionDefective(const Real& s);

    // Equal within a relative tolerance of 1e-15; every comparison is false when either side
    // holds a message.
    bool operator==(const Real& other) const;
    bool operator!=(const Real& other) const;
    bool operator<(const Real& other) const;
    bool operator<=(const Real& other) const;
    bool operator>(const Real& other) const;
    bool operator>=(const Real& other) const;

private:
    // True when the operation must stop: this holds a message, or now shares the other's.
    bool PassesMessageOn(const Real& other);
    // Writes a result without the range checks, dropping any message; a magnitude below 2e-154
    // (a far normal tail) is still written as 0.
    void vdStore(double x);
    // Assigns a power unless its exponent lies beyond +-limit: above it the power overflows, below
    // it the power is the number 0.
    Real& AssignPower(double exponent, double limit, double power);
    // Stores function(value) when this holds a number within [lowest, highest]; outside it the
    // error code.
    Real& StoreWithin(double (*function)(double), double lowest, double highest, int error);
    void vdReleaseMessage();

    ReferenceString* message = nullptr;
    double value = 0.0;
};

Real operator+(const Real& a, const Real& b);
Real operator-(const Real& a, const Real& b);
Real operator*(const Real& a, const Real& b);
Real operator/(const Real& a, const Real& b);
Real operator-(const Real& a);
Real SquareRoot(const Real& a);
Real AbsoluteValue(const Real& a);

// The session file's form: one token without blanks, a number that reads back to the same double
// or a message in double quotes. No separator is written.
std::ostream& operator<<(std::ostream& out, const Real& real);

} // namespace Brosquin
