// The windows wired as the program wires them, with scripted dialogs and
// a recording printer, in a temporary folder that becomes the working directory.
#pragma once

#include "formcontrols.h"
#include "frmbuild.h"
#include "frmcountcolor.h"
#include "frmmain.h"
#include "frmmatrix.h"
#include "frmphoto.h"
#include "modshared.h"
#include "recordingsurface.h"
#include "scripteddialogs.h"
#include "testpicture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class WindowFixture : public ::testing::Test
{
protected:
    WindowFixture()
        : m_previousDirectory(QDir::currentPath())
    {
        QDir::setCurrent(folder.path());
    }
    ~WindowFixture() override
    {
        for (QWidget *window :
            {static_cast<QWidget *>(&mainWindow), static_cast<QWidget *>(&countColor),
                static_cast<QWidget *>(&matrix), static_cast<QWidget *>(&photo),
                static_cast<QWidget *>(&build)})
            window->close();
        QDir::setCurrent(m_previousDirectory);
    }

    template<typename T = QLabel> static T *control(const QWidget &window, const QString &name)
    {
        T *found = window.findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static QPushButton *button(const QWidget &window, const QString &name)
    {
        return control<QPushButton>(window, name);
    }
    static QString text(const QWidget &window, const QString &name)
    {
        return control(window, name)->text();
    }
    // The names of the first count widgets that take the focus by tab, from start on.
    static QStringList tabOrder(const QWidget &window, const QString &start, int count)
    {
        QStringList names;
        for (QWidget *widget = control<QWidget>(window, start); widget && names.size() < count;
             widget = widget->nextInFocusChain()) {
            if (widget->focusPolicy() & Qt::TabFocus)
                names << widget->objectName();
        }
        return names;
    }
    static void invoke(QWidget &window, const char *handler)
    {
        ASSERT_TRUE(QMetaObject::invokeMethod(&window, handler, Qt::DirectConnection)) << handler;
    }

    QString savePicture(const TestPicture &picture, const QString &name = "picture.bmp",
        const BmpOptions &options = {})
    {
        return picture.save(folder.filePath(name), options);
    }
    // Chooses the file in the main window's dialog.
    void choose(const QString &path)
    {
        dialogs.fileChoices.push_back(path);
        button(mainWindow, "cmdGetFileName")->click();
    }
    // Analyses a picture in the colour window, as a user gets there.
    void openColorWindow(const TestPicture &picture)
    {
        model.strFileName = savePicture(picture);
        countColor.showForm();
    }
    // Opens the matrix window through the colour window's button.
    void openMatrixWindow(const TestPicture &picture)
    {
        openColorWindow(picture);
        button(countColor, "cmdPrintMatrix")->click();
    }

    // The photo window's work, run at once on the test's thread.
    static PhotoRunner photoRunner()
    {
        return [](std::function<PhotoResult()> job) { return QtFuture::makeReadyFuture(job()); };
    }

    QTemporaryDir folder;
    modShared model;
    ScriptedDialogs dialogs;
    RecordingSurface printer;
    frmBuild build {dialogs, printer};
    frmMatrix matrix {model, dialogs, printer, build};
    frmCountColor countColor {model, dialogs, printer, matrix};
    frmPhoto photo {dialogs, photoRunner()};
    frmMain mainWindow {model, dialogs, countColor, photo};

private:
    QString m_previousDirectory;
};
