#include "coordinatesystem.h"
#include "printsurface.h"

#include <gtest/gtest.h>

namespace {

constexpr double Width = 201.54;
constexpr double Height = 288.54;
constexpr double Tolerance = 1e-9;

void expectPoint(QPointF actual, double x, double y)
{
    EXPECT_NEAR(actual.x(), x, Tolerance);
    EXPECT_NEAR(actual.y(), y, Tolerance);
}

TEST(CoordinateSystemTest, StartsInTwipsFromTheTopLeftOfThePrintableArea)
{
    const CoordinateSystem coordinates(QSizeF(Width, Height));
    EXPECT_NEAR(coordinates.scaleWidth(), Width / 25.4 * 1440, Tolerance);
    EXPECT_NEAR(coordinates.scaleHeight(), Height / 25.4 * 1440, 1e-6);
    expectPoint(coordinates.toMillimetres(QPointF(1440, 720)), 25.4, 12.7);
}

TEST(CoordinateSystemTest, MillimetresMapOneToOne)
{
    CoordinateSystem coordinates(QSizeF(Width, Height));
    coordinates.setScaleMode(PrintSurface::ScaleModeMillimetres);
    EXPECT_NEAR(coordinates.scaleWidth(), Width, Tolerance);
    EXPECT_NEAR(coordinates.scaleHeight(), Height, Tolerance);
    expectPoint(coordinates.toMillimetres(QPointF(10, 20)), 10, 20);
}

TEST(CoordinateSystemTest, PageSetUpUnitsSpanThePrintableAreaLessOne)
{
    CoordinateSystem coordinates(QSizeF(Width, Height));
    coordinates.setUserScale(-20, -20, Width - 21, Height - 21);
    const double across = Width / (Width - 1);
    const double down = Height / (Height - 1);

    EXPECT_NEAR(coordinates.scaleWidth(), Width - 1, Tolerance);
    EXPECT_NEAR(coordinates.scaleHeight(), Height - 1, Tolerance);
    expectPoint(coordinates.toMillimetres(QPointF(-20, -20)), 0, 0);
    expectPoint(coordinates.toMillimetres(QPointF(Width - 21, Height - 21)), Width, Height);
    expectPoint(coordinates.toMillimetres(QPointF(0, 0)), 20 * across, 20 * down);
    expectPoint(coordinates.toMillimetres(QPointF(130, 220)), 150 * across, 240 * down);

    const QSizeF swatch = coordinates.toMillimetres(QSizeF(15, 15));
    EXPECT_NEAR(swatch.width(), 15 * across, Tolerance);
    EXPECT_NEAR(swatch.height(), 15 * down, Tolerance);
}

TEST(CoordinateSystemTest, UserUnitsFollowAChangedPrintableArea)
{
    CoordinateSystem coordinates(QSizeF(Width, Height));
    coordinates.setUserScale(0, 0, 100, 100);
    coordinates.setPrintableArea(QSizeF(200, 50));
    expectPoint(coordinates.toMillimetres(QPointF(50, 50)), 100, 25);
    EXPECT_NEAR(coordinates.scaleWidth(), 100, Tolerance);
}

TEST(CoordinateSystemTest, ResetAndScaleModeDropTheUserOrigin)
{
    CoordinateSystem coordinates(QSizeF(Width, Height));
    coordinates.setUserScale(-20, -20, 80, 80);
    coordinates.setScaleMode(PrintSurface::ScaleModeMillimetres);
    expectPoint(coordinates.toMillimetres(QPointF(0, 0)), 0, 0);

    coordinates.setUserScale(-20, -20, 80, 80);
    coordinates.reset();
    expectPoint(coordinates.toMillimetres(QPointF(1440, 0)), 25.4, 0);
}

TEST(CoordinateSystemTest, NextLineReturnsToTheLeftEdgeOneLineDown)
{
    CoordinateSystem coordinates(QSizeF(Width, Height));
    coordinates.setUserScale(-20, -20, Width - 21, Height - 21);
    const QPointF next = coordinates.nextLine(QPointF(42, 45), 4.0);
    EXPECT_NEAR(next.x(), -20, Tolerance);
    EXPECT_NEAR(next.y(), 45 + 4.0 * (Height - 1) / Height, Tolerance);
}

TEST(CoordinateSystemTest, RefusesUnknownModesAndEmptyScales)
{
    CoordinateSystem coordinates(QSizeF(Width, Height));
    EXPECT_THROW(coordinates.setScaleMode(3), PrintError);
    EXPECT_THROW(coordinates.setUserScale(5, 0, 5, 10), PrintError);
    EXPECT_THROW(coordinates.setUserScale(0, 5, 10, 5), PrintError);
}

} // namespace
