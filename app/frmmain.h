// The main window: choosing the picture, its header values, and the way on to
// the colour window.
#pragma once

#include "formwindow.h"

class Dialogs;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QPushButton;
class frmCountColor;
class frmPhoto;
struct modShared;

class frmMain : public FormWindow
{
    Q_OBJECT
public:
    frmMain(modShared &model, Dialogs &dialogs, frmCountColor &countColor, frmPhoto &photo);

    // The two roads of a chosen file. showChosenFile takes it as the picture
    // to work on, whatever it holds, exactly as the BMP filter of the file
    // dialog does; openPhoto opens the photo window on it and leaves this
    // window as it is until a picture made there is saved.
    void showChosenFile(const QString &path);
    void openPhoto(const QString &path);

    // Files named on the command line or dropped on the window: one opens as
    // if chosen in the file dialog (a photo in the photo window); a file that
    // cannot be read, or more than one, gets a message and changes nothing.
    void openGivenFiles(const QStringList &paths);

protected:
    void createControls(QWidget *form) override;
    void Form_Load() override;
    QWidget *firstFocus() const override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void cmdGetFileName_Click();
    void cmdCountColor_Click();
    void cmdClose_Click();

private:
    static const QString NoImgInfo;
    // No picture and no header values, the colour button disabled.
    void clearPicture();

    modShared &m_model;
    Dialogs &m_dialogs;
    frmCountColor &m_countColor;
    frmPhoto &m_photo;

    QLabel *imgDisp = nullptr;
    QLabel *lblImgInfo = nullptr;
    QLabel *lblinfo = nullptr;
    QLabel *lblCopyright = nullptr;
    QLabel *lblFileName = nullptr;
    QPushButton *cmdGetFileName = nullptr;
    QPushButton *cmdCountColor = nullptr;
    QPushButton *cmdClose = nullptr;
};
