#include "coordinatesystem.h"

#include "printsurface.h"

namespace {

constexpr int ScaleModeTwips = 1;
constexpr double MillimetresPerTwip = 25.4 / 1440.0;

} // namespace

CoordinateSystem::CoordinateSystem(QSizeF printableArea)
    : m_area(printableArea)
{ }

void CoordinateSystem::setPrintableArea(QSizeF printableArea)
{
    m_area = printableArea;
}

void CoordinateSystem::reset()
{
    m_unit = Unit::Twips;
}

void CoordinateSystem::setScaleMode(int scaleMode)
{
    switch (scaleMode) {
    case ScaleModeTwips:
        m_unit = Unit::Twips;
        break;
    case PrintSurface::ScaleModeMillimetres:
        m_unit = Unit::Millimetres;
        break;
    default:
        throw PrintError("この座標の単位には対応していません。");
    }
}

void CoordinateSystem::setUserScale(double x1, double y1, double x2, double y2)
{
    if (x1 == x2 || y1 == y2)
        throw PrintError("座標の範囲に幅または高さがありません。");
    m_unit = Unit::User;
    m_userTopLeft = {x1, y1};
    m_userBottomRight = {x2, y2};
}

double CoordinateSystem::scaleWidth() const
{
    return m_area.width() / unitSize().width();
}

double CoordinateSystem::scaleHeight() const
{
    return m_area.height() / unitSize().height();
}

QPointF CoordinateSystem::toMillimetres(QPointF point) const
{
    const QPointF offset = point - origin();
    return {offset.x() * unitSize().width(), offset.y() * unitSize().height()};
}

QSizeF CoordinateSystem::toMillimetres(QSizeF extent) const
{
    return {extent.width() * unitSize().width(), extent.height() * unitSize().height()};
}

QPointF CoordinateSystem::nextLine(QPointF position, double lineHeightMillimetres) const
{
    return {origin().x(), position.y() + lineHeightMillimetres / unitSize().height()};
}

QSizeF CoordinateSystem::unitSize() const
{
    if (m_unit == Unit::User) {
        const QPointF span = m_userBottomRight - m_userTopLeft;
        return {m_area.width() / span.x(), m_area.height() / span.y()};
    }
    const double millimetres = m_unit == Unit::Twips ? MillimetresPerTwip : 1.0;
    return {millimetres, millimetres};
}

QPointF CoordinateSystem::origin() const
{
    return m_unit == Unit::User ? m_userTopLeft : QPointF();
}
