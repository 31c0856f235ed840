// The message of an output file that could not be written, shared by the CSV
// files and the PDF prints: what failed on which file, the full path below.
#pragma once

#include <QString>

enum class WriteFailure { Create, Write };

QString writeFailureText(WriteFailure failure, const QString &path);
