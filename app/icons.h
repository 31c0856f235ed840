// The program's pictures, drawn at start rather than shipped as files: the
// mosaic that stands for Tessamap (window icon and 48 x 48 picture), the arrow
// between the main window's two steps, and the triangles of the matrix window.
// The installed icons are drawn by paintMosaic too.
#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;

enum class ArrowDirection { Left, Right, Up, Down };

QIcon programIcon();
QPixmap mosaicPicture(int size);
// Draws the mosaic into the square (0, 0, size, size) of any paint device.
void paintMosaic(QPainter &painter, int size);
QPixmap stepArrowPicture();
QIcon triangleIcon(ArrowDirection direction);
