// The program's pictures, drawn at start rather than shipped as files: the
// mosaic that stands for Tessamap (window icon and 48 x 48 picture), the arrow
// between the main window's two steps, and the triangles of the matrix window.
#pragma once

#include <QIcon>
#include <QPixmap>

enum class ArrowDirection { Left, Right, Up, Down };

QIcon programIcon();
QPixmap mosaicPicture(int size);
QPixmap stepArrowPicture();
QIcon triangleIcon(ArrowDirection direction);
