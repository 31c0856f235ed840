// Modal dialogs behind one interface, so that windows never open a real dialog
// in tests. Texts may break lines with CR LF or a lone CR.
#pragma once

#include <QString>
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
    // The printer dialog on the process-wide printer; false on cancel.
    virtual bool showPrinter() = 0;
};
