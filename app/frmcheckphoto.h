// The window 「写真で確かめる」: a photo of a laid block or area, the four
// corners found on it (dragged to correct them), and the wrong pieces circled
// on the photo and listed, each with the colour it should be and the one it
// is. When nothing is wrong on a block, it offers to mark the block done. The
// check itself is check::CheckSession's.
#pragma once

#include "checksession.h"
#include "formwindow.h"

#include <memory>
#include <optional>

class CheckPhotoView;
class Dialogs;
class QLabel;
class QListWidget;
class QPushButton;

class frmCheckPhoto : public FormWindow
{
    Q_OBJECT
public:
    explicit frmCheckPhoto(Dialogs &dialogs);
    ~frmCheckPhoto() override;

    // What the next photo is checked against; block: the block the area is,
    // which may be marked done, or none for another rectangle.
    void setArea(
        const chart::Chart &chart, const check::Area &area, std::optional<chart::BlockPlace> block);
    // Opens and checks the photo; a photo that cannot be read gets its message
    // and changes nothing.
    bool openPhoto(const QString &path);
    const check::CheckSession *session() const { return m_session.get(); }

signals:
    // The user agreed to mark the block done after a check found nothing wrong.
    void markBlockDone(chart::BlockPlace block);

protected:
    void createControls(QWidget *form) override;
    void Form_Load() override;
    QWidget *firstFocus() const override;

private slots:
    void cmdPhoto_Click();
    void cmdCheck_Click();
    void picPhoto_CornersChanged();

private:
    void showResult();

    Dialogs &m_dialogs;
    chart::Chart m_chart;
    check::Area m_area;
    std::optional<chart::BlockPlace> m_block;
    std::unique_ptr<check::CheckSession> m_session;

    CheckPhotoView *picPhoto = nullptr;
    QPushButton *cmdPhoto = nullptr;
    QPushButton *cmdCheck = nullptr;
    QLabel *lblResult = nullptr;
    QListWidget *lstWrong = nullptr;
};
