// Writing an output file safely (see outputfile.h): the commit of a file
// written beside, and the message of a file that could not be written (what
// failed on which file, the full path below).
#pragma once

#include <QString>

class QSaveFile;

// Renames the finished file over the old one; false if any byte is missing.
bool commitCompletely(QSaveFile &file);

enum class WriteFailure {
    Create,
    Write,
    ReplacesInput, // the output names the picture or palette file read (replacedInput)
};

QString writeFailureText(WriteFailure failure, const QString &path);
