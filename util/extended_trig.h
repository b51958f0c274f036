// Sine and cosine in extended precision that give the same bits with every
// C library: the argument is reduced by pi/2 exactly (x87 fsin/fcos, which
// some libraries use directly, lose most digits near multiples of pi/2).
#pragma once

namespace halvane {

// Sine and cosine of t radians; NaN for an infinite or NaN t.
void SinCosExtended(double t, long double& sine, long double& cosine);

}  // namespace halvane
