// Building blocks of the three windows: geometry in twips (15 per pixel), the
// window font, colour values as QColor, and labels and buttons named after
// their controls so that tests find them with findChild.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <cstdint>

class QLabel;
class QPixmap;
class QPushButton;
class QWidget;

constexpr int TwipsPerPixel = 15;

QRect twipsRect(int left, int top, int width, int height);
QSize twipsSize(int width, int height);

QFont formFont(double points, bool bold = false, bool italic = false);

QColor toQColor(int32_t colorValue);

// Line breaks written as CR LF or a lone CR, as Qt shows them.
QString shownText(const QString &text);

// The name of element index of a control array: "lblP(37)".
QString controlArrayName(const char *name, int index);

QLabel *addLabel(QWidget *form, const QString &name, const QString &caption, const QRect &rect);
QLabel *addPicture(QWidget *form, const QString &name, const QPixmap &picture, const QRect &rect);
QPushButton *addButton(
    QWidget *form, const QString &name, const QString &caption, const QRect &rect);

// Any other control, named and placed likewise.
template<typename Control>
Control *addControl(QWidget *form, const QString &name, const QRect &rect)
{
    auto *control = new Control(form);
    control->setObjectName(name);
    control->setGeometry(rect);
    return control;
}

void setSingleBorder(QLabel *label);
void setBackgroundColor(QWidget *widget, const QColor &color);
void setTextColor(QWidget *widget, const QColor &color);
// A colour most of the way to white (the alpha bits kept opaque), for the
// cells that are not the highlighted colour.
quint32 fadedColor(quint32 rgb);
// The system colours "window background" and "window text" of the user's scheme.
void useWindowColors(QWidget *widget);
