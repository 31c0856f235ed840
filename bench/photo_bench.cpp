// The photo window on one photo (in scripts/bench, a 4000 x 3000 JPEG, PNG and
// HEIC), as a user meets it: the decode alone, from the choice of the file to
// the first result shown, the new result after each kind of change, and the
// process's peak memory.
//   photo_bench PHOTO PALETTE.csv
#include "dialogs.h"
#include "frmphoto.h"
#include "picturesource.h"
#include "scaledpicture.h"

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
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
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

// Milliseconds of the window's first decode: the file opened and decoded at
// the window's plan, to the averaged picture in linear light or (linear false)
// as the decoder gives it.
double decodeTime(const QString &photo, bool linear)
{
    QElapsedTimer timer;
    timer.start();
    const prepare::PictureSource source = prepare::openPictureSource(photo);
    prepare::DecodePlan plan = prepare::decodePlan(source, {}, true);
    if (!linear)
        plan.average = 0;
    if (prepare::decodePicture(source, plan).status != prepare::LoadStatus::Ok) {
        std::fprintf(stderr, "cannot decode %s\n", qPrintable(photo));
        std::exit(1);
    }
    return timer.nsecsElapsed() / 1e6;
}

// A line of /proc/self/status, as "VmHWM:" (the peak resident memory) or "VmRSS:".
long statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: photo_bench PHOTO PALETTE.csv\n");
        return 1;
    }
    const QString photo = QString::fromLocal8Bit(argv[1]);
    BenchDialogs dialogs(QString::fromLocal8Bit(argv[2]));
    constexpr int Runs = 7;
    const long baseKiB = statusKiB("VmHWM:");
    std::vector<std::pair<const char *, double>> rows;

    // The window's decode alone in turn with each opening, so that both meet
    // the same moment of a shared machine.
    auto window = std::make_unique<frmPhoto>(dialogs);
    std::vector<double> linear;
    std::vector<double> first;
    std::vector<double> afterDecode;
    for (int run = 0; run < Runs; ++run) {
        window->unloadForm();
        QCoreApplication::processEvents();
        linear.push_back(decodeTime(photo, true));
        first.push_back(timeToResult(*window, [&] { window->openPhoto(photo); }));
        afterDecode.push_back(first.back() - linear.back());
    }
    rows.emplace_back("Decode to the averaged picture in linear light", median(linear));
    rows.emplace_back("Choice of the file to the first result", median(first));
    rows.emplace_back(
        "The first result past that decode (median of the runs' differences)", median(afterDecode));

    const auto control
        = [&](const char *name) { return window->findChild<QWidget *>(QString::fromLatin1(name)); };
    auto *colors = static_cast<QSpinBox *>(control("spnColors"));
    auto *zoom = static_cast<QSlider *>(control("sldZoom"));
    auto *brightness = static_cast<QSlider *>(control("sldBrightness"));
    auto *pad = static_cast<QRadioButton *>(control("optPad"));
    auto *crop = static_cast<QRadioButton *>(control("optCrop"));
    auto *dither = static_cast<QCheckBox *>(control("chkDither"));
    const auto measure = [&](const char *name, const std::function<void(int run)> &change) {
        std::vector<double> times;
        for (int run = 0; run < Runs; ++run)
            times.push_back(timeToResult(*window, [&] { change(run); }));
        rows.emplace_back(name, median(times));
    };
    const auto colorChange = [&](int run) { colors->setValue(run % 2 ? 32 : 20); };
    measure("Colours 32 / 20", colorChange);
    measure("Fit crop / pad", [&](int run) { (run % 2 ? crop : pad)->setChecked(true); });
    measure("Frame 100 % / 200 %", [&](int run) { zoom->setValue(run % 2 ? 100 : 200); });
    measure("Brightness 0 / 20", [&](int run) { brightness->setValue(run % 2 ? 0 : 20); });
    dither->setChecked(true);
    measure("Colours, dithered", colorChange);
    dither->setChecked(false);
    window->findChild<QAction *>(QStringLiteral("mnuPaletteFile"))->trigger();
    measure("Colours, own palette", colorChange);
    // Before the decodes as the decoder gives them, which take more for a HEIC.
    const long windowKiB = statusKiB("VmHWM:");
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const long closedKiB = statusKiB("VmRSS:");

    std::vector<double> decoder;
    for (int run = 0; run < Runs; ++run)
        decoder.push_back(decodeTime(photo, false));
    std::printf("| Step | Median of %d, ms |\n|---|---|\n", Runs);
    std::printf("| Decode alone, as the decoder gives it | %.0f |\n", median(decoder));
    for (const auto &[name, time] : rows)
        std::printf("| %s | %.0f |\n", name, time);
    std::printf("\nPeak resident memory (VmHWM) of the process with the window open: %.1f MiB"
                " (%.1f MiB before the window); resident once it closed (VmRSS): %.1f MiB\n",
        windowKiB / 1024.0, baseKiB / 1024.0, closedKiB / 1024.0);
    return 0;
}
