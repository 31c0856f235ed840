#include "frmphoto.h"

#include "chartstore.h"
#include "dialogs.h"
#include "failuremessage.h"
#include "filename.h"
#include "outputfile.h"
#include "ownedcolors.h"
#include "palettesource.h"
#include "photocommand.h"
#include "photoframeview.h"
#include "piececountsview.h"
#include "prepareoptions.h"
#include "waitcursor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorSpace>
#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QtConcurrent/QtConcurrentRun>

namespace {

const QSize ShownSize(2 * prepare::PictureWidth, 2 * prepare::PictureHeight);
const QString PictureFilter = QStringLiteral("BMPファイル(*.bmp)");

QString failureText(
    prepare::PrepareResult::Status status, const QString &input, const QString &output = {})
{
    prepare::PrepareResult result;
    result.status = status;
    return prepare::prepareFailureText(result, input, output, QString());
}

// A refused photo's message names its size, the limit and, for HEIC and AVIF,
// the format, as the command line's does.
QString openingFailureText(
    prepare::LoadStatus status, const prepare::PictureSource &source, QSize sourceSize)
{
    prepare::PrepareResult result;
    result.status = prepare::prepareStatus(status);
    result.sourceSize = sourceSize;
    result.limit = source.limit;
    result.format = source.heifFormat;
    return prepare::prepareFailureText(result, source.path, {}, QString());
}

// Shrunk smoothly (in linear light, as the decoded photo is), enlarged as
// sharp blocks, then in sRGB to be shown.
QImage fitted(const QImage &image, QSize box)
{
    const QSize size = image.size().scaled(box, Qt::KeepAspectRatio);
    QImage shown = image.scaled(size, Qt::IgnoreAspectRatio,
        size.width() < image.width() ? Qt::SmoothTransformation : Qt::FastTransformation);
    if (shown.colorSpace().isValid())
        shown.convertToColorSpace(QColorSpace::SRgb);
    return shown.convertToFormat(QImage::Format_RGB32);
}

} // namespace

frmPhoto::frmPhoto(Dialogs &dialogs, PhotoRunner runner)
    : FormWindow(QStringLiteral("写真から作る"), QSize(680, 658))
    , m_dialogs(dialogs)
    , m_runner(std::move(runner))
{
    setObjectName(QStringLiteral("frmPhoto"));
    // One job at a time: a superseded request still waiting is skipped.
    m_pool.setMaxThreadCount(1);
    if (!m_runner)
        m_runner = [this](std::function<PhotoResult()> job) {
            return QtConcurrent::run(&m_pool, std::move(job));
        };
    m_busyTimer.setSingleShot(true);
    m_busyTimer.setInterval(200);
    connect(&m_busyTimer, &QTimer::timeout, this, &frmPhoto::busyTimer_Timeout);
}

frmPhoto::~frmPhoto()
{
    m_pool.waitForDone();
}

bool frmPhoto::openPhoto(const QString &path)
{
    if (!nameSurvivesFileSystem(path)) {
        showFailure(m_dialogs, mangledNameText(path));
        return false;
    }
    WaitCursor wait;
    const prepare::PictureSource source = prepare::openPictureSource(path);
    if (source.status != prepare::LoadStatus::Ok) {
        showFailure(m_dialogs, openingFailureText(source.status, source, source.storedSize));
        return false;
    }
    prepare::Geometry whole;
    if (isLoaded())
        whole.fit = options().geometry.fit;
    const prepare::DecodedPicture decoded
        = prepare::decodePicture(source, prepare::decodePlan(source, whole, true));
    if (decoded.status != prepare::LoadStatus::Ok) {
        showFailure(m_dialogs, openingFailureText(decoded.status, source, decoded.sourceSize));
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_source = source;
    m_decoded = {decoded};
    m_shown = {};
    m_preview = fitted(decoded.image, ShownSize);
    if (isLoaded())
        showPhoto();
    showForm();
    return true;
}

void frmPhoto::Form_Load()
{
    m_background = qRgb(255, 255, 255);
    showBackground();
    m_paletteFile.clear();
    m_set = nullptr;
    m_leftOut.clear();
    m_paletteColors.clear();
    m_paletteNames.clear();
    showPalette();
    lblBusy->hide();
    showPhoto();
}

void frmPhoto::Form_Unload()
{
    // A job still running is superseded; the decoded photo, hundreds of
    // megabytes for a large one, goes with its last copy.
    ++*m_newest;
    m_pending = {};
    m_decoded.clear();
    m_shown = {};
    m_preview = {};
    m_source = {};
}

QWidget *frmPhoto::firstFocus() const
{
    return cmdSave;
}

prepare::PrepareOptions frmPhoto::options() const
{
    prepare::PrepareOptions options;
    if (optPad->isChecked())
        options.geometry.fit = prepare::Fit::Pad;
    else if (optStretch->isChecked())
        options.geometry.fit = prepare::Fit::Stretch;
    options.geometry.background = m_background;
    // The default frame is what the command line crops without --region.
    if (options.geometry.fit == prepare::Fit::Crop && !picOriginal->frameIsDefault())
        options.geometry.region = picOriginal->frame();
    options.adjustments = {sldBrightness->value(), sldContrast->value(), sldSaturation->value()};
    options.colors = spnColors->value();
    options.dither = chkDither->isChecked();
    options.paletteFile = m_paletteFile;
    options.leftOut = m_leftOut;
    options.minPieces = spnMinPieces->value();
    return options;
}

void frmPhoto::showPhoto()
{
    // Shown without a photo (never opened, or unloaded), the window has nothing to make.
    if (m_decoded.isEmpty()) {
        cmdSave->setEnabled(false);
        return;
    }
    cmdSave->setEnabled(true);
    picOriginal->setPhoto(m_preview, m_decoded.constFirst().covered.size());
    settingsChanged();
}

void frmPhoto::settingsChanged()
{
    txtCommand->setText(prepareCommandLine(options(), m_path, proposedOutput()));
    txtCommand->setCursorPosition(0);
    requestResult();
}

void frmPhoto::optFit_Toggled(QAbstractButton *, bool checked)
{
    // The option left is toggled too.
    if (!checked)
        return;
    const bool crop = optCrop->isChecked();
    picOriginal->setFrameShown(crop);
    sldZoom->setEnabled(crop);
    settingsChanged();
}

void frmPhoto::showBackground()
{
    QPixmap swatch(14, 14);
    swatch.fill(QColor(m_background));
    cmdBackground->setIcon(swatch);
}

void frmPhoto::cmdBackground_Click()
{
    const auto chosen = m_dialogs.chooseColor(QColor(m_background), QStringLiteral("背景色"));
    if (!chosen)
        return;
    m_background = chosen->rgb();
    showBackground();
    settingsChanged();
}

void frmPhoto::cmdResetAdjustments_Click()
{
    for (QSlider *slider : {sldBrightness, sldContrast, sldSaturation})
        slider->setValue(0);
}

void frmPhoto::showPalette()
{
    QString shown = QStringLiteral("使わない（色を自由に選びます）");
    if (m_set && m_leftOut.isEmpty())
        shown = QStringLiteral("%1（%2色）").arg(m_set->name).arg(m_set->colors.size());
    else if (m_set)
        shown = QStringLiteral("%1（%2色中 %3色）")
                    .arg(m_set->name)
                    .arg(m_set->colors.size())
                    .arg(m_paletteColors.size());
    else if (!m_paletteFile.isEmpty())
        shown = QStringLiteral("%1（%2色）")
                    .arg(QFileInfo(m_paletteFile).fileName())
                    .arg(m_paletteColors.size());
    lblPalette->setText(shown);
    lblSetNote->setVisible(m_set != nullptr);
    cmdOwnedColors->setEnabled(m_set != nullptr);
    cmdNoPalette->setEnabled(!m_paletteFile.isEmpty());
}

void frmPhoto::usePalette(const PaletteFile &palette, const QString &file)
{
    m_paletteFile = file;
    m_paletteColors.clear();
    for (const PaletteColor &color : palette.colors)
        m_paletteColors.append(color.rgb);
    m_paletteNames = palette.colors;
    showPalette();
    settingsChanged();
}

void frmPhoto::mnuPaletteSet_Click(const PieceSet &set)
{
    m_set = &set;
    m_leftOut = leftOutCodes(set);
    usePalette(pieceSetPalette(set, m_leftOut), set.id);
}

void frmPhoto::mnuPaletteFile_Click()
{
    const auto chosen = m_dialogs.getOpenFileName(QFileInfo(m_path).absolutePath(),
        QStringLiteral("パレットファイル(*.gpl *.csv)"), QStringLiteral("*.gpl *.csv"));
    if (!chosen)
        return;
    if (!nameSurvivesFileSystem(*chosen)) {
        showFailure(m_dialogs, mangledNameText(*chosen));
        return;
    }
    const PaletteFile palette = readPaletteFile(*chosen);
    if (palette.status != PaletteFile::Status::Ok) {
        showFailure(m_dialogs, paletteErrorText(palette, *chosen));
        return;
    }
    m_set = nullptr;
    m_leftOut.clear();
    usePalette(palette, QFileInfo(*chosen).absoluteFilePath());
}

void frmPhoto::cmdOwnedColors_Click()
{
    if (!m_set)
        return;
    QList<bool> owned;
    for (const PaletteColor &color : m_set->colors)
        owned.append(!m_leftOut.contains(color.code));
    const auto chosen = m_dialogs.chooseOwnedColors(m_set->name, m_set->colors, owned);
    if (!chosen || !chosen->contains(true))
        return;
    QStringList leftOut;
    for (qsizetype k = 0; k < m_set->colors.size(); ++k) {
        if (!chosen->value(k, true))
            leftOut.append(m_set->colors[k].code);
    }
    keepLeftOutCodes(*m_set, leftOut);
    m_leftOut = leftOut;
    usePalette(pieceSetPalette(*m_set, m_leftOut), m_set->id);
}

void frmPhoto::cmdNoPalette_Click()
{
    m_set = nullptr;
    m_leftOut.clear();
    usePalette({}, {});
}

void frmPhoto::requestResult()
{
    if (m_decoded.isEmpty())
        return;
    const prepare::PrepareOptions settings = options();
    PhotoRequest request;
    request.generation = ++*m_newest;
    request.newest = m_newest;
    request.source = m_source;
    request.decoded = m_decoded;
    request.scaledPlan = m_shown.decoded.plan;
    request.scaledGeometry = m_shown.geometry;
    request.scaled = m_shown.scaled;
    request.geometry = settings.geometry;
    request.adjustments = settings.adjustments;
    request.reduction = {settings.colors, settings.dither, m_paletteColors, settings.minPieces};
    m_pending = m_runner([request] { return computePhoto(request); });
    if (m_pending.isFinished()) {
        takeResult(m_pending.result());
        return;
    }
    auto *watcher = new QFutureWatcher<PhotoResult>(this);
    connect(watcher, &QFutureWatcher<PhotoResult>::finished, this, [this, watcher] {
        watcher->deleteLater();
        if (watcher->future().resultCount() > 0)
            takeResult(watcher->result());
    });
    watcher->setFuture(m_pending);
    if (!m_busyTimer.isActive())
        m_busyTimer.start();
}

void frmPhoto::takeResult(const PhotoResult &result)
{
    // Results of an earlier load, or superseded while running, are never shown.
    if (!isLoaded() || result.skipped || result.generation != *m_newest
        || result.generation == m_shownGeneration)
        return;
    m_shownGeneration = result.generation;
    m_shown = result;
    m_busyTimer.stop();
    lblBusy->hide();
    const auto kept = std::find_if(
        m_decoded.begin(), m_decoded.end(), [&](const prepare::DecodedPicture &decoded) {
            return decoded.plan == result.decoded.plan;
        });
    if (kept == m_decoded.end() && result.decoded.status == prepare::LoadStatus::Ok)
        m_decoded = {result.decoded};

    const QImage &picture = result.reduced.picture;
    if (result.decoded.status != prepare::LoadStatus::Ok || picture.isNull()) {
        picResult->clear();
        pieceCounts->setCounts({}, {});
        lblStats->setText(failureText(result.decoded.status != prepare::LoadStatus::Ok
                ? prepare::prepareStatus(result.decoded.status)
                : result.scaled.isNull() ? prepare::PrepareResult::Status::ConversionFailed
                                         : prepare::PrepareResult::Status::ReductionFailed,
            m_path));
        return;
    }
    // Each pixel a sharp 2 x 2 block: one piece each.
    picResult->setPixmap(QPixmap::fromImage(
        picture.scaled(ShownSize, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    lblStats->setText(prepare::colorCountText(int(result.reduced.counts.size()),
                          spnMinPieces->value(), result.reduced.droppedColors)
        + QStringLiteral("　平均色差: %1").arg(QString::number(result.reduced.meanDeltaE, 'f', 2)));
    pieceCounts->setCounts(result.reduced.counts, m_paletteNames);
}

void frmPhoto::busyTimer_Timeout()
{
    if (isLoaded() && m_shownGeneration != *m_newest)
        lblBusy->show();
}

bool frmPhoto::resultIsCurrent()
{
    if (m_shownGeneration != *m_newest && m_pending.isValid()) {
        m_pending.waitForFinished();
        if (m_pending.resultCount() > 0)
            takeResult(m_pending.result());
    }
    return m_shownGeneration == *m_newest && !m_shown.reduced.picture.isNull();
}

QString frmPhoto::proposedOutput() const
{
    const QFileInfo photo(m_path);
    return photo.dir().filePath(photo.completeBaseName() + QStringLiteral(".bmp"));
}

bool frmPhoto::refuseOutput(const QString &path)
{
    const prepare::PrepareResult::Status refusal
        = prepare::outputRefusal(m_path, path, m_set ? QString() : m_paletteFile);
    if (refusal == prepare::PrepareResult::Status::Done)
        return false;
    showFailure(m_dialogs, failureText(refusal, m_path, path));
    return true;
}

void frmPhoto::cmdSave_Click()
{
    if (!resultIsCurrent())
        return;
    const QImage picture = m_shown.reduced.picture;
    const auto chosen = m_dialogs.chooseSaveFileByRule(
        proposedOutput(), PictureFilter, QStringLiteral("bmp"), prepare::withBmpName);
    if (!chosen)
        return;
    // Qt's dialog applied the rule before asking about an existing file; one
    // that did not has asked about another name.
    const QString output = prepare::withBmpName(*chosen);
    if (!nameSurvivesFileSystem(output)) {
        showFailure(m_dialogs, mangledNameText(output));
        return;
    }
    if (output != *chosen && QFileInfo::exists(output)
        && m_dialogs.messageBox(
               QStringLiteral("%1 は既に存在します。\r\n置き換えますか？").arg(output),
               QStringLiteral("Tessamap"), Dialogs::Icon::Information, Dialogs::Buttons::YesNo)
            != Dialogs::Answer::Yes)
        return;
    if (refuseOutput(output))
        return;
    const prepare::PrepareResult::Status written = prepare::writePreparedPicture(picture, output);
    if (written != prepare::PrepareResult::Status::Done) {
        showFailure(m_dialogs,
            outputFailureText(
                failureText(written, m_path, output), QFileInfo(output).absolutePath()));
        return;
    }
    // The picture is saved whatever becomes of its chart file: say so and go on.
    const chart::SaveResult chartFile = chart::writeChartOfNewPicture(output,
        chart::colorsOfPalette(m_paletteNames, m_set ? m_set->id : QString()),
        prepare::optionArguments(options()));
    if (chartFile.status != chart::SaveStatus::Saved)
        showFailure(m_dialogs,
            chart::saveFailureText(chartFile)
                + QStringLiteral("\r\n画像は保存しましたが、制作ファイルは書き込めませんでした。"));
    unloadForm();
    emit pictureSaved(output);
}

void frmPhoto::cmdClose_Click()
{
    unloadForm();
}
