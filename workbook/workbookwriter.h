// The chart as a spreadsheet workbook (.xlsx) for planning the build in
// Excel, LibreOffice Calc or an online spreadsheet. Its sheets, in order:
// 「全体」 the whole chart, one square cell per piece with its colour number on
// its colour, block letters across and numbers down; 「色」 one row per colour
// number with its fill, R, G, B, name and code where known, and pieces;
// 「ブロック別」 the pieces of each colour in each block, in print order, with
// the builder; then one printable sheet per block, "A1" .. "P12" in print
// order, with a key of the colours in it. A cell without a colour number
// shows 0 on white. Numbers are drawn in black, or in white where black would
// vanish (the matrix window's rule).
//
// The file is written like every output (outputfile.h): complete or not at
// all, an earlier file of the name kept on any failure.
#pragma once

#include "chart.h"

#include <QString>

namespace workbook {

struct WriteResult
{
    enum class Failure { None, Create, Write, ReplacesInput };

    Failure failure = Failure::None;
    // Japanese text for the message, naming the file and its full path; empty on success.
    QString message;

    bool ok() const { return failure == Failure::None; }
};

// The workbook's name for a picture: "landscape.xlsx" for "/a/landscape.bmp",
// "my.photo.xlsx" for "my.photo.bmp".
QString workbookFileName(const QString &picturePath);

// A path that names one of inputs, the files the chart was made from (a BMP
// called "chart.xlsx", a name chosen so in a dialog), is refused with
// ReplacesInput and nothing is written.
WriteResult writeWorkbook(
    const chart::Chart &chart, const QString &path, const QStringList &inputs = {});

} // namespace workbook
