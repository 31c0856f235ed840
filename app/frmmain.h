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
struct modShared;

class frmMain : public FormWindow
{
    Q_OBJECT
public:
    frmMain(modShared &model, Dialogs &dialogs, frmCountColor &countColor);

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
    void showChosenFile(const QString &path);

    modShared &m_model;
    Dialogs &m_dialogs;
    frmCountColor &m_countColor;

    QLabel *imgDisp = nullptr;
    QLabel *lblImgInfo = nullptr;
    QLabel *lblinfo = nullptr;
    QLabel *lblCopyright = nullptr;
    QLabel *lblFileName = nullptr;
    QPushButton *cmdGetFileName = nullptr;
    QPushButton *cmdCountColor = nullptr;
    QPushButton *cmdClose = nullptr;
};
