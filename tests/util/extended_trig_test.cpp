#include "util/extended_trig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace halvane {
namespace {

struct TrigCase {
  double t;
  double sine;  // correctly rounded, from a 2000-bit reference
  double cosine;
};

// Radian values as RotatePoint makes them from degrees, multiples of pi/2
// (where x87 fsin/fcos keep only a few digits) and large arguments.
constexpr TrigCase kCases[] = {
    {0x1.0c152382d7366p-1, 0x1.0000000000000p-1, 0x1.bb67ae8584caap-1},
    {0x1.921fb54442d18p-1, 0x1.6a09e667f3bccp-1, 0x1.6a09e667f3bcdp-1},
    {0x1.921fb54442d18p+0, 0x1.0000000000000p+0, 0x1.1a62633145c07p-54},
    {0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53, -0x1.0000000000000p+0},
    {0x1.2d97c7f3321d2p+2, -0x1.0000000000000p+0, -0x1.a79394c9e8a0ap-53},
    {0x1.921fb54442d18p+2, -0x1.1a62633145c07p-52, 0x1.0000000000000p+0},
    {0x1.f6a7a2955385ep+2, 0x1.0000000000000p+0, 0x1.60fafbfd97309p-52},
    {-0x1.921fb54442d18p+0, -0x1.0000000000000p+0, 0x1.1a62633145c07p-54},
    {-0x1.921fb54442d18p+1, -0x1.1a62633145c07p-53, -0x1.0000000000000p+0},
    {0x1.10b52b8a59179p+14, -0x1.f838b8c811164p-1, 0x1.63a1a7e0c6643p-3},
    {0x1.0d57474965437p+11, -0x1.9393c3aa77c51p-2, 0x1.d68efde6f854fp-1},
    {0x1.fbf529a040e97p+43, -0x1.f84bf6365aa4cp-1, 0x1.61ec1c5cf3e15p-3},
    {0.0, 0.0, 1.0},
    {0x1.56e1fc2f8f359p-997, 0x1.56e1fc2f8f359p-997, 1.0},
    {0.5, 0x1.eaee8744b05f0p-2, 0x1.c1528065b7d50p-1},
    {-0.5, -0x1.eaee8744b05f0p-2, 0x1.c1528065b7d50p-1},
    {0x1.921fb54442d19p-1, 0x1.6a09e667f3bcdp-1, 0x1.6a09e667f3bccp-1},
    {100.0, -0x1.03425b78c4db8p-1, 0x1.b981dbf665fdfp-1},
    {1e6, -0x1.6664b2568d867p-2, 0x1.df9df9906d32cp-1},
    {1e22, -0x1.b453ab76bf397p-1, 0x1.0be2cef01c8f4p-1},
    {-1e22, 0x1.b453ab76bf397p-1, 0x1.0be2cef01c8f4p-1},
    // Every 110 binary places or so, so each word of the 2/pi table counts.
    {1e61, 0x1.4ba7a4c45440cp-2, 0x1.e466e72f964a5p-1},
    {1e94, 0x1.f9af07aad8e71p-1, 0x1.40b2e81993a09p-3},
    {1e127, -0x1.3b2deab552a28p-1, -0x1.937e01f3230cfp-1},
    {1e160, 0x1.8bcb656cc5222p-2, 0x1.d83552e9f0246p-1},
    {1e193, -0x1.ddff5e0b39f7fp-1, -0x1.6ef2347ae89c5p-2},
    {1e226, -0x1.94dfdb28c6e04p-1, -0x1.3966dc80f008ep-1},
    {1e300, -0x1.a2c16b010e385p-1, -0x1.2699022adc4c1p-1},
    {0x1.fffffffffffffp+1023, 0x1.452fc98b34e97p-8, -0x1.fffe62ecfab75p-1},
    // The double nearest to a multiple of pi/2: |r| is about 2^-61.
    {0x1.6ac5b262ca1ffp+849, 0x1.0000000000000p+0, -0x1.14ae72e6ba22fp-61},
};

TEST(SinCosExtended, MatchesTheReferenceToTheLastBitOfADouble) {
  for (const TrigCase& c : kCases) {
    long double sine = 0;
    long double cosine = 0;
    SinCosExtended(c.t, sine, cosine);
    EXPECT_EQ(static_cast<double>(sine), c.sine) << std::hexfloat << c.t;
    EXPECT_EQ(static_cast<double>(cosine), c.cosine) << std::hexfloat << c.t;
  }
}

// Near pi/2 the cosine is the tiny distance itself; an fcos-style reduction
// with a 66-bit pi is already wrong in the fifth digit here.
TEST(SinCosExtended, KeepsFullPrecisionNextToAQuarterTurn) {
  long double sine = 0;
  long double cosine = 0;
  SinCosExtended(0x1.921fb54442d18p+0, sine, cosine);
  const long double expected = 6.123233995736765886130329661375001e-17L;
  EXPECT_LT(std::fabs(cosine - expected), expected * 0x1p-60L);
  EXPECT_EQ(sine, 1.0L);
}

TEST(SinCosExtended, NonFiniteArgumentsGiveNaN) {
  for (double t : {std::numeric_limits<double>::infinity(),
                   -std::numeric_limits<double>::infinity(),
                   std::numeric_limits<double>::quiet_NaN()}) {
    long double sine = 0;
    long double cosine = 0;
    SinCosExtended(t, sine, cosine);
    EXPECT_TRUE(std::isnan(sine));
    EXPECT_TRUE(std::isnan(cosine));
  }
}

}  // namespace
}  // namespace halvane
