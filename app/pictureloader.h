// Loads the chosen file for the main window's picture box. Qt's readers take
// most pictures; a 24-bit 160 x 120 bitmap they refuse (a compression field
// set, say) is drawn from its pixel data, since Tessamap accepts it. A file
// cut short is refused: Qt would fill its missing rows and call it whole.
#pragma once

#include <QImage>
#include <QString>

// A null image when neither way can show the file.
QImage loadPicture(const QString &path);
