#include "frmmain.h"

#include "bitmapfile.h"
#include "dialogs.h"
#include "failuremessage.h"
#include "filename.h"
#include "formcontrols.h"
#include "frmcountcolor.h"
#include "frmphoto.h"
#include "givenfile.h"
#include "modshared.h"
#include "pictureloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>

namespace {

// The BMP filter first and selected, its files taken as they always were; the
// second opens the photo window.
const QStringList FileFilters {QStringLiteral("BMPファイル(*.bmp)"),
    QStringLiteral(
        "画像ファイル(*.bmp *.jpg *.jpeg *.png *.gif *.webp *.tif *.tiff *.heic *.heif *.avif)")};
constexpr int PhotoFilter = 1;

// The local files of a drop; empty when anything else is among them.
QStringList droppedFiles(const QMimeData *data)
{
    QStringList paths;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

} // namespace

const QString frmMain::NoImgInfo = QStringLiteral("ここに画像情報が表示されます。");

frmMain::frmMain(modShared &model, Dialogs &dialogs, frmCountColor &countColor, frmPhoto &photo)
    : FormWindow(QStringLiteral("Tessamap Ver.1.2"), twipsSize(11835, 8160))
    , m_model(model)
    , m_dialogs(dialogs)
    , m_countColor(countColor)
    , m_photo(photo)
{
    setObjectName(QStringLiteral("frmMain"));
    setAcceptDrops(true);
    connect(&m_photo, &frmPhoto::pictureSaved, this, &frmMain::showChosenFile);
}

void frmMain::Form_Load()
{
    QString info;
    for (const char *line : {"現在，このプログラムは", "以下の設定の場合のみ", "処理が可能です。",
             "", "FileSize = ****", "ImgSize = ****", "BitCount = 24(ﾌﾙｶﾗｰ)", "Width = 160",
             "Height = 120"})
        info += QString::fromUtf8(line) + QStringLiteral("\r\n");
    lblinfo->setText(shownText(info));
    // Every line below the first stays left of Image2, about 100 px at the window font.
    lblCopyright->setText(
        shownText(QStringLiteral("Tessamap Ver.1.2\r\n© 2026\r\nTessamap\r\ndevelopers\r\n")));
}

QWidget *frmMain::firstFocus() const
{
    return cmdClose;
}

void frmMain::cmdGetFileName_Click()
{
    const auto chosen
        = m_dialogs.chooseOpenFile(QCoreApplication::applicationDirPath(), FileFilters);
    if (!chosen)
        return;
    if (!nameSurvivesFileSystem(chosen->path)) {
        showFailure(m_dialogs, mangledNameText(chosen->path));
        return;
    }
    // A file that is no bitmap ("BM") takes the photo window's road under
    // either filter, as a given file does; its header values would be nonsense.
    if (chosen->filterIndex == PhotoFilter
        || examineGivenFile(chosen->path).road == GivenFileRoad::Photo)
        openPhoto(chosen->path);
    else
        showChosenFile(chosen->path);
}

void frmMain::showChosenFile(const QString &path)
{
    // A picture saved in the photo window after this window was closed opens it again.
    if (!isLoaded())
        showForm();
    // The picture's folder becomes the working directory, so CSV files and PDF
    // prints land beside the picture.
    QDir::setCurrent(QFileInfo(path).absolutePath());
    m_model.strFileName = path;
    lblFileName->setText(m_model.strFileName);

    // Any failure from here on ends the choice without a message, and nothing
    // of an earlier picture stays shown under the new name.
    const QImage picture = loadPicture(m_model.strFileName);
    const BitmapFile bitmap
        = picture.isNull() ? BitmapFile() : readBitmapHeader(m_model.strFileName);
    if (bitmap.status != BitmapStatus::Ok) {
        clearPicture();
        return;
    }
    // Stretched without smoothing: every pixel stands for one piece and stays a sharp block.
    imgDisp->setPixmap(QPixmap::fromImage(picture.scaled(
        imgDisp->contentsRect().size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    lblImgInfo->setText(shownText(headerInfoText(bitmap.header)));
    cmdCountColor->setEnabled(checkHeader(bitmap.header) == HeaderCheck::Accepted);
}

void frmMain::clearPicture()
{
    imgDisp->clear();
    lblImgInfo->setText(NoImgInfo);
    cmdCountColor->setEnabled(false);
}

void frmMain::openPhoto(const QString &path)
{
    m_photo.openPhoto(path);
}

void frmMain::openGivenFiles(const QStringList &paths)
{
    if (paths.size() != 1) {
        showFailure(m_dialogs, QStringLiteral("開けるファイルは１つだけです。"));
        return;
    }
    if (!nameSurvivesFileSystem(paths.first())) {
        showFailure(m_dialogs, mangledNameText(paths.first()));
        return;
    }
    const GivenFile given = examineGivenFile(paths.first());
    switch (given.road) {
    case GivenFileRoad::Unreadable:
        showFailure(m_dialogs, given.problem);
        break;
    case GivenFileRoad::Bitmap:
        showChosenFile(given.path);
        break;
    case GivenFileRoad::Photo:
        openPhoto(given.path);
        break;
    }
}

void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent *event)
{
    const QStringList paths = droppedFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    // After the drop has ended: a message box inside it would keep the file
    // manager that started the drag waiting.
    QMetaObject::invokeMethod(
        this,
        [this, paths] {
            if (isLoaded())
                openGivenFiles(paths);
        },
        Qt::QueuedConnection);
}

void frmMain::cmdCountColor_Click()
{
    if (m_model.strFileName.isEmpty()) {
        showWarning(m_dialogs, QStringLiteral("ファイル名が選択されていません。"));
        return;
    }
    m_countColor.showForm();
}

void frmMain::cmdClose_Click()
{
    unloadForm();
}
