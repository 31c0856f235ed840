// The Japanese texts that tell the user why a picture was not analysed, shared
// by the windows and the command line. CR LF separates lines.
#pragma once

#include "bitmapfile.h"

#include <QString>

// The header test's refusals (NotTwentyFourBit, WrongSize); empty otherwise.
QString bitmapRefusalText(BitmapStatus status);
// An unreadable or broken file (CannotOpen, HeaderIncomplete, PixelDataIncomplete),
// with its path on the second line; empty otherwise.
QString bitmapFailureText(BitmapStatus status, const QString &path);
