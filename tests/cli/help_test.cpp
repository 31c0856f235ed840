#include "clirun.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The program's environment with only LANG choosing the language.
QProcessEnvironment environmentWithLanguage(const QString &lang)
{
    QProcessEnvironment environment = environmentWithoutDisplay();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), lang);
    return environment;
}

// The names on the option lines, "  -o, --out <folder>  Write into ...".
QStringList optionNames(const QString &help)
{
    QStringList names;
    static const QRegularExpression name(QStringLiteral("--?[a-z?][a-z-]*"));
    for (const QString &line : help.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("  -"))) {
            for (const QRegularExpressionMatch &match : name.globalMatch(line.section("  ", 1, 1)))
                names.append(match.captured());
        }
    }
    return names;
}

} // namespace

// ja_JP.UTF-8 need not be a generated locale: Qt reads LANG itself.
TEST(CliHelp, JapaneseUnderAJapaneseLocaleAndEnglishOtherwiseWithTheSameOptions)
{
    const struct
    {
        QStringList arguments;
        QStringList options; // every option the help must list
        QString ownExitStatus; // a line of the English help only this command has
    } commands[] = {
        {{"--help"}, {}, "Commands:"},
        {{"export", "--help"},
            {"-o", "--out", "--csv", "--sample-sheet", "--matrix", "--block", "--overview",
                "--blocks", "--palette", "--xlsx", "--actual-size", "--paper", "--board"},
            "wins over 2"},
        {{"list", "-h"},
            {"--json", "--blocks", "--palette", "--shopping", "--spare", "--bag", "--csv"},
            "3  the picture, the palette file or the chart file is unreadable or\n"},
        {{"progress", "--help"},
            {"--done", "--undone", "--builder", "--no-builder", "--blocks", "--json"},
            "a label that is not a block"},
        {{"prepare", "--help"},
            {"--colors", "--palette", "--without", "--min-pieces", "--dither", "--fit", "--background",
                "--region", "--brightness", "--contrast", "--saturation"},
            "does not end in .bmp"},
        {{"palettes", "--help"}, {}, "an id that names no set"},
    };
    for (const auto &command : commands) {
        SCOPED_TRACE(command.arguments.join(' ').toStdString());
        const CliRun english = runCli(command.arguments, environmentWithLanguage("C"));
        const CliRun japanese = runCli(command.arguments, environmentWithLanguage("ja_JP.UTF-8"));
        ASSERT_EQ(english.exitCode, 0) << english.err.toStdString();
        ASSERT_EQ(japanese.exitCode, 0) << japanese.err.toStdString();
        EXPECT_TRUE(english.out.contains(command.ownExitStatus)) << english.out.toStdString();
        EXPECT_FALSE(english.out.contains(QStringLiteral("終了ステータス")));
        EXPECT_TRUE(japanese.out.contains(QStringLiteral("使い方: tessamap-cli ")))
            << japanese.out.toStdString();
        EXPECT_FALSE(japanese.out.contains(QStringLiteral("Usage:")));
        QStringList expected = command.options;
        // Every command's own help lists them; the overview lists none.
        if (command.arguments.size() > 1)
            expected += {"-h", "--help", "-?", "-v", "--version"};
        expected.sort();
        for (const CliRun *run : {&english, &japanese}) {
            QStringList listed = optionNames(run->out);
            listed.sort();
            EXPECT_EQ(listed, expected) << run->out.toStdString();
        }
    }
}
