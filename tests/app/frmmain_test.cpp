#include "windowfixture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QMimeData>
#include <QUrl>
#include <cstdio>

namespace {

class MainWindowTest : public WindowFixture
{
protected:
    MainWindowTest() { mainWindow.showForm(); }

    bool countColorEnabled() { return button(mainWindow, "cmdCountColor")->isEnabled(); }
    QString imageInfo() { return text(mainWindow, "lblImgInfo"); }
    bool hasPicture() { return !control(mainWindow, "imgDisp")->pixmap().isNull(); }
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QString writePng(const QString &name)
    {
        QImage png(160, 120, QImage::Format_RGB32);
        png.fill(Qt::red);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        png.save(&buffer, "PNG");
        return writeFile(name, bytes);
    }
};

const QString Placeholder = QStringLiteral("ここに画像情報が表示されます。");

} // namespace

TEST_F(MainWindowTest, OpensWithItsNotesAndTheColourButtonDisabled)
{
    EXPECT_EQ(mainWindow.windowTitle(), QStringLiteral("Tessamap Ver.1.2"));
    EXPECT_EQ(mainWindow.size(), QSize(789, 544));
    EXPECT_EQ(text(mainWindow, "lblFileName"), QStringLiteral("ここにファイル名が表示されます。"));
    EXPECT_EQ(imageInfo(), Placeholder);
    EXPECT_EQ(text(mainWindow, "lblinfo"),
        QStringLiteral("現在，このプログラムは\n以下の設定の場合のみ\n処理が可能です。\n\n"
                       "FileSize = ****\nImgSize = ****\nBitCount = 24(ﾌﾙｶﾗｰ)\n"
                       "Width = 160\nHeight = 120\n"));
    EXPECT_EQ(text(mainWindow, "lblCopyright"),
        QStringLiteral("Tessamap Ver.1.2\n© 2026\nTessamap\ndevelopers\n"));
    EXPECT_FALSE(countColorEnabled());
    EXPECT_FALSE(hasPicture());
    EXPECT_EQ(mainWindow.focusWidget(), button(mainWindow, "cmdClose"));
}

TEST_F(MainWindowTest, PlacesEveryControlToTheTwip)
{
    struct Place
    {
        const char *name;
        int left, top, width, height;
    };
    const Place places[] = {
        {"imgDisp", 120, 240, 9000, 6000},
        {"Label1", 9480, 120, 975, 255},
        {"lblImgInfo", 9360, 480, 2175, 1095},
        {"lblinfo", 9360, 1800, 2175, 1815},
        {"lblCopyright", 9360, 5400, 2175, 855},
        {"Image2", 10920, 5640, 720, 720},
        {"lblFileName", 120, 6480, 7215, 615},
        {"Label2", 120, 7320, 855, 495},
        {"cmdGetFileName", 840, 7320, 2415, 615},
        {"Image1", 3600, 7440, 480, 480},
        {"Label3", 4440, 7320, 975, 615},
        {"cmdCountColor", 5280, 7320, 3135, 615},
        {"cmdClose", 10200, 7320, 1455, 615},
    };
    for (const Place &p : places) {
        const QWidget *widget = control<QWidget>(mainWindow, p.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), QRect(p.left / 15, p.top / 15, p.width / 15, p.height / 15))
            << p.name;
    }
    const QLabel *step = control(mainWindow, "Label3");
    EXPECT_DOUBLE_EQ(step->font().pointSizeF(), 27.75);
    EXPECT_TRUE(step->font().bold() && step->font().italic());
    EXPECT_EQ(step->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(
        control(mainWindow, "lblinfo")->palette().color(QPalette::Window), QColor(224, 224, 224));
    EXPECT_EQ(tabOrder(mainWindow, "cmdClose", 3),
        QStringList({"cmdClose", "cmdGetFileName", "cmdCountColor"}));
}

TEST_F(MainWindowTest, TheCopyrightLinesStayClearOfThePicture)
{
    const QLabel *label = control(mainWindow, "lblCopyright");
    const QRect picture = control(mainWindow, "Image2")->geometry();
    const QFontMetrics metrics(label->font());
    const QStringList lines = text(mainWindow, "lblCopyright").split('\n', Qt::SkipEmptyParts);
    EXPECT_LE(lines.size() * metrics.lineSpacing(), label->height());
    for (int k = 0; k < lines.size(); ++k) {
        const int bottom = label->y() + (k + 1) * metrics.lineSpacing();
        const int right = label->x() + metrics.boundingRect(lines[k]).right();
        EXPECT_LT(right, bottom > picture.top() ? picture.left() : label->geometry().right())
            << lines[k].toStdString();
    }
}

TEST_F(MainWindowTest, CancellingTheFirstDialogChangesNothing)
{
    dialogs.fileChoices.push_back(std::nullopt);
    button(mainWindow, "cmdGetFileName")->click();
    EXPECT_EQ(dialogs.lastInitialDirectory, QCoreApplication::applicationDirPath());
    EXPECT_EQ(dialogs.lastFilterDescription, QStringLiteral("BMPファイル(*.bmp)"));
    EXPECT_EQ(dialogs.lastPattern, QStringLiteral("*.bmp"));
    EXPECT_TRUE(model.strFileName.isEmpty());
    EXPECT_EQ(text(mainWindow, "lblFileName"), QStringLiteral("ここにファイル名が表示されます。"));
    EXPECT_FALSE(countColorEnabled());
}

TEST_F(MainWindowTest, AGoodPictureThenABadOneTogglesTheColourButton)
{
    // Japanese names and spaces work throughout.
    QDir(folder.path()).mkdir(QStringLiteral("作品 集"));
    const QString good = savePicture(TestPicture(), QStringLiteral("作品 集/絵柄 1.bmp"));
    choose(good);
    EXPECT_EQ(model.strFileName, good);
    EXPECT_EQ(text(mainWindow, "lblFileName"), good);
    EXPECT_TRUE(hasPicture());
    EXPECT_EQ(imageInfo(),
        QStringLiteral("FileSize = 57654\nImgSize = 57600\nBitCount = 24\n"
                       "Width = 160\nHeight = 120\n"));
    EXPECT_TRUE(countColorEnabled());
    EXPECT_EQ(
        QDir::currentPath(), QDir(folder.filePath(QStringLiteral("作品 集"))).canonicalPath());

    const QString topDown = savePicture(TestPicture(), "topdown.bmp", {.height = -120});
    choose(topDown);
    EXPECT_EQ(model.strFileName, topDown);
    EXPECT_TRUE(imageInfo().endsWith(QStringLiteral("Height =-120\n")));
    EXPECT_FALSE(countColorEnabled());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainWindowTest, ShowsAndAcceptsPicturesQtCannotRead)
{
    // Qt refuses a 24-bit bitmap with the compression field set; Tessamap draws it.
    TestPicture picture(0x0000FF);
    picture.set(1, 1, 0x00FF00); // top-left, stored last
    choose(savePicture(picture, "compressed.bmp", {.compression = 1, .sizeImage = 0}));
    ASSERT_TRUE(hasPicture());
    EXPECT_TRUE(countColorEnabled());
    EXPECT_TRUE(imageInfo().contains(QStringLiteral("ImgSize = 0\n")));
    const QImage shown = control(mainWindow, "imgDisp")->pixmap().toImage();
    // Stretched to the whole picture box, inside its border.
    EXPECT_EQ(shown.size(), QSize(598, 398));
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(0, 255, 0));
    EXPECT_EQ(shown.pixelColor(3, 2), QColor(0, 255, 0));
    EXPECT_EQ(shown.pixelColor(5, 0), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(597, 397), QColor(255, 0, 0));
}

TEST_F(MainWindowTest, AnEightBitPictureIsShownAndRefused)
{
    // 256 palette entries, then one byte per pixel.
    QByteArray eightBit = bmpHeaderBytes({.bitCount = 8, .offBits = 54 + 1024}, 0);
    for (int k = 0; k < 256; ++k)
        eightBit.append(QByteArray::fromHex("00800000"));
    eightBit.append(QByteArray(160 * 120, '\0'));
    choose(writeFile("eight.bmp", eightBit));
    EXPECT_TRUE(hasPicture());
    EXPECT_TRUE(imageInfo().contains(QStringLiteral("BitCount = 8\n")));
    EXPECT_FALSE(countColorEnabled());
}

TEST_F(MainWindowTest, FilesThatCannotBeShownFailSilentlyAndShowNothingOfTheEarlierPicture)
{
    const QString good = savePicture(TestPicture());
    const QString vanished = folder.filePath("vanished.bmp");
    const QString broken[] = {
        writeFile("ten.bmp", "BM" + QByteArray(8, 'B')),
        folder.path(),
        vanished,
        // Qt would show the missing rows black, as if whole.
        writeFile("truncated.bmp", TestPicture().toBmp().left(30000)),
    };
    for (const QString &path : broken) {
        choose(good);
        ASSERT_TRUE(countColorEnabled());
        choose(path);
        EXPECT_EQ(model.strFileName, path);
        EXPECT_EQ(text(mainWindow, "lblFileName"), path);
        EXPECT_EQ(imageInfo(), Placeholder) << path.toStdString();
        EXPECT_FALSE(hasPicture()) << path.toStdString();
        EXPECT_FALSE(countColorEnabled()) << path.toStdString();
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(photo.isLoaded());
}

TEST_F(MainWindowTest, AFileThatIsNoBitmapTakesThePhotoRoadUnderTheBitmapFilter)
{
    const QString good = savePicture(TestPicture());
    choose(good);
    const QString goodInfo = imageInfo();
    // A PNG named .bmp, and a JPEG typed under the BMP filter.
    const QString png = writePng("png.bmp");
    const QString jpeg = folder.filePath("photo.jpg");
    ASSERT_TRUE(QImage(png).save(jpeg));
    for (const QString &path : {png, jpeg}) {
        photo.unloadForm();
        choose(path);
        EXPECT_TRUE(photo.isLoaded()) << path.toStdString();
        EXPECT_EQ(model.strFileName, good);
        EXPECT_EQ(text(mainWindow, "lblFileName"), good);
        EXPECT_EQ(imageInfo(), goodInfo);
        EXPECT_TRUE(countColorEnabled());
    }
    // One that is no picture at all gets the photo window's message, as when given.
    photo.unloadForm();
    const QString text = writeFile("notes.bmp", "not a picture");
    choose(text);
    EXPECT_FALSE(photo.isLoaded());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text,
        QStringLiteral("画像を読み込めません（壊れているか、読めない形式です）。\n") + text);
    EXPECT_EQ(model.strFileName, good);
}

TEST_F(MainWindowTest, ANameThatIsNotUtf8IsRefusedWithTheNameAsShown)
{
    // The bytes of a name from another system's encoding, as Qt shows them.
    const QByteArray bytes = QFile::encodeName(folder.path()) + "/\xff\xfe.bmp";
    {
        const QByteArray picture = TestPicture().toBmp();
        FILE *written = std::fopen(bytes.constData(), "wb");
        ASSERT_NE(written, nullptr);
        std::fwrite(picture.constData(), 1, size_t(picture.size()), written);
        std::fclose(written);
    }
    const QString shown = QFile::decodeName(bytes);
    const QString expected = QStringLiteral("UTF-8 ではない文字を含む名前のファイルは扱えません"
                                            "（ファイル名を UTF-8 に変えてください）。\r\n")
        + shown;
    for (const int filter : {0, 1}) {
        dialogs.filterChoices.push_back(filter);
        choose(shown);
        mainWindow.openGivenFiles({shown});
    }
    photo.openPhoto(shown);
    ASSERT_EQ(dialogs.messages.size(), 5);
    for (const auto &message : dialogs.messages)
        EXPECT_EQ(message.text, expected);
    EXPECT_TRUE(model.strFileName.isEmpty());
    EXPECT_FALSE(hasPicture());
    EXPECT_FALSE(photo.isLoaded());
}

TEST_F(MainWindowTest, TheColourButtonWarnsWithoutAFileAndOpensTheWindowOnce)
{
    invoke(mainWindow, "cmdCountColor_Click");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("ファイル名が選択されていません。"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("警告"));
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_FALSE(countColor.isLoaded());

    choose(savePicture(TestPicture::withColors(3), "three.bmp"));
    button(mainWindow, "cmdCountColor")->click();
    ASSERT_TRUE(countColor.isVisible());
    EXPECT_EQ(countColor.intColorMax, 3);

    // Open already: only raised, not analysed again.
    choose(savePicture(TestPicture::withColors(7), "seven.bmp"));
    button(mainWindow, "cmdCountColor")->click();
    EXPECT_EQ(countColor.intColorMax, 3);

    countColor.close();
    button(mainWindow, "cmdCountColor")->click();
    EXPECT_EQ(countColor.intColorMax, 7);
}

TEST_F(MainWindowTest, ClosingTheMainWindowLeavesTheOthersOpen)
{
    choose(savePicture(TestPicture::withColors(3)));
    button(mainWindow, "cmdCountColor")->click();
    button(mainWindow, "cmdClose")->click();
    EXPECT_FALSE(mainWindow.isVisible());
    EXPECT_TRUE(countColor.isVisible());
}

TEST_F(MainWindowTest, AGivenFileOpensAsIfChosenAndOneThatCannotBeReadSaysSo)
{
    QDir(folder.path()).mkdir(QStringLiteral("作品"));
    // Named by its first bytes, not its name: a bitmap called .png is a bitmap.
    const QString bitmap = savePicture(TestPicture(), QStringLiteral("作品/絵柄.png"));
    const QString png = writePng(QStringLiteral("写真.bmp"));
    const QString missing = folder.filePath(QStringLiteral("ない.bmp"));
    enum Road { Bitmap, Photo, Message };
    const struct
    {
        QStringList given;
        Road road;
        QString message;
    } cases[] = {
        {{bitmap}, Bitmap, {}},
        {{png}, Photo, {}},
        {{missing}, Message, QStringLiteral("ファイルが見つかりません。\r\n") + missing},
        {{folder.path()}, Message,
            QStringLiteral("画像ファイルではないため開けません。\r\n") + folder.path()},
        {{bitmap, png}, Message, QStringLiteral("開けるファイルは１つだけです。")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.given.join(' ').toStdString());
        mainWindow.unloadForm();
        photo.unloadForm();
        mainWindow.showForm();
        model.strFileName.clear();
        dialogs.messages.clear();
        QDir::setCurrent(QDir::tempPath());
        mainWindow.openGivenFiles(c.given);
        EXPECT_EQ(photo.isVisible(), c.road == Photo);
        if (c.road == Bitmap) {
            EXPECT_TRUE(dialogs.messages.isEmpty());
            EXPECT_EQ(model.strFileName, bitmap);
            EXPECT_EQ(text(mainWindow, "lblFileName"), bitmap);
            EXPECT_TRUE(hasPicture());
            EXPECT_TRUE(countColorEnabled());
            EXPECT_EQ(QDir::currentPath(), QFileInfo(bitmap).canonicalPath());
            continue;
        }
        if (c.road == Photo) {
            EXPECT_TRUE(dialogs.messages.isEmpty());
        } else {
            ASSERT_EQ(dialogs.messages.size(), 1);
            EXPECT_EQ(dialogs.messages[0].text, c.message);
            EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Tessamap"));
            EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
        }
        // The main window stays as it was.
        EXPECT_TRUE(model.strFileName.isEmpty());
        EXPECT_EQ(
            text(mainWindow, "lblFileName"), QStringLiteral("ここにファイル名が表示されます。"));
        EXPECT_FALSE(hasPicture());
        EXPECT_FALSE(countColorEnabled());
        EXPECT_EQ(QDir::currentPath(), QDir(QDir::tempPath()).canonicalPath());
    }
}

TEST_F(MainWindowTest, DroppingAFileOpensItAsIfChosen)
{
    const QString bitmap = savePicture(TestPicture());
    QMimeData notFiles;
    notFiles.setUrls({QUrl(QStringLiteral("https://example.org/picture.bmp"))});
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(bitmap)});
    const QPoint inside = mainWindow.rect().center();
    for (QMimeData *data : {&notFiles, &file}) {
        QDragEnterEvent enter(inside, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&mainWindow, &enter);
        EXPECT_EQ(enter.isAccepted(), data == &file);
    }
    QDropEvent drop(inside, Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&mainWindow, &drop);
    EXPECT_TRUE(drop.isAccepted());
    // The file opens once the drop has ended.
    EXPECT_TRUE(model.strFileName.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(model.strFileName, bitmap);
    EXPECT_TRUE(countColorEnabled());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}
