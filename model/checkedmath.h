#pragma once

namespace quelbor::checked {

// Arithmetic of the calculation. Each operation throws CalculationError at once when it
// faults, so a calculation stops at the exact step that went wrong.
double add(double a, double b);
double sub(double a, double b);
double mul(double a, double b);
double div(double a, double b); // zero divisor (0/0 too): DivisionByZero
double pow(double a, double b); // negative base, fractional exponent: InvalidArgument
double ln(double v);            // v <= 0: InvalidArgument
float toSingle(double v);       // beyond the float range after rounding: Overflow

// Rounds to single precision without throwing: a value beyond the float range becomes
// infinite and raises the floating-point overflow flag for the next status test.
float toSingleFlagged(double v);

// 1.0 / 3.0, computed afresh, followed by the status test.
double oneThird();

} // namespace quelbor::checked
