// A file handed to the main window from outside its file dialog: named on the
// command line or dropped on the window. Its first bytes, not its name, tell
// the road it takes: a bitmap ("BM") that of the file dialog's choice, any
// other picture that of the photo window.
#pragma once

#include <QString>

enum class GivenFileRoad { Unreadable, Bitmap, Photo };

struct GivenFile
{
    GivenFileRoad road = GivenFileRoad::Unreadable;
    QString path; // absolute
    QString problem; // what could not be opened, for the message box; Unreadable only
};

GivenFile examineGivenFile(const QString &path);
