#include "startup.h"

#include "formcontrols.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

void registerFontSubstitutes()
{
    // The metric-compatible proportional Gothic first, then a common CJK face.
    QFont::insertSubstitutions(
        FormFontFamily, {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
}

void setUpApplication(QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("Tessamap"));
    registerFontSubstitutes();
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}
