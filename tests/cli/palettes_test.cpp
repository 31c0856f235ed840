#include "clirun.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

// The sets and their colours as the shared colour lists hold them.
TEST(CliPalettes, ListsTheSevenSetsAndEachSetsColours)
{
    const CliRun run = runCli({"palettes"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const struct
    {
        QString id;
        QString size;
        int colors;
    } sets[] = {{"perler", "5", 103}, {"perler-mini", "2.6", 41}, {"hama", "5", 92},
        {"hama-mini", "2.5", 78}, {"artkal-s", "5", 199}, {"artkal-c", "2.6", 174},
        {"nabbi", "5", 30}};
    ASSERT_EQ(lines.size(), std::size(sets)) << run.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("perler       5 mm     103 色  パーラービーズ"));
    static const QRegularExpression colorLine(QStringLiteral("^\\S+ +\\d+,\\d+,\\d+ +\\S"));
    for (size_t k = 0; k < std::size(sets); ++k) {
        const QStringList fields = lines[k].simplified().split(QLatin1Char(' '));
        EXPECT_EQ(fields.mid(0, 4),
            QStringList({sets[k].id, sets[k].size, "mm", QString::number(sets[k].colors)}));
        const CliRun colors = runCli({"palettes", sets[k].id});
        ASSERT_EQ(colors.exitCode, 0) << colors.err.toStdString();
        const QStringList colorLines = colors.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        EXPECT_EQ(colorLines.size(), sets[k].colors) << sets[k].id.toStdString();
        for (const QString &line : colorLines)
            EXPECT_TRUE(colorLine.match(line).hasMatch()) << line.toStdString();
    }
    EXPECT_EQ(runCli({"palettes", "perler"}).out.section(QLatin1Char('\n'), 0, 0),
        QStringLiteral("80-15179  48,85,69     Evergreen"));

    const CliRun unknown = runCli({"palettes", "pearler"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("「pearler」"))) << unknown.err.toStdString();
    EXPECT_TRUE(unknown.out.isEmpty());
}
