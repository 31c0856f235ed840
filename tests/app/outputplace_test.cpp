#include "failuremessage.h"
#include "outputplace.h"
#include "windowfixture.h"
#include "writefailure.h"

#include <QFile>
#include <algorithm>

namespace {

// procfs takes no new files, not even from root, who may write anywhere else.
const QString ReadOnlyFolder = QStringLiteral("/proc/self");

class OutputPlaceTest : public WindowFixture
{
protected:
    QString pictureIn(const QString &subfolder, int colors)
    {
        QDir(folder.path()).mkpath(subfolder);
        return TestPicture::withColors(colors).save(folder.filePath(subfolder + "/picture.bmp"));
    }
    QStringList filesIn(const QString &subfolder) const
    {
        return QDir(folder.filePath(subfolder)).entryList(QDir::Files, QDir::Name);
    }
    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(OutputPlaceTest, AStaleColourWindowWritesBesideTheAnalysedPicture)
{
    mainWindow.showForm();
    choose(pictureIn("a", 5));
    button(mainWindow, "cmdCountColor")->click();
    choose(pictureIn("b", 7));
    // The open colour window only comes forward, still holding picture a.
    button(mainWindow, "cmdCountColor")->click();
    ASSERT_EQ(countColor.intColorMax, 5);

    button(countColor, "cmdFileOutput")->click();
    EXPECT_EQ(filesIn("a"),
        QStringList({"ColorCount.csv", "ColorData.csv", "PixelColorNumber.csv", "picture.bmp"}));
    EXPECT_EQ(filesIn("b"), QStringList {"picture.bmp"});

    button(countColor, "cmdPrintColorInfo")->click();
    EXPECT_EQ(printer.documentPath, QDir(folder.filePath("a")).absoluteFilePath("ColorSample.pdf"));
}

TEST_F(OutputPlaceTest, APdfSavedForWantOfAPrinterIsReportedWithItsPath)
{
    openMatrixWindow(TestPicture::withColors(5));
    button(matrix, "cmdPrintMatrix")->click();
    EXPECT_EQ(dialogs.messages.back().title, QStringLiteral("色番号Matrixの全印刷"));

    printer.savesPdf = true;
    button(matrix, "cmdPrintMatrix")->click();
    const ScriptedDialogs::Message saved = dialogs.messages.back();
    EXPECT_EQ(saved.title, QStringLiteral("完了"));
    EXPECT_EQ(saved.icon, Dialogs::Icon::Information);
    EXPECT_EQ(saved.text,
        QStringLiteral("「ColorMatrixAll.pdf」に保存しました。\r\n")
            + QDir::toNativeSeparators(QDir(folder.path()).absoluteFilePath("ColorMatrixAll.pdf")));
}

TEST_F(OutputPlaceTest, AfterAFailedLoadNothingIsWrittenOrPrinted)
{
    openColorWindow(TestPicture::withColors(5));
    button(countColor, "cmdFileOutput")->click();
    const QByteArray counts = bytesOf(folder.filePath("ColorCount.csv"));
    ASSERT_FALSE(counts.isEmpty());

    button(countColor, "cmdClose")->click();
    QFile broken(folder.filePath("broken.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    model.strFileName = broken.fileName();
    countColor.showForm();
    ASSERT_EQ(countColor.intColorMax, 0);

    dialogs.messages.clear();
    for (const char *name : {"cmdFileOutput", "cmdPrintColorInfo", "cmdPrintMatrix"}) {
        SCOPED_TRACE(name);
        button(countColor, name)->click();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].text, NoAnalysisText);
        EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("警告"));
        EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
        dialogs.messages.clear();
    }
    EXPECT_EQ(bytesOf(folder.filePath("ColorCount.csv")), counts);
    EXPECT_TRUE(printer.endedDocuments.isEmpty());
    EXPECT_EQ(dialogs.printerDialogs, 0);
    EXPECT_FALSE(matrix.isVisible());
}

TEST_F(OutputPlaceTest, ARemovedPictureFolderIsRefused)
{
    openColorWindow(TestPicture(0xFFFFFF));
    QDir(folder.path()).mkdir("gone");
    model.strFileName = TestPicture(0xFFFFFF).save(folder.filePath("gone/picture.bmp"));
    button(countColor, "cmdClose")->click();
    countColor.showForm();
    QFile::remove(model.strFileName);
    QDir(folder.path()).rmdir("gone");

    button(countColor, "cmdFileOutput")->click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].title, QStringLiteral("Tessamap"));
    EXPECT_TRUE(dialogs.messages[1].text.contains(QStringLiteral("PixelColorNumber.csv")));
    EXPECT_FALSE(dialogs.messages[1].text.contains(ReadOnlyFolderHint));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(QFile::exists(QDir::rootPath() + "PixelColorNumber.csv"));
}

TEST_F(OutputPlaceTest, ACsvExportIntoAReadOnlyFolderTellsToCopyThePicture)
{
    openColorWindow(TestPicture::withColors(5));
    model.strAnalysedFileName = ReadOnlyFolder + "/picture.bmp";
    button(countColor, "cmdFileOutput")->click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].text,
        writeFailureText(WriteFailure::Create, ReadOnlyFolder + "/PixelColorNumber.csv")
            + QStringLiteral("\r\n") + ReadOnlyFolderHint);
}

TEST(OutputFailureTextTest, AddsTheHintOnlyForAnExistingFolderThatCannotBeWritten)
{
    QTemporaryDir folder;
    const QString failure = QStringLiteral("ファイル「ColorData.csv」を作成できません。\r\n/x");
    EXPECT_EQ(outputFailureText(failure, ReadOnlyFolder),
        failure + QStringLiteral("\r\n") + ReadOnlyFolderHint);
    EXPECT_EQ(outputFailureText(failure, folder.path()), failure);
    EXPECT_EQ(outputFailureText(failure, folder.filePath("gone")), failure);
}

TEST(OutputFailureTextTest, APdfThatCannotBeWrittenGetsTheHint)
{
    ScriptedDialogs dialogs;
    const FileWriteError error(WriteFailure::Create, ReadOnlyFolder + "/ColorSample.pdf");
    showFailure(dialogs, error);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text,
        QString::fromUtf8(error.what()) + QStringLiteral("\r\n") + ReadOnlyFolderHint);
}

TEST_F(OutputPlaceTest, APictureNamedLikeAnOutputIsNeverReplaced)
{
    printer.savesPdf = true;
    for (const QString name : {"ColorData.csv", "ColorSample.pdf"}) {
        SCOPED_TRACE(name.toStdString());
        model.strFileName = savePicture(TestPicture::withColors(5), name);
        countColor.showForm();
        const QByteArray picture = bytesOf(model.strFileName);
        dialogs.messages.clear();
        button(countColor, "cmdFileOutput")->click();
        button(countColor, "cmdPrintColorInfo")->click();
        const QString refusal
            = QStringLiteral("ファイル「%1」は読み込んだファイルと同じ").arg(name);
        EXPECT_TRUE(std::any_of(dialogs.messages.begin(), dialogs.messages.end(),
            [&](const auto &message) { return message.text.startsWith(refusal); }));
        EXPECT_EQ(bytesOf(model.strFileName), picture);
        button(countColor, "cmdClose")->click();
        QFile::remove(model.strFileName);
    }
}
