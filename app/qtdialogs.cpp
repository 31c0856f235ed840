#include "qtdialogs.h"

#include "formcontrols.h"
#include "ownedcolorsdialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace {

// Qt's save dialog, the name rule applied to the confirmed name before Qt asks
// about replacing an existing file.
class SaveDialog : public QFileDialog
{
public:
    SaveDialog(QWidget *parent, const Dialogs::NameRule &nameRule)
        : QFileDialog(parent)
        , m_nameRule(nameRule)
    { }

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (m_nameRule && files.size() == 1 && !QFileInfo(files.constFirst()).isDir()) {
            const QString named = m_nameRule(files.constFirst());
            // Qt leaves the typed name alone while its field has the focus.
            if (named != files.constFirst()) {
                if (QWidget *focused = focusWidget())
                    focused->clearFocus();
                selectFile(named);
            }
        }
        QFileDialog::accept();
    }

private:
    const Dialogs::NameRule &m_nameRule;
};

} // namespace

QtDialogs::QtDialogs(QPrinter *printer)
    : m_printer(printer)
{ }

Dialogs::Answer QtDialogs::messageBox(
    const QString &text, const QString &title, Icon icon, Buttons buttons)
{
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::Warning,
        title, shownText(text), QMessageBox::NoButton, QApplication::activeWindow());
    switch (buttons) {
    case Buttons::Ok:
        box.setDefaultButton(box.addButton(QMessageBox::Ok));
        break;
    case Buttons::OkCancel:
        box.setDefaultButton(box.addButton(QMessageBox::Ok));
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
        break;
    case Buttons::YesNo:
        box.setDefaultButton(box.addButton(QMessageBox::Yes));
        box.setEscapeButton(box.addButton(QMessageBox::No));
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

std::optional<QString> QtDialogs::getOpenFileName(
    const QString &initialDirectory, const QString &filterDescription, const QString &pattern)
{
    // Qt reads the patterns from the parentheses at the end of a filter.
    const QString suffix = QLatin1Char('(') + pattern + QLatin1Char(')');
    const QString filter = filterDescription.endsWith(suffix)
        ? filterDescription
        : filterDescription + QLatin1Char(' ') + suffix;
    const QString path = QFileDialog::getOpenFileName(
        QApplication::activeWindow(), QString(), initialDirectory, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<Dialogs::ChosenFile> QtDialogs::chooseOpenFile(
    const QString &initialDirectory, const QStringList &filters)
{
    QFileDialog dialog(QApplication::activeWindow(), QString(), initialDirectory);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ChosenFile {dialog.selectedFiles().constFirst(),
        int(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))};
}

std::optional<QString> QtDialogs::chooseSaveFile(
    const QString &proposedPath, const QString &filter, const QString &defaultSuffix)
{
    return chooseSaveFileByRule(proposedPath, filter, defaultSuffix, {});
}

std::optional<QString> QtDialogs::chooseSaveFileByRule(const QString &proposedPath,
    const QString &filter, const QString &defaultSuffix, const NameRule &nameRule)
{
    SaveDialog dialog(QApplication::activeWindow(), nameRule);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> QtDialogs::chooseColor(const QColor &initial, const QString &title)
{
    const QColor color = QColorDialog::getColor(initial, QApplication::activeWindow(), title);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<QList<bool>> QtDialogs::chooseOwnedColors(
    const QString &setName, const QList<PaletteColor> &colors, const QList<bool> &owned)
{
    OwnedColorsDialog dialog(setName, colors, owned, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.owned();
}

bool QtDialogs::showPrinter()
{
    QPrintDialog dialog(m_printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}
