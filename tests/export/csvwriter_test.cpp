#include "csvmodels.h"
#include "csvwriter.h"
#include "indexerror.h"
#include "modshared.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

QByteArray contents(const QDir &directory, const QString &name)
{
    QFile file(directory.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList entries(const QDir &directory)
{
    return directory.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

class CsvWriter : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_temporary.isValid()); }

    QTemporaryDir m_temporary;
    QDir m_directory {m_temporary.path()};
};

TEST_F(CsvWriter, WritingAgainReplacesEveryFile)
{
    ASSERT_TRUE(csv::writeAnalysis(*thirtyTwoColours(), 32, m_directory).ok());
    const csv::WriteResult result = csv::writeAnalysis(*whitePicture(), 1, m_directory);

    EXPECT_TRUE(result.ok());
    EXPECT_TRUE(result.fileName.isEmpty());
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_EQ(contents(m_directory, "PixelColorNumber.csv"),
        (QByteArray("1,").repeated(159) + "1\r\n").repeated(120));
    EXPECT_EQ(contents(m_directory, "ColorData.csv"), "1,16777215\r\n");
    EXPECT_EQ(contents(m_directory, "ColorCount.csv"), "1,19200\r\n");
    EXPECT_EQ(entries(m_directory),
        QStringList({"ColorCount.csv", "ColorData.csv", "PixelColorNumber.csv"}));
}

TEST_F(CsvWriter, NoColoursEmptiesEarlierColourFiles)
{
    ASSERT_TRUE(csv::writeAnalysis(*thirtyTwoColours(), 32, m_directory).ok());
    ASSERT_TRUE(csv::writeAnalysis(modShared {}, 0, m_directory).ok());

    EXPECT_EQ(contents(m_directory, "PixelColorNumber.csv").size(), 120 * (160 + 159 + 2));
    EXPECT_EQ(contents(m_directory, "ColorData.csv"), "");
    EXPECT_EQ(contents(m_directory, "ColorCount.csv"), "");
}

// A directory under the second name stops the export there, whoever runs it.
TEST_F(CsvWriter, FailureStopsAtThatFileAndKeepsTheOthers)
{
    ASSERT_TRUE(m_directory.mkdir("ColorData.csv"));
    QFile earlier(m_directory.filePath("ColorCount.csv"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier\r\n");
    earlier.close();

    const csv::WriteResult result = csv::writeAnalysis(*whitePicture(), 1, m_directory);

    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.failure, csv::WriteResult::Failure::Create);
    EXPECT_EQ(result.fileName, "ColorData.csv");
    EXPECT_EQ(result.message,
        QStringLiteral("ファイル「ColorData.csv」を作成できません。\r\n")
            + m_directory.filePath("ColorData.csv"));
    EXPECT_EQ(contents(m_directory, "PixelColorNumber.csv").size(), 38520);
    EXPECT_EQ(contents(m_directory, "ColorCount.csv"), "earlier\r\n");
    EXPECT_TRUE(QDir(m_directory.filePath("ColorData.csv")).isEmpty());
    EXPECT_EQ(entries(m_directory),
        QStringList({"ColorCount.csv", "ColorData.csv", "PixelColorNumber.csv"}));
}

TEST_F(CsvWriter, RemovedFolderFailsOnTheFirstFile)
{
    QDir gone(m_directory.filePath("gone"));
    ASSERT_TRUE(m_directory.mkdir("gone"));
    ASSERT_TRUE(m_directory.rmdir("gone"));

    const csv::WriteResult result = csv::writeAnalysis(*whitePicture(), 1, gone);

    EXPECT_EQ(result.failure, csv::WriteResult::Failure::Create);
    EXPECT_EQ(result.fileName, "PixelColorNumber.csv");
    EXPECT_TRUE(result.message.contains(gone.filePath("PixelColorNumber.csv")));
    EXPECT_FALSE(gone.exists());
    EXPECT_TRUE(entries(m_directory).isEmpty());
}

TEST_F(CsvWriter, ColourCountBeyondThePaletteTouchesNoFile)
{
    EXPECT_THROW(csv::writeAnalysis(*whitePicture(), 33, m_directory), IndexError);
    EXPECT_TRUE(entries(m_directory).isEmpty());
}

} // namespace
