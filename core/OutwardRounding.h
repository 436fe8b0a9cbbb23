#pragma once

namespace Brosquin
{

// Bounds of exact results from results rounded to nearest: each returns the rounded result when
// it is exact, otherwise its neighbour on the named side, so that the exact result always lies on
// the right side of it. The arguments are finite; results stay finite for arguments within the
// range of a Real.
double SumDown(double a, double b);
double SumUp(double a, double b);
double DifferenceDown(double a, double b);
double DifferenceUp(double a, double b);
double ProductDown(double a, double b);
double ProductUp(double a, double b);
double QuotientDown(double a, double b);
double QuotientUp(double a, double b);
double SquareRootDown(double x);
double SquareRootUp(double x);

// A value of an elementary function of the C library moved outward past the library's error:
// glibc documents at most 2 units in the last place for the functions used here (exp, log,
// log10, sin, cos, tan, asin, acos, atan, sinh, cosh, tanh), and the value is moved by 4. A value
// the caller knows to be exact (log 1, exp 0, sin 0, ...) is passed with exact set and kept.
double LibraryDown(double value, bool exact);
double LibraryUp(double value, bool exact);

// A value with a relative error of at most relative and an absolute error of at most absolute,
// moved outward past both.
double ErrorDown(double value, double relative, double absolute);
double ErrorUp(double value, double relative, double absolute);

} // namespace Brosquin
