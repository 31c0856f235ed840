#include "pagesmodule.h"

#include "commandline.h"

#include <QFileInfo>
#include <QLibrary>

QFunctionPointer pagesEntry(const char *name)
{
    // No application object exists yet to tell the program's folder.
    const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    static QLibrary module;
    if (!module.isLoaded()) {
        for (const QString &candidate : {folder + QStringLiteral("/tessamap-cli-pages.so"),
                 folder + QStringLiteral("/../lib/tessamap-cli/modules/tessamap-cli-pages.so")}) {
            module.setFileName(candidate);
            if (QFileInfo::exists(candidate) && module.load())
                break;
        }
    }
    const QFunctionPointer function = module.isLoaded() ? module.resolve(name) : nullptr;
    if (!function)
        printMessage(QStringLiteral("プログラムの一部（tessamap-cli-pages.so）を読み込めません。\n")
            + module.errorString());
    return function;
}
