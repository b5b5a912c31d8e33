#pragma once
// The build calculator's arithmetic, without widgets. Figures are int32 from data files:
// nothing here may overflow whatever they hold. Sums, halves and steps wrap modulo 2^32 as
// on the 32-bit desktop the figures were made for; a floating value that does not fit an
// int32 (or is NaN) becomes INT32_MIN, as the x87 conversion gives there.
#include <cstdint>
#include <string>

namespace shiptab {

// a + b, a - b and a + 1 / a - 1 modulo 2^32.
int32_t WrapAdd(int32_t a, int32_t b);
int32_t WrapSub(int32_t a, int32_t b);

// Cabins: n + n/2 at most; at least the larger of n - n/2 and m + m/5 (m the minimum base).
int32_t CabinMaximum(int32_t defaultCabins);
int32_t CabinMinimum(int32_t defaultCabins, int32_t minimumCabinsBase);
// Gun ports: n + n/2 at most, n - n/2 at least.
int32_t PortMaximum(int32_t defaultPorts);
int32_t PortMinimum(int32_t defaultPorts);

// Cabins + gun ports + hold of the standard build: the capacity at 0 percent.
int32_t BaseCapacity(int32_t defaultCabins, int32_t defaultPorts, int32_t defaultHold);
// (percent + 100) x base x 0.01, in extended precision, truncated: the same as the integer
// quotient by 100 with the product in 64 bits, which is how it is worked out.
int32_t CurrentCapacity(int32_t percent, int32_t baseCapacity);
// What stays for the hold once cabins and gun ports are allotted.
int32_t Hold(int32_t capacity, int32_t cabins, int32_t ports);

// The price as shown, in x87 extended precision (see Extended.h): price x factor rounded to
// double, scaled by 1 + |percent| x 0.01 and rounded to double again, then + 0.5 and
// truncated. The rounding steps are part of the result: some prices come out one lower or
// higher without them.
int32_t ShownPrice(int32_t price, double priceFactor, int32_t percent);

// One step of an allotment within its bounds; each looks only at the bound it moves toward.
int32_t StepUpTo(int32_t value, int32_t maximum);
int32_t StepDownTo(int32_t value, int32_t minimum);

// "  n": two blanks, then the figure.
std::string FigureText(int32_t value);
// A material figure in the list: "?" when missing (-1), else the figure.
std::string MaterialFigure(int32_t value);
// A material figure in its value box: "  ?" when missing, else "  n".
std::string MaterialFigureText(int32_t value);
// printf "  %+3d%%": the ratio always with its sign, at least three wide.
std::string PercentText(int32_t percent);

} // namespace shiptab
