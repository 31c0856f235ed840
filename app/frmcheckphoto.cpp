#include "frmcheckphoto.h"

#include "checkphotoview.h"
#include "checktext.h"
#include "dialogs.h"
#include "failuremessage.h"
#include "formcontrols.h"
#include "waitcursor.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QStringList PhotoFilters {
    QStringLiteral("写真(*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp)"),
    QStringLiteral("すべてのファイル(*)")};

} // namespace

frmCheckPhoto::frmCheckPhoto(Dialogs &dialogs)
    : FormWindow(QStringLiteral("写真で確かめる"), QSize(680, 600))
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmCheckPhoto"));
}

frmCheckPhoto::~frmCheckPhoto() = default;

void frmCheckPhoto::createControls(QWidget *form)
{
    picPhoto = new CheckPhotoView(form);
    picPhoto->setObjectName(QStringLiteral("picPhoto"));
    picPhoto->setGeometry(12, 12, 656, 400);
    connect(
        picPhoto, &CheckPhotoView::cornersChanged, this, &frmCheckPhoto::picPhoto_CornersChanged);
    cmdPhoto = addButton(
        form, QStringLiteral("cmdPhoto"), QStringLiteral("写真を選ぶ…"), {12, 420, 120, 28});
    connect(cmdPhoto, &QPushButton::clicked, this, &frmCheckPhoto::cmdPhoto_Click);
    cmdCheck = addButton(
        form, QStringLiteral("cmdCheck"), QStringLiteral("確かめる"), {140, 420, 120, 28});
    cmdCheck->setEnabled(false);
    connect(cmdCheck, &QPushButton::clicked, this, &frmCheckPhoto::cmdCheck_Click);
    lblResult = addLabel(form, QStringLiteral("lblResult"), QString(), {272, 420, 396, 28});
    lblResult->setWordWrap(true);
    lstWrong = new QListWidget(form);
    lstWrong->setObjectName(QStringLiteral("lstWrong"));
    lstWrong->setGeometry(12, 456, 656, 132);
}

void frmCheckPhoto::Form_Load()
{
    if (m_session)
        showResult();
}

QWidget *frmCheckPhoto::firstFocus() const
{
    return cmdPhoto;
}

void frmCheckPhoto::setArea(
    const chart::Chart &chart, const check::Area &area, std::optional<chart::BlockPlace> block)
{
    m_chart = chart;
    m_area = area;
    m_block = block;
    m_session.reset();
    if (isLoaded())
        showResult();
}

bool frmCheckPhoto::openPhoto(const QString &path)
{
    auto session = std::make_unique<check::CheckSession>(m_chart, m_area);
    {
        WaitCursor wait;
        if (!session->openPhoto(path)) {
            showFailure(m_dialogs, session->failureText());
            return false;
        }
    }
    m_session = std::move(session);
    if (!isLoaded())
        showForm();
    else
        showResult();
    return true;
}

void frmCheckPhoto::cmdPhoto_Click()
{
    const auto chosen = m_dialogs.chooseOpenFile(QDir::currentPath(), PhotoFilters);
    if (chosen)
        openPhoto(chosen->path);
}

void frmCheckPhoto::cmdCheck_Click()
{
    if (!m_session)
        return;
    {
        WaitCursor wait;
        m_session->checkWithCorners(picPhoto->corners());
    }
    showResult();
    if (m_session->checked() && m_session->result().wrong.isEmpty() && m_block
        && m_dialogs.messageBox(
               QStringLiteral("まちがいはありません。\nブロック %1 を完成にしますか？")
                   .arg(chart::blockLabel(*m_block)),
               ApplicationTitle, Dialogs::Icon::Information, Dialogs::Buttons::YesNo)
            == Dialogs::Answer::Yes)
        emit markBlockDone(*m_block);
}

void frmCheckPhoto::picPhoto_CornersChanged()
{
    // The result drawn belongs to the corners as they were.
    if (m_session)
        picPhoto->setPhoto(m_session->photo().image, m_session->photo().fullSize);
    lblResult->setText(QStringLiteral("角を動かしました。「確かめる」をクリックしてください。"));
    lstWrong->clear();
}

void frmCheckPhoto::showResult()
{
    lstWrong->clear();
    cmdCheck->setEnabled(m_session != nullptr);
    if (!m_session) {
        picPhoto->setPhoto({}, {});
        lblResult->setText(QStringLiteral("並べたボードの写真を選んでください。"));
        return;
    }
    picPhoto->setPhoto(m_session->overlay(), m_session->photo().fullSize);
    picPhoto->setCorners(m_session->corners());
    if (!m_session->checked()) {
        lblResult->setText(m_session->failureText().section(u'\n', 0, 0));
        lstWrong->addItem(m_session->failureText());
        return;
    }
    const check::CheckResult &result = m_session->result();
    lblResult->setText(QStringLiteral("まちがい: %1 個").arg(result.wrong.size()));
    for (const check::WrongCell &cell : result.wrong)
        lstWrong->addItem(check::wrongCellText(m_chart, cell));
}
