#include "ciede2000.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

using prepare::ciede2000;

namespace {

TEST(Ciede2000, GivesThePublishedValues)
{
    // Pairs of Sharma, Wu and Dalal's CIEDE2000 test data, to its four decimals.
    struct Pair
    {
        cmsCIELab a, b;
        double expected;
    };
    const Pair pairs[] = {
        {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
        {{50, 0, 0}, {50, -1, 2}, 2.3669},
        {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{2.0776, 0.0795, -1.135}, {0.9033, -0.0636, -0.5514}, 0.9082},
    };
    for (const Pair &pair : pairs) {
        EXPECT_NEAR(ciede2000(pair.a, pair.b), pair.expected, 5e-5);
        EXPECT_NEAR(ciede2000(pair.b, pair.a), pair.expected, 5e-5);
    }
}

TEST(Ciede2000, AgreesWithLittleCms)
{
    // Random colours, greys among them and pairs of opposite hues, where the
    // mean hue changes its branch.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> lightness(0, 100);
    std::uniform_real_distribution<double> axis(-128, 128);
    std::vector<cmsCIELab> colors;
    for (int i = 0; i < 20000; ++i) {
        cmsCIELab color {lightness(random), axis(random), axis(random)};
        if (i % 10 == 0)
            color.a = color.b = 0;
        colors.push_back(color);
        if (i % 10 == 1)
            colors.push_back({lightness(random), -color.a, -color.b});
    }
    for (size_t i = 0; i + 1 < colors.size(); ++i) {
        const double expected = cmsCIE2000DeltaE(&colors[i], &colors[i + 1], 1, 1, 1);
        ASSERT_NEAR(ciede2000(colors[i], colors[i + 1]), expected, 1e-9) << i;
    }
}

} // namespace
