// The dialogs of the running program: QMessageBox, QFileDialog and QPrintDialog.
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
    bool showPrinter() override;

private:
    QPrinter *m_printer;
};
