// The photo window 「写真から作る」: any photo beside the Tessamap picture made
// from it, with the settings of tessamap-cli prepare applied at once, and the
// way to save that picture and take it into the main window. The work runs
// off the user-interface thread; a newer request supersedes an older one,
// whose result is never shown. The pieces' colours come from a palette file or
// a built-in piece set, less the set's colours the user has not got (kept
// between runs, see ownedcolors.h).
#pragma once

#include "formwindow.h"
#include "palettefile.h"
#include "photowork.h"
#include "pieceset.h"

#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <memory>

class Dialogs;
class PhotoFrameView;
class PieceCountsView;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;

class frmPhoto : public FormWindow
{
    Q_OBJECT
public:
    // runner runs the window's work; by default on a thread of the window's own.
    explicit frmPhoto(Dialogs &dialogs, PhotoRunner runner = {});
    ~frmPhoto() override;

    // Shows the photo at path in the window, opening it if need be; a picture
    // that cannot be read gets the command line's message and changes nothing.
    bool openPhoto(const QString &path);

    // The settings as tessamap-cli prepare takes them.
    prepare::PrepareOptions options() const;

signals:
    // After a successful save, the window closed: the saved picture's path.
    void pictureSaved(const QString &path);

protected:
    void createControls(QWidget *form) override;
    void Form_Load() override;
    void Form_Unload() override;
    QWidget *firstFocus() const override;

private slots:
    void settingsChanged();
    void optFit_Toggled(QAbstractButton *option, bool checked);
    void cmdBackground_Click();
    void cmdResetAdjustments_Click();
    void mnuPaletteSet_Click(const PieceSet &set);
    void mnuPaletteFile_Click();
    void cmdOwnedColors_Click();
    void cmdNoPalette_Click();
    void cmdSave_Click();
    void cmdClose_Click();
    void busyTimer_Timeout();

private:
    void showPhoto();
    void showBackground();
    void showPalette();
    // Takes a palette that is usable: file the path or the set's id.
    void usePalette(const PaletteFile &palette, const QString &file);
    void requestResult();
    void takeResult(const PhotoResult &result);
    // The result of the settings as they are, waited for if need be.
    bool resultIsCurrent();
    QString proposedOutput() const;
    bool refuseOutput(const QString &path);

    Dialogs &m_dialogs;
    PhotoRunner m_runner;
    QThreadPool m_pool;

    QString m_path;
    prepare::PictureSource m_source;
    // The photo decoded for the plan of the latest result; empty without a photo.
    QList<prepare::DecodedPicture> m_decoded;
    QImage m_preview;
    QRgb m_background = qRgb(255, 255, 255);
    QString m_paletteFile; // the file's absolute path or the set's id; empty for none
    const PieceSet *m_set = nullptr; // the set chosen, else none
    QStringList m_leftOut; // the codes of the set's colours the user has not got
    QList<QRgb> m_paletteColors;
    QList<PaletteColor> m_paletteNames; // for the swatches and the saved picture's chart file

    std::shared_ptr<std::atomic<int>> m_newest = std::make_shared<std::atomic<int>>(0);
    int m_shownGeneration = 0;
    QFuture<PhotoResult> m_pending;
    PhotoResult m_shown;
    QTimer m_busyTimer;

    PhotoFrameView *picOriginal = nullptr;
    QLabel *picResult = nullptr;
    QLabel *lblBusy = nullptr;
    QLabel *lblStats = nullptr;
    PieceCountsView *pieceCounts = nullptr;
    QButtonGroup *fitGroup = nullptr;
    QRadioButton *optCrop = nullptr;
    QRadioButton *optPad = nullptr;
    QRadioButton *optStretch = nullptr;
    QSlider *sldZoom = nullptr;
    QSpinBox *spnColors = nullptr;
    QSpinBox *spnMinPieces = nullptr;
    QCheckBox *chkDither = nullptr;
    QPushButton *cmdBackground = nullptr;
    QSlider *sldBrightness = nullptr;
    QSlider *sldContrast = nullptr;
    QSlider *sldSaturation = nullptr;
    QPushButton *cmdResetAdjustments = nullptr;
    QPushButton *cmdPalette = nullptr;
    QMenu *mnuPalette = nullptr;
    QLabel *lblPalette = nullptr;
    QPushButton *cmdOwnedColors = nullptr;
    QLabel *lblSetNote = nullptr;
    QPushButton *cmdNoPalette = nullptr;
    QLineEdit *txtCommand = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdClose = nullptr;
};
