// The pieces each colour of the result takes: up to 32 small swatches, each
// with its count below, in rows of eight.
#pragma once

#include "prepare.h"

#include <QWidget>

class PieceCountsView : public QWidget
{
    Q_OBJECT
public:
    explicit PieceCountsView(QWidget *parent);
    void setCounts(const QList<prepare::ColorCount> &counts);
    const QList<prepare::ColorCount> &counts() const { return m_counts; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<prepare::ColorCount> m_counts;
};
