// The dialogs of the running program: QMessageBox, QFileDialog, QColorDialog
// and QPrintDialog. The file dialogs the program builds itself are Qt's own,
// which report the selected filter whatever the desktop's theme.
#pragma once

#include "dialogs.h"

class QPrinter;

class QtDialogs : public Dialogs
{
public:
    // The printer dialog works on this printer, the process-wide one.
    explicit QtDialogs(QPrinter *printer);

    Answer messageBox(
        const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    std::optional<QString> getOpenFileName(const QString &initialDirectory,
        const QString &filterDescription, const QString &pattern) override;
    std::optional<ChosenFile> chooseOpenFile(
        const QString &initialDirectory, const QStringList &filters) override;
    std::optional<QString> chooseSaveFile(
        const QString &proposedPath, const QString &filter, const QString &defaultSuffix) override;
    std::optional<QString> chooseSaveFileByRule(const QString &proposedPath, const QString &filter,
        const QString &defaultSuffix, const NameRule &nameRule) override;
    std::optional<QColor> chooseColor(const QColor &initial, const QString &title) override;
    std::optional<QList<bool>> chooseOwnedColors(const QString &setName,
        const QList<PaletteColor> &colors, const QList<bool> &owned) override;
    bool showPrinter() override;

private:
    QPrinter *m_printer;
};
