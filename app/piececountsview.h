// The pieces each colour of the result takes: up to 32 small swatches in rows
// of eight, in the order of the colour numbers the picture will get, each
// with its number on it and its count below; hovering one names it as the
// palette does (「色3:　50,50,52　Black　80-19018」).
#pragma once

#include "palettefile.h"
#include "prepare.h"

#include <QWidget>

class PieceCountsView : public QWidget
{
    Q_OBJECT
public:
    explicit PieceCountsView(QWidget *parent);
    // counts in colour number order; palette names the colours of the same RGB value.
    void setCounts(const QList<prepare::ColorCount> &counts, const QList<PaletteColor> &palette);
    const QList<prepare::ColorCount> &counts() const { return m_counts; }
    // The hover text of the swatch of colour number (from 1).
    QString toolTipOf(int number) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QRect cellOf(int index) const;

    QList<prepare::ColorCount> m_counts;
    QList<PaletteColor> m_named; // one a colour, empty where the palette has none
};
