// A dialogs implementation for tests: records every request and answers from
// queues the test fills. An empty queue answers with the first button, a
// cancelled file dialog, or an accepted printer dialog.
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
    bool showPrinter() override;

    std::deque<Answer> answers;
    std::deque<std::optional<QString>> fileChoices;
    std::deque<bool> printerChoices;

    QList<Message> messages;
    QString lastInitialDirectory;
    QString lastFilterDescription;
    QString lastPattern;
    int printerDialogs = 0;
};
