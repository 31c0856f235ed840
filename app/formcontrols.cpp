#include "formcontrols.h"

#include "colorvalue.h"
#include "fontface.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>

QRect twipsRect(int left, int top, int width, int height)
{
    return {qRound(left / double(TwipsPerPixel)), qRound(top / double(TwipsPerPixel)),
        qRound(width / double(TwipsPerPixel)), qRound(height / double(TwipsPerPixel))};
}

QSize twipsSize(int width, int height)
{
    return twipsRect(0, 0, width, height).size();
}

QFont formFont(double points, bool bold, bool italic)
{
    QFont font(TessamapFontFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QColor toQColor(int32_t colorValue)
{
    return QColor(
        colorvalue::red(colorValue), colorvalue::green(colorValue), colorvalue::blue(colorValue));
}

quint32 fadedColor(quint32 rgb)
{
    const auto fade = [](int component) { return component + (255 - component) * 3 / 4; };
    return qRgb(fade(qRed(rgb)), fade(qGreen(rgb)), fade(qBlue(rgb)));
}

QString shownText(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n?"));
    QString shown = text;
    return shown.replace(lineBreak, QStringLiteral("\n"));
}

QString controlArrayName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QLabel *addLabel(QWidget *form, const QString &name, const QString &caption, const QRect &rect)
{
    auto *label = new QLabel(shownText(caption), form);
    label->setObjectName(name);
    label->setGeometry(rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QLabel *addPicture(QWidget *form, const QString &name, const QPixmap &picture, const QRect &rect)
{
    QLabel *label = addLabel(form, name, QString(), rect);
    label->setPixmap(picture);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton *addButton(
    QWidget *form, const QString &name, const QString &caption, const QRect &rect)
{
    auto *button = new QPushButton(shownText(caption), form);
    button->setObjectName(name);
    button->setGeometry(rect);
    button->setAutoDefault(false);
    return button;
}

void setSingleBorder(QLabel *label)
{
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
}

void setBackgroundColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void useWindowColors(QWidget *widget)
{
    const QPalette system = QApplication::palette();
    setBackgroundColor(widget, system.color(QPalette::Base));
    setTextColor(widget, system.color(QPalette::Text));
}
