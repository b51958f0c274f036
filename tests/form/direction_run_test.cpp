// The vertical and the aligned command are the horizontal one at another
// drawing angle: whole runs, file in and file out, over generated inputs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "dimension_run.h"
#include "util/geometry.h"

namespace halvane {
namespace {

namespace fs = std::filesystem;

struct Picked {
  double X[4], Y[4];
};

// A host file at axis angle `angle` with the four points; every number in
// full precision, so that the program reads exactly these values.
std::string HostFile(double angle, const Picked& p) {
  char number[64];
  const auto text = [&](double v) {
    std::snprintf(number, sizeof number, "%.17g", v);
    return std::string(number);
  };
  std::string file = "hq\r\nhk " + text(angle) +
                     "\r\nhs 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\n"
                     "hcw 3 3 3 3 3 3 3 3 3 3\r\nhch 3 3 3 3 3 3 3 3 3 3\r\n"
                     "hcd 0 0 0 0 0 0 0 0 0 0\r\nhcc 2 2 2 2 2 2 2 2 2 2\r\n";
  for (int k = 0; k < 4; ++k) {
    file += "hp" + std::to_string(k + 1) + " " + text(p.X[k]) + " " +
            text(p.Y[k]) + "\r\n";
  }
  return file + "lg0\r\nly0\r\nlc2\r\nlt1\r\ncn1\r\n";
}

// Points at one size, sometimes with the measured points placed so that the
// dimension has no length in one of the directions.
Picked Generate(std::mt19937_64& random, double& angle) {
  std::uniform_real_distribution<double> unit(-1, 1);
  const double size =
      std::pow(10.0, std::uniform_int_distribution(0, 6)(random));
  angle = std::uniform_int_distribution(0, 3)(random) == 0
              ? 90.0 * std::uniform_int_distribution(0, 3)(random)
              : 360 * unit(random);
  Picked p;
  for (int k = 0; k < 4; ++k) {
    p.X[k] = size * unit(random);
    p.Y[k] = size * unit(random);
  }
  switch (std::uniform_int_distribution(0, 5)(random)) {
    case 0:  // the same point
      p.X[1] = p.X[0], p.Y[1] = p.Y[0];
      break;
    case 1:  // the value point on an end
      p.X[3] = p.X[1], p.Y[3] = p.Y[1];
      break;
  }
  return p;
}

class DirectionRunTest : public testing::Test {
 protected:
  // JWC_TEMP.TXT as written back by one OK press.
  std::string Run(const std::string& host, DimensionDirection direction,
                  const char* settings_case) {
    test::TempFolder folder;
    test::WriteBytes(folder.Path() / "JWC_TEMP.TXT", host);
    fs::copy_file(
        fs::path(HALVANE_TEST_DATA) / "golden" / settings_case / "t517.dat",
        folder.Path() / "t517.dat");
    const auto result = test::RunDialog(
        folder.Path(), [&](TForm1& form, int) { form.Direction = direction; });
    ++(result.Drawn ? drawn_ : refused_);
    return result.Output;
  }

  int drawn_ = 0;
  int refused_ = 0;
};

TEST_F(DirectionRunTest, VerticalAndAlignedAreHorizontalAtTheirAngle) {
  // Line arrows, glyphs, separators and figure, full width with affixes.
  const char* settings[] = {"value_beyond_start", "glyphs_1_2_reversed",
                            "angle_135_separators", "angle_180_figure",
                            "full_width_affixes"};
  std::mt19937_64 random(20261209);
  for (int n = 0; n < 40; ++n) {
    double angle = 0;
    const Picked p = Generate(random, angle);
    const char* with = settings[n % std::size(settings)];
    const std::string vertical =
        Run(HostFile(angle, p), DimensionDirection::Vertical, with);
    EXPECT_EQ(vertical, Run(HostFile(angle + 90, p),
                            DimensionDirection::Horizontal, with))
        << n;
    const double along = DirectionDeg(p.X[1] - p.X[0], p.Y[1] - p.Y[0]);
    const std::string aligned =
        Run(HostFile(angle, p), DimensionDirection::Aligned, with);
    EXPECT_EQ(aligned,
              Run(HostFile(along, p), DimensionDirection::Horizontal, with))
        << n;
  }
  // Both outcomes were tried often.
  EXPECT_GT(drawn_, 80);
  EXPECT_GT(refused_, 8);
}

}  // namespace
}  // namespace halvane
