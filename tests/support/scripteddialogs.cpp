#include "scripteddialogs.h"

namespace {

template<typename T> T takeFront(std::deque<T> &queue, T fallback)
{
    if (queue.empty())
        return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
}

} // namespace

Dialogs::Answer ScriptedDialogs::messageBox(
    const QString &text, const QString &title, Icon icon, Buttons buttons)
{
    messages.append({text, title, icon, buttons});
    const Answer first = buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    return takeFront(answers, first);
}

std::optional<QString> ScriptedDialogs::getOpenFileName(
    const QString &initialDirectory, const QString &filterDescription, const QString &pattern)
{
    lastInitialDirectory = initialDirectory;
    lastFilterDescription = filterDescription;
    lastPattern = pattern;
    return takeFront(fileChoices, std::optional<QString>());
}

bool ScriptedDialogs::showPrinter()
{
    ++printerDialogs;
    return takeFront(printerChoices, true);
}
