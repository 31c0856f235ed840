// Modal dialogs behind one interface, so that windows never open a real dialog
// in tests. Texts may break lines with CR LF or a lone CR.
#pragma once

#include "palettefile.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Dialogs
{
public:
    enum class Icon { Information, Exclamation };
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs() = default;

    // The first button is the default; closing the box counts as Cancel (or No).
    virtual Answer messageBox(const QString &text, const QString &title, Icon icon, Buttons buttons)
        = 0;
    // The full path of the chosen file, or nothing on cancel.
    virtual std::optional<QString> getOpenFileName(
        const QString &initialDirectory, const QString &filterDescription, const QString &pattern)
        = 0;
    struct ChosenFile
    {
        QString path;
        int filterIndex = 0; // of the filter selected when the dialog was confirmed
    };
    // An open dialog with one entry per filter ("BMPファイル(*.bmp)"), the
    // first selected; the full path and the selected filter, or nothing on cancel.
    virtual std::optional<ChosenFile> chooseOpenFile(
        const QString &initialDirectory, const QStringList &filters)
        = 0;
    // A save dialog in the proposed file's folder, with the one filter; a name
    // typed without a suffix gets defaultSuffix. Nothing on cancel.
    virtual std::optional<QString> chooseSaveFile(
        const QString &proposedPath, const QString &filter, const QString &defaultSuffix)
        = 0;
    // The same, the confirmed name passing through nameRule before the dialog
    // asks whether to replace an existing file, so that the question names the
    // file that will be written. By default chooseSaveFile's name as it is.
    using NameRule = std::function<QString(const QString &)>;
    virtual std::optional<QString> chooseSaveFileByRule(const QString &proposedPath,
        const QString &filter, const QString &defaultSuffix, const NameRule &)
    {
        return chooseSaveFile(proposedPath, filter, defaultSuffix);
    }
    // The colour dialog starting at initial; nothing on cancel.
    virtual std::optional<QColor> chooseColor(const QColor &initial, const QString &title) = 0;
    // 「持っている色を選ぶ」 for a piece set (see ownedcolorsdialog.h): its colours,
    // owned (one a colour) ticked; the ticks, at least one, or nothing on cancel.
    virtual std::optional<QList<bool>> chooseOwnedColors(
        const QString &setName, const QList<PaletteColor> &colors, const QList<bool> &owned)
        = 0;
    // The printer dialog on the process-wide printer; false on cancel.
    virtual bool showPrinter() = 0;
};
