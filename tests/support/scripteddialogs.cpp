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

std::optional<Dialogs::ChosenFile> ScriptedDialogs::chooseOpenFile(
    const QString &initialDirectory, const QStringList &filters)
{
    lastInitialDirectory = initialDirectory;
    lastFilters = filters;
    // The first filter, selected on opening, as the single-filter dialog records it.
    lastFilterDescription = filters.value(0);
    const qsizetype open = lastFilterDescription.lastIndexOf(QLatin1Char('('));
    lastPattern = open < 0
        ? QString()
        : lastFilterDescription.mid(open + 1, lastFilterDescription.size() - open - 2);
    const std::optional<QString> path = takeFront(fileChoices, std::optional<QString>());
    const int filter = takeFront(filterChoices, 0);
    if (!path)
        return std::nullopt;
    return ChosenFile {*path, filter};
}

std::optional<QString> ScriptedDialogs::chooseSaveFileByRule(const QString &proposedPath,
    const QString &filter, const QString &defaultSuffix, const NameRule &nameRule)
{
    lastNameRule = nameRule;
    return chooseSaveFile(proposedPath, filter, defaultSuffix);
}

std::optional<QString> ScriptedDialogs::chooseSaveFile(
    const QString &proposedPath, const QString &filter, const QString &defaultSuffix)
{
    lastProposedPath = proposedPath;
    lastFilterDescription = filter;
    lastDefaultSuffix = defaultSuffix;
    return takeFront(saveChoices, std::optional<QString>());
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor &, const QString &)
{
    return takeFront(colorChoices, std::optional<QColor>());
}

std::optional<QList<bool>> ScriptedDialogs::chooseOwnedColors(
    const QString &setName, const QList<PaletteColor> &colors, const QList<bool> &owned)
{
    lastSetName = setName;
    lastSetColors = colors;
    lastOwned = owned;
    return takeFront(ownedChoices, std::optional<QList<bool>>());
}

bool ScriptedDialogs::showPrinter()
{
    ++printerDialogs;
    return takeFront(printerChoices, true);
}
