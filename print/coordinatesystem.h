// The coordinate system of a printing surface: which unit drawing coordinates
// are in and where their origin lies on the printable area.
//
// Twips (1440 per inch) and millimetres have their origin at the top-left
// corner of the printable area. User units come from two corners: (x1, y1) is
// that top-left corner and (x2, y2) the bottom-right one, so the unit differs
// across and down. The printable area is in millimetres; y grows downwards.
#pragma once

#include <QPointF>
#include <QSizeF>

class CoordinateSystem
{
public:
    explicit CoordinateSystem(QSizeF printableArea);

    // The printer may change between documents, and its printable area with it;
    // user units then stretch over the new area.
    void setPrintableArea(QSizeF printableArea);

    // Back to twips.
    void reset();
    // Throws PrintError for any mode other than twips (1) and millimetres (6).
    void setScaleMode(int scaleMode);
    // Throws PrintError when the corners span no width or no height.
    void setUserScale(double x1, double y1, double x2, double y2);

    double scaleWidth() const;
    double scaleHeight() const;

    // Millimetres from the top-left corner of the printable area.
    QPointF toMillimetres(QPointF point) const;
    QSizeF toMillimetres(QSizeF extent) const;

    // Where text continues after a printed line of the given height: the left
    // edge of the printable area, one line further down.
    QPointF nextLine(QPointF position, double lineHeightMillimetres) const;

private:
    enum class Unit { Twips, Millimetres, User };

    // Millimetres per unit across and down.
    QSizeF unitSize() const;
    // The current coordinates of the printable area's top-left corner.
    QPointF origin() const;

    QSizeF m_area;
    Unit m_unit = Unit::Twips;
    QPointF m_userTopLeft;
    QPointF m_userBottomRight;
};
