// The photo window on one photo (in scripts/bench, a 4000 x 3000 JPEG), as a
// user meets it: from the choice of the file to the first result shown, the
// new result after each kind of change, and the process's peak memory.
//   photo_bench PHOTO.jpg PALETTE.csv
#include "dialogs.h"
#include "frmphoto.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Answers the palette dialog with the bench's palette; nothing else is asked.
class BenchDialogs : public Dialogs
{
public:
    explicit BenchDialogs(QString palette)
        : m_palette(std::move(palette))
    { }
    Answer messageBox(const QString &text, const QString &, Icon, Buttons) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return Answer::Ok;
    }
    std::optional<QString> getOpenFileName(
        const QString &, const QString &, const QString &) override
    {
        return m_palette;
    }
    std::optional<ChosenFile> chooseOpenFile(const QString &, const QStringList &) override
    {
        return std::nullopt;
    }
    std::optional<QString> chooseSaveFile(
        const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QColor> chooseColor(const QColor &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QList<bool>> chooseOwnedColors(
        const QString &, const QList<PaletteColor> &, const QList<bool> &) override
    {
        return std::nullopt;
    }
    bool showPrinter() override { return false; }

private:
    QString m_palette;
};

// 0 while the window is not loaded.
qint64 shownKey(const frmPhoto &window)
{
    const auto *result = window.findChild<QLabel *>(QStringLiteral("picResult"));
    return result ? result->pixmap().cacheKey() : 0;
}

// Milliseconds from change() to the next result shown.
double timeToResult(frmPhoto &window, const std::function<void()> &change)
{
    const qint64 before = shownKey(window);
    QElapsedTimer timer;
    timer.start();
    change();
    while (shownKey(window) == before)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: photo_bench PHOTO.jpg PALETTE.csv\n");
        return 1;
    }
    const QString photo = QString::fromLocal8Bit(argv[1]);
    BenchDialogs dialogs(QString::fromLocal8Bit(argv[2]));
    frmPhoto window(dialogs);
    constexpr int Runs = 7;

    std::vector<double> first;
    for (int run = 0; run < Runs; ++run) {
        window.unloadForm();
        QCoreApplication::processEvents();
        first.push_back(timeToResult(window, [&] { window.openPhoto(photo); }));
    }
    std::printf("| Step | Median of %d, ms |\n|---|---|\n", Runs);
    std::printf("| Choice of the file to the first result | %.0f |\n", median(first));

    const auto control
        = [&](const char *name) { return window.findChild<QWidget *>(QString::fromLatin1(name)); };
    auto *colors = static_cast<QSpinBox *>(control("spnColors"));
    auto *zoom = static_cast<QSlider *>(control("sldZoom"));
    auto *brightness = static_cast<QSlider *>(control("sldBrightness"));
    auto *pad = static_cast<QRadioButton *>(control("optPad"));
    auto *crop = static_cast<QRadioButton *>(control("optCrop"));
    auto *dither = static_cast<QCheckBox *>(control("chkDither"));
    const auto measure = [&](const char *name, const std::function<void(int run)> &change) {
        std::vector<double> times;
        for (int run = 0; run < Runs; ++run)
            times.push_back(timeToResult(window, [&] { change(run); }));
        std::printf("| %s | %.0f |\n", name, median(times));
    };
    const auto colorChange = [&](int run) { colors->setValue(run % 2 ? 32 : 20); };
    measure("Colours 32 / 20", colorChange);
    measure("Fit crop / pad", [&](int run) { (run % 2 ? crop : pad)->setChecked(true); });
    measure("Frame 100 % / 200 %", [&](int run) { zoom->setValue(run % 2 ? 100 : 200); });
    measure("Brightness 0 / 20", [&](int run) { brightness->setValue(run % 2 ? 0 : 20); });
    dither->setChecked(true);
    measure("Colours, dithered", colorChange);
    dither->setChecked(false);
    window.findChild<QAction *>(QStringLiteral("mnuPaletteFile"))->trigger();
    measure("Colours, own palette", colorChange);
    std::printf("\nPeak memory (VmHWM) with the window open: %.1f MiB\n", peakKiB() / 1024.0);
    window.close();
    return 0;
}
