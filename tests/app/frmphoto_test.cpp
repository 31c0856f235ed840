#include "clirun.h"
#include "colornumbering.h"
#include "ownedcolorsdialog.h"
#include "photocommand.h"
#include "photoframeview.h"
#include "piececountsview.h"
#include "testfiles.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPromise>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Files written while it lives fail beyond `bytes`, as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit {bytes, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_previous {};
    void (*m_handler)(int) = nullptr;
};

class PhotoWindowTest : public WindowFixture
{
protected:
    QString savePhoto(const QString &name = QStringLiteral("photo.jpg"))
    {
        const QString path = folder.filePath(name);
        // 16:9, so that a crop keeps only its middle.
        EXPECT_TRUE(photoLike(480, 270).save(path, nullptr, 90));
        return path;
    }
    template<typename T> T *photoControl(const QString &name) { return control<T>(photo, name); }
    QString command() { return photoControl<QLineEdit>("txtCommand")->text(); }
    QString stats() { return text(photo, "lblStats"); }
    // Saves through the window's button and the scripted save dialog.
    void save(const QString &path)
    {
        dialogs.saveChoices.push_back(path);
        button(photo, "cmdSave")->click();
    }
    // 「ファイルから…」 of the menu on 「手持ちのピース色…」, answered by fileChoices.
    void choosePaletteFile() { paletteAction("mnuPaletteFile")->trigger(); }
    QAction *paletteAction(const QString &name)
    {
        QAction *action = photoControl<QMenu>("mnuPalette")->findChild<QAction *>(name);
        EXPECT_NE(action, nullptr) << name.toStdString();
        return action;
    }
    void choosePhoto(const QString &path)
    {
        dialogs.filterChoices.push_back(1);
        choose(path);
    }
    void sendMouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
    {
        QWidget *view = photoControl<QWidget>("picOriginal");
        QMouseEvent event(type, QPointF(at), view->mapToGlobal(QPointF(at)), Qt::LeftButton,
            buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &event);
    }
};

const QString FilePlaceholder = QStringLiteral("ここにファイル名が表示されます。");

} // namespace

TEST_F(PhotoWindowTest, ThePhotoFilterOpensEveryPictureInThePhotoWindowAndLeavesTheMainWindowAlone)
{
    mainWindow.showForm();
    QDir(folder.path()).mkdir("photos");
    const QString bmp = savePicture(TestPicture(), "photos/picture.bmp");
    const QString jpeg = savePhoto("photos/photo.jpg");
    const QString start = QDir::currentPath();

    for (const QString &path : {bmp, jpeg}) {
        photo.unloadForm();
        choosePhoto(path);
        EXPECT_TRUE(photo.isLoaded()) << path.toStdString();
        EXPECT_EQ(photo.windowTitle(), QStringLiteral("写真から作る"));
        EXPECT_TRUE(command().contains(path)) << command().toStdString();
        EXPECT_TRUE(model.strFileName.isEmpty());
        EXPECT_EQ(text(mainWindow, "lblFileName"), FilePlaceholder);
        EXPECT_EQ(QDir::currentPath(), start);
        EXPECT_FALSE(button(mainWindow, "cmdCountColor")->isEnabled());
    }
    EXPECT_EQ(dialogs.lastFilters,
        QStringList({"BMPファイル(*.bmp)",
            "画像ファイル(*.bmp *.jpg *.jpeg *.png *.gif *.webp *.tif *.tiff *.heic *.heif "
            "*.avif)"}));

    // Under the BMP filter a bitmap takes the designed road.
    photo.unloadForm();
    choose(bmp);
    EXPECT_FALSE(photo.isLoaded());
    EXPECT_EQ(model.strFileName, bmp);
    EXPECT_EQ(text(mainWindow, "lblFileName"), bmp);
    EXPECT_TRUE(button(mainWindow, "cmdCountColor")->isEnabled());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PhotoWindowTest, SavesTheBytesOfTheCommandItShowsAndHandsThePictureToTheMainWindow)
{
    mainWindow.showForm();
    const QString jpeg = savePhoto();
    const QString palette = folder.filePath("pieces.csv");
    QFile pieces(palette);
    ASSERT_TRUE(pieces.open(QIODevice::WriteOnly));
    pieces.write("0,0,0,黒\n255,255,255,白\n200,30,30,赤\n30,160,60,緑\n40,60,200,青\n");
    pieces.close();

    struct Case
    {
        const char *name;
        std::function<void()> set;
        QString inCommand;
    };
    const Case cases[] = {
        {"defaults", [] {}, QStringLiteral("tessamap-cli prepare ") + jpeg},
        {"pad",
            [&] {
                photoControl<QSpinBox>("spnColors")->setValue(12);
                photoControl<QRadioButton>("optPad")->setChecked(true);
                dialogs.colorChoices.push_back(QColor(0, 0, 255));
                button(photo, "cmdBackground")->click();
            },
            QStringLiteral("--colors 12 --fit pad --background 0000FF")},
        {"region",
            [&] {
                photoControl<QSlider>("sldZoom")->setValue(200);
                sendMouse(QEvent::MouseButtonPress, {160, 120}, Qt::LeftButton);
                sendMouse(QEvent::MouseMove, {120, 100}, Qt::LeftButton);
                sendMouse(QEvent::MouseButtonRelease, {120, 100}, Qt::NoButton);
                QWheelEvent wheel(QPointF(120, 100), QPointF(), {}, {0, 120}, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
                QCoreApplication::sendEvent(photoControl<QWidget>("picOriginal"), &wheel);
                EXPECT_EQ(photoControl<QSlider>("sldZoom")->value(), 225);
            },
            QStringLiteral("--region ")},
        {"adjustments",
            [&] {
                photoControl<QSlider>("sldBrightness")->setValue(20);
                photoControl<QSlider>("sldContrast")->setValue(-30);
                photoControl<QSlider>("sldSaturation")->setValue(45);
            },
            QStringLiteral("--brightness 20 --contrast -30 --saturation 45")},
        {"palette",
            [&] {
                dialogs.fileChoices.push_back(palette);
                choosePaletteFile();
                EXPECT_EQ(text(photo, "lblPalette"), QStringLiteral("pieces.csv（5色）"));
                photoControl<QCheckBox>("chkDither")->setChecked(true);
            },
            QStringLiteral("--dither --palette ") + palette},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(photo.openPhoto(jpeg));
        c.set();
        const QString shown = command();
        EXPECT_TRUE(shown.contains(c.inCommand)) << shown.toStdString();
        EXPECT_TRUE(stats().startsWith(QStringLiteral("色数: "))) << stats().toStdString();

        const QString saved = folder.filePath(QStringLiteral("window-%1.bmp").arg(c.name));
        save(saved);
        EXPECT_FALSE(photo.isLoaded());
        EXPECT_EQ(model.strFileName, saved);
        EXPECT_EQ(text(mainWindow, "lblFileName"), saved);

        QStringList arguments = shown.split(QLatin1Char(' '));
        ASSERT_EQ(arguments.takeFirst(), QStringLiteral("tessamap-cli"));
        ASSERT_EQ(arguments.last(), folder.filePath("photo.bmp"));
        arguments.last() = folder.filePath("cli.bmp");
        const CliRun run = runCli(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(fileBytes(saved), fileBytes(folder.filePath("cli.bmp")));
    }
    EXPECT_TRUE(button(mainWindow, "cmdCountColor")->isEnabled());
    EXPECT_EQ(QDir::currentPath(), QDir(folder.path()).canonicalPath());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.value(0).text.toStdString();
}

TEST(PhotoCommandTest, QuotesNamesForTheShellOnlyWhereNeeded)
{
    prepare::PrepareOptions options;
    options.adjustments.contrast = -30;
    EXPECT_EQ(prepareCommandLine(options, "/tmp/作品 集/it's.jpg", "/tmp/out.bmp"),
        QStringLiteral("tessamap-cli prepare --contrast -30 '/tmp/作品 集/it'\\''s.jpg' "
                       "/tmp/out.bmp"));
}

TEST_F(PhotoWindowTest, EnterInTheColourCountSavesUnderThePhotosName)
{
    ASSERT_TRUE(photo.openPhoto(savePhoto()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&photo));
    QTest::keyClick(photoControl<QSpinBox>("spnColors"), Qt::Key_Return);
    EXPECT_EQ(dialogs.lastProposedPath, folder.filePath("photo.bmp"));
    EXPECT_EQ(dialogs.lastDefaultSuffix, QStringLiteral("bmp"));
    EXPECT_EQ(dialogs.lastFilterDescription, QStringLiteral("BMPファイル(*.bmp)"));
    // The dialog was cancelled: the window stays.
    EXPECT_TRUE(photo.isLoaded());
}

TEST_F(PhotoWindowTest, RefusesToSaveOntoThePhotoAndKeepsAnEarlierFileWhenTheWriteFails)
{
    const QString jpeg = savePhoto();
    const QByteArray photoBytes = fileBytes(jpeg);
    ASSERT_TRUE(photo.openPhoto(jpeg));
    const QString hardLink = folder.filePath("same.bmp");
    ASSERT_EQ(
        ::link(QFile::encodeName(jpeg).constData(), QFile::encodeName(hardLink).constData()), 0);
    const QString symbolicLink = folder.filePath("link.bmp");
    ASSERT_TRUE(QFile::link(jpeg, symbolicLink));
    for (const QString &target : {hardLink, symbolicLink}) {
        save(target);
        ASSERT_FALSE(dialogs.messages.isEmpty());
        EXPECT_EQ(dialogs.messages.takeLast().text,
            QStringLiteral("出力先が元の画像と同じファイルです。別の名前を指定してください。\n")
                + target);
    }
    EXPECT_EQ(fileBytes(jpeg), photoBytes);

    const QString earlier = folder.filePath("earlier.bmp");
    QFile file(earlier);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("an earlier file");
    file.close();
    {
        const FileSizeLimit limit(1000);
        save(earlier);
    }
    EXPECT_EQ(fileBytes(earlier), QByteArray("an earlier file"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.contains(earlier))
        << dialogs.messages[0].text.toStdString();
    EXPECT_TRUE(photo.isLoaded());
    EXPECT_TRUE(model.strFileName.isEmpty());

    // Saved with the main window closed, the picture opens it again.
    save(earlier);
    EXPECT_FALSE(photo.isLoaded());
    EXPECT_TRUE(mainWindow.isLoaded());
    EXPECT_EQ(model.strFileName, earlier);
    EXPECT_EQ(QFileInfo(earlier).size(), 57654);
}

TEST_F(PhotoWindowTest, ANameWithoutBmpGetsItSoThatAnotherPhotoOrThePaletteIsKept)
{
    mainWindow.showForm();
    const QString other = savePhoto("IMG_0414.JPG");
    const QString palette = folder.filePath("pieces.csv");
    writeAll(palette, "0,0,0\n255,255,255\n200,30,30\n");
    const QByteArray otherBytes = readAll(other);
    ASSERT_TRUE(photo.openPhoto(savePhoto()));
    dialogs.fileChoices.push_back(palette);
    choosePaletteFile();

    // Qt's dialog asks about replacing a file only after the rule named it.
    save(other);
    ASSERT_TRUE(dialogs.lastNameRule);
    EXPECT_EQ(dialogs.lastNameRule(other), other + ".bmp");
    EXPECT_EQ(dialogs.lastNameRule(folder.filePath("a.BMP")), folder.filePath("a.BMP"));
    EXPECT_EQ(readAll(other), otherBytes);
    EXPECT_EQ(QFileInfo(other + ".bmp").size(), 57654);
    EXPECT_EQ(model.strFileName, other + ".bmp");
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // A dialog that did not apply the rule asked about another file: asked again.
    ASSERT_TRUE(photo.openPhoto(folder.filePath("photo.jpg")));
    dialogs.fileChoices.push_back(palette);
    choosePaletteFile();
    const QByteArray saved = readAll(other + ".bmp");
    dialogs.answers.push_back(Dialogs::Answer::No);
    save(other);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.contains(other + ".bmp"));
    EXPECT_EQ(readAll(other + ".bmp"), saved);
    EXPECT_TRUE(photo.isLoaded());

    save(palette);
    EXPECT_EQ(readAll(palette), QByteArray("0,0,0\n255,255,255\n200,30,30\n"));
    EXPECT_EQ(QFileInfo(palette + ".bmp").size(), 57654);
}

TEST_F(PhotoWindowTest, NamesThatAreNotUtf8AreRefusedAndNothingIsWritten)
{
    ASSERT_TRUE(photo.openPhoto(savePhoto()));
    // A file picked in the dialog whose name is not UTF-8: Qt shows it mangled.
    const QByteArray bytes = QFile::encodeName(folder.path()) + "/\xff.bmp";
    const QString shown = QFile::decodeName(bytes);
    const QStringList before = QDir(folder.path()).entryList(QDir::Files);
    dialogs.fileChoices.push_back(
        QFile::decodeName(QFile::encodeName(folder.path()) + "/\xff.csv"));
    choosePaletteFile();
    save(shown);
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(
        dialogs.messages[0].text.startsWith(QStringLiteral("UTF-8 ではない文字を含む名前")));
    EXPECT_EQ(dialogs.messages[1].text,
        QStringLiteral("UTF-8 ではない文字を含む名前のファイルは扱えません（ファイル名を UTF-8 "
                       "に変えてください）。\r\n")
            + shown);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), before);
    EXPECT_TRUE(photo.isLoaded());
}

TEST_F(PhotoWindowTest, PicturesThatCannotBeReadGetTheMessageAndChangeNothing)
{
    mainWindow.showForm();
    const QByteArray huge = bmpHeaderBytes({.width = 10000, .height = 10000}, 54);
    const auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const struct
    {
        QString path;
        QString message;
    } cases[] = {
        {folder.filePath("missing.jpg"), QStringLiteral("画像ファイルを開けません。")},
        {folder.path(), QStringLiteral("画像ファイルを開けません。")},
        {write("empty.jpg", {}),
            QStringLiteral("画像を読み込めません（壊れているか、読めない形式です）。")},
        {write("garbage.jpg", "\xff\xd8\xff not really a JPEG"),
            QStringLiteral("画像を読み込めません（壊れているか、読めない形式です）。")},
        {write("huge.bmp", huge),
            QStringLiteral("画像が大きすぎます（10000×10000ドット。5000万画素まで扱えます）。")},
    };
    const QString good = savePhoto();
    for (const bool opened : {false, true}) {
        if (opened) {
            ASSERT_TRUE(photo.openPhoto(good));
        }
        for (const auto &c : cases) {
            choosePhoto(c.path);
            EXPECT_EQ(photo.isLoaded(), opened);
            ASSERT_FALSE(dialogs.messages.isEmpty());
            EXPECT_EQ(dialogs.messages.takeLast().text, c.message + "\n" + c.path);
            if (opened) {
                EXPECT_TRUE(command().contains(good));
            }
            EXPECT_TRUE(model.strFileName.isEmpty());
            EXPECT_EQ(text(mainWindow, "lblFileName"), FilePlaceholder);
        }
    }

    // A wrong palette line gets the command line's message and changes nothing.
    const QString shownPalette = text(photo, "lblPalette");
    dialogs.fileChoices.push_back(write("bad.csv", "1,2,3\n4,5,six\n"));
    choosePaletteFile();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.contains(folder.filePath("bad.csv")));
    EXPECT_EQ(text(photo, "lblPalette"), shownPalette);
    EXPECT_FALSE(command().contains("--palette"));
}

TEST_F(PhotoWindowTest, OpeningAnotherPhotoOfTheSameSizeShowsThatPhoto)
{
    const QString first = savePhoto("first.png");
    QImage inverted = photoLike(480, 270);
    inverted.invertPixels();
    const QString second = folder.filePath("second.png");
    ASSERT_TRUE(inverted.save(second));
    const auto shown = [&] { return control(photo, "picResult")->pixmap().toImage(); };
    ASSERT_TRUE(photo.openPhoto(first));
    const QImage ofFirst = shown();
    ASSERT_TRUE(photo.openPhoto(second));
    EXPECT_NE(shown(), ofFirst);
    ASSERT_TRUE(photo.openPhoto(first));
    EXPECT_EQ(shown(), ofFirst);
}

// A runner that keeps each job until the test answers it.
class HeldJobs
{
public:
    PhotoRunner runner()
    {
        return [this](std::function<PhotoResult()> job) {
            auto held = std::make_shared<Held>();
            held->job = std::move(job);
            held->promise.start();
            m_held.push_back(held);
            return held->promise.future();
        };
    }
    size_t count() const { return m_held.size(); }
    // Runs job k now; its answer comes with answer(k).
    void run(size_t k) { m_held[k]->result = m_held[k]->job(); }
    void answer(size_t k)
    {
        m_held[k]->promise.addResult(m_held[k]->result);
        m_held[k]->promise.finish();
        QCoreApplication::processEvents();
    }

private:
    struct Held
    {
        std::function<PhotoResult()> job;
        PhotoResult result;
        QPromise<PhotoResult> promise;
    };
    std::vector<std::shared_ptr<Held>> m_held;
};

TEST_F(PhotoWindowTest, AnOlderResultAnsweredAfterANewerOneIsNeverShown)
{
    HeldJobs jobs;
    frmPhoto window(dialogs, jobs.runner());
    ASSERT_TRUE(window.openPhoto(savePhoto()));
    auto *colors = control<QSpinBox>(window, "spnColors");
    auto *busy = control(window, "lblBusy");
    ASSERT_EQ(jobs.count(), 1u);
    jobs.run(0); // started with 32 colours, still running
    colors->setValue(2);
    ASSERT_EQ(jobs.count(), 2u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return busy->isVisible(); }, 5000));

    jobs.run(1);
    jobs.answer(1);
    EXPECT_FALSE(busy->isVisible());
    const QString newest = text(window, "lblStats");
    EXPECT_TRUE(newest.startsWith(QStringLiteral("色数: 2　平均色差: "))) << newest.toStdString();
    const QImage shown = control(window, "picResult")->pixmap().toImage();

    jobs.answer(0);
    EXPECT_EQ(text(window, "lblStats"), newest);
    EXPECT_EQ(control(window, "picResult")->pixmap().toImage(), shown);
    window.close();
}

TEST_F(PhotoWindowTest, AWindowWithoutAPhotoHasNothingToSaveAndClosingFreesThePhoto)
{
    photo.showForm();
    EXPECT_FALSE(button(photo, "cmdSave")->isEnabled());
    invoke(photo, "cmdSave_Click");
    EXPECT_TRUE(dialogs.lastProposedPath.isEmpty());
    photo.unloadForm();

    // Closed and destroyed while its own thread still works on the photo.
    const QString jpeg = folder.filePath("large.jpg");
    ASSERT_TRUE(photoLike(1600, 1200).save(jpeg, nullptr, 90));
    for (const bool destroyAtOnce : {false, true}) {
        auto window = std::make_unique<frmPhoto>(dialogs);
        ASSERT_TRUE(window->openPhoto(jpeg));
        control<QSpinBox>(*window, "spnColors")->setValue(5);
        window->close();
        EXPECT_FALSE(window->isLoaded());
        if (!destroyAtOnce)
            QCoreApplication::processEvents();
        window.reset();
    }
    // The photo was freed with the window's load: shown again, it has none.
    photo.showForm();
    EXPECT_FALSE(button(photo, "cmdSave")->isEnabled());
}

TEST_F(PhotoWindowTest, APhotoDecodedAgainIsCheckedAgain)
{
    const QString jpeg = savePhoto();
    const prepare::PictureSource source = prepare::openPictureSource(jpeg);
    ASSERT_EQ(source.status, prepare::LoadStatus::Ok);
    PhotoRequest request;
    request.source = source;
    request.generation = 1;
    EXPECT_EQ(computePhoto(request).decoded.status, prepare::LoadStatus::Ok);
    // Cut to half on disk after opening: refused, not shown with a grey half.
    writeAll(jpeg, readAll(jpeg).left(int(QFileInfo(jpeg).size() / 2)));
    const PhotoResult cut = computePhoto(request);
    EXPECT_NE(cut.decoded.status, prepare::LoadStatus::Ok);
    EXPECT_TRUE(cut.reduced.picture.isNull());
}

// A set from the menu: its colours but those unticked, remembered for the set;
// the swatches in colour number order, named by the set; the saved picture is
// the command line's, and its chart file names each colour with code and set.
TEST_F(PhotoWindowTest, APieceSetMakesThePictureOfTheColoursTickedAndRemembersTheTicks)
{
    mainWindow.showForm();
    const PieceSet &perler = *findPieceSet(QStringLiteral("perler"));
    ASSERT_TRUE(photo.openPhoto(savePhoto()));
    EXPECT_TRUE(control(photo, "lblSetNote")->isHidden());
    EXPECT_FALSE(button(photo, "cmdOwnedColors")->isEnabled());
    paletteAction("mnuPaletteSet(perler)")->trigger();
    EXPECT_EQ(text(photo, "lblPalette"), QStringLiteral("パーラービーズ（103色）"));
    EXPECT_FALSE(control(photo, "lblSetNote")->isHidden());
    EXPECT_TRUE(command().contains("--palette perler")) << command().toStdString();

    // The first two colours unticked, as if not owned.
    QList<bool> owned(perler.colors.size(), true);
    owned[0] = owned[1] = false;
    dialogs.ownedChoices.push_back(owned);
    button(photo, "cmdOwnedColors")->click();
    EXPECT_EQ(dialogs.lastSetName, QStringLiteral("パーラービーズ"));
    EXPECT_EQ(dialogs.lastSetColors.size(), 103);
    EXPECT_FALSE(dialogs.lastOwned.contains(false));
    EXPECT_EQ(text(photo, "lblPalette"), QStringLiteral("パーラービーズ（103色中 101色）"));
    EXPECT_TRUE(command().contains("--without 80-15179,80-15181")) << command().toStdString();
    photoControl<QSpinBox>("spnColors")->setValue(12);
    photoControl<QSpinBox>("spnMinPieces")->setValue(20);
    EXPECT_TRUE(command().contains("--min-pieces 20")) << command().toStdString();
    EXPECT_TRUE(stats().startsWith(QStringLiteral("色数: "))) << stats().toStdString();
    EXPECT_TRUE(stats().contains(QStringLiteral("（少ない"))) << stats().toStdString();

    QHash<QRgb, PaletteColor> ticked;
    for (const PaletteColor &color : perler.colors.mid(2))
        ticked.insert(color.rgb, color);
    const auto *swatches = photoControl<PieceCountsView>("pieceCounts");
    const QList<prepare::ColorCount> counts = swatches->counts();
    const QString shown = command();
    const QString saved = folder.filePath("set.bmp");
    save(saved);
    ASSERT_EQ(model.strFileName, saved);

    modShared numbered;
    const AnalysisResult analysis = analyseBitmapFile(saved, numbered);
    ASSERT_EQ(analysis.colorMax, counts.size());
    const QJsonArray charted = QJsonDocument::fromJson(fileBytes(folder.filePath("set.tessamap")))
                                   .object()["colors"]
                                   .toArray();
    ASSERT_EQ(charted.size(), counts.size());
    for (int n = 1; n <= analysis.colorMax; ++n) {
        const QRgb rgb = counts[n - 1].color;
        ASSERT_TRUE(ticked.contains(rgb)) << n;
        EXPECT_EQ(toQColor(numbered.lngColorRGB(n)).rgb(), rgb) << n;
        EXPECT_EQ(numbered.lngColorCount(n), counts[n - 1].pixels) << n;
        EXPECT_GE(counts[n - 1].pixels, 20);
        const PaletteColor &color = ticked[rgb];
        EXPECT_EQ(swatches->toolTipOf(n),
            QStringLiteral("色%1:　%2,%3,%4　")
                    .arg(n)
                    .arg(qRed(rgb))
                    .arg(qGreen(rgb))
                    .arg(qBlue(rgb))
                + color.name + QStringLiteral("　") + color.code);
        const QJsonObject entry = charted[n - 1].toObject();
        EXPECT_EQ(entry["code"].toString(), color.code);
        EXPECT_EQ(entry["name"].toString(), color.name);
        EXPECT_EQ(entry["set"].toString(), QStringLiteral("perler"));
    }
    QStringList arguments = shown.split(QLatin1Char(' '));
    arguments.removeFirst();
    arguments.last() = folder.filePath("cli.bmp");
    const CliRun run = runCli(arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(fileBytes(saved), fileBytes(folder.filePath("cli.bmp")));

    // Another run of the window: the set comes with its ticks as they were left.
    frmPhoto again(dialogs, photoRunner());
    ASSERT_TRUE(again.openPhoto(folder.filePath("photo.jpg")));
    again.findChild<QAction *>("mnuPaletteSet(perler)")->trigger();
    EXPECT_EQ(text(again, "lblPalette"), QStringLiteral("パーラービーズ（103色中 101色）"));
    button(again, "cmdOwnedColors")->click();
    EXPECT_EQ(dialogs.lastOwned, owned);
    // Another set keeps its own; a file takes the set's place.
    again.findChild<QAction *>("mnuPaletteSet(hama)")->trigger();
    EXPECT_EQ(text(again, "lblPalette"), QStringLiteral("ハマビーズ ミディ（92色）"));
    writeAll(folder.filePath("pieces.csv"), "0,0,0\n255,255,255\n");
    dialogs.fileChoices.push_back(folder.filePath("pieces.csv"));
    again.findChild<QAction *>("mnuPaletteFile")->trigger();
    EXPECT_EQ(text(again, "lblPalette"), QStringLiteral("pieces.csv（2色）"));
    EXPECT_TRUE(control(again, "lblSetNote")->isHidden());
    EXPECT_FALSE(button(again, "cmdOwnedColors")->isEnabled());
    again.close();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.value(0).text.toStdString();
}

// 「すべて」 ticks every colour again; OK waits for at least one.
TEST(OwnedColorsDialogTest, AllTicksEveryColourAndOkWantsOne)
{
    const PieceSet &nabbi = *findPieceSet(QStringLiteral("nabbi"));
    QList<bool> owned(nabbi.colors.size(), true);
    owned[3] = false;
    OwnedColorsDialog dialog(nabbi.name, nabbi.colors, owned);
    auto *list = dialog.findChild<QListWidget *>("lstColors");
    ASSERT_EQ(list->count(), 30);
    EXPECT_EQ(
        list->item(3)->text(), nabbi.colors[3].code + QStringLiteral("　") + nabbi.colors[3].name);
    EXPECT_EQ(dialog.owned(), owned);
    dialog.findChild<QPushButton *>("cmdAll")->click();
    EXPECT_FALSE(dialog.owned().contains(false));
    for (int k = 0; k < list->count(); ++k)
        list->item(k)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
}
