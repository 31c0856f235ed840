// The 「制作」 window on one picture, as a pupil meets it: opening it with its
// chart file, a key press to the redrawn window, and a mark saved. Prints the
// median of each in milliseconds.
//   build_window PICTURE.bmp
#include "frmbuild.h"
#include "recordingsurface.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMilliseconds(int runs, const std::function<void()> &step)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[std::size_t(runs / 2)];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: build_window PICTURE.bmp\n");
        return 2;
    }
    const QString picture = QString::fromLocal8Bit(argv[1]);
    ScriptedDialogs dialogs;
    RecordingSurface printer;
    frmBuild window(dialogs, printer);

    // Half the blocks done and a builder, so that the file is read and applied.
    if (!window.openChart(picture))
        return 1;
    QApplication::setActiveWindow(&window);
    const auto press = [&](Qt::Key key) {
        QWidget *focused = window.focusWidget();
        QTest::keyClick(focused ? focused : &window, key);
    };
    for (int k = 0; k < 96; ++k)
        press(Qt::Key_Space);
    window.unloadForm();

    const double open = medianMilliseconds(15, [&] {
        window.unloadForm();
        window.openChart(picture);
        QApplication::setActiveWindow(&window);
        window.grab();
    });
    // Left and right in turn, so that every press shows another block.
    int presses = 0;
    const double key = medianMilliseconds(101, [&] {
        press(++presses % 2 ? Qt::Key_Left : Qt::Key_Right);
        window.grab();
    });
    const double mark = medianMilliseconds(101, [&] {
        press(Qt::Key_Space);
        window.grab();
    });
    std::printf("open with its chart: %.1f ms (target <= 300)\n", open);
    std::printf("arrow key to the redrawn window: %.2f ms (target <= 16)\n", key);
    std::printf("Space, the mark saved and the window redrawn: %.2f ms (save target <= 20)\n", mark);
    return dialogs.messages.isEmpty() ? 0 : 1;
}
