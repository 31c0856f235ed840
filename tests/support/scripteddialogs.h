// A dialogs implementation for tests: records every request and answers from
// queues the test fills. An empty queue answers with the first button, a
// cancelled file or colour dialog, or an accepted printer dialog.
#pragma once

#include "dialogs.h"

#include <QList>
#include <QString>
#include <deque>

class ScriptedDialogs : public Dialogs
{
public:
    struct Message
    {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
    };

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

    std::deque<Answer> answers;
    // Answer both open dialogs; chooseOpenFile takes filterChoices' index
    // alongside, the first filter when that queue is empty.
    std::deque<std::optional<QString>> fileChoices;
    std::deque<int> filterChoices;
    std::deque<std::optional<QString>> saveChoices;
    std::deque<std::optional<QColor>> colorChoices;
    std::deque<bool> printerChoices;
    std::deque<std::optional<QList<bool>>> ownedChoices; // empty: cancelled

    QList<Message> messages;
    QString lastInitialDirectory;
    QString lastFilterDescription;
    QString lastPattern;
    QStringList lastFilters;
    QString lastProposedPath;
    QString lastDefaultSuffix;
    NameRule lastNameRule; // the scripted choices are returned as they are
    int printerDialogs = 0;
    QString lastSetName;
    QList<PaletteColor> lastSetColors;
    QList<bool> lastOwned;
};
