// The one way every output file is written (the BMP of prepare, the CSV files,
// the PDF prints): beside the target under a temporary name, renamed over it
// only when every byte is on disk, so that a failure leaves an earlier file
// byte for byte as it was and no temporary file behind. A target that exists
// and is not a regular file (a FIFO, a device, a folder) is never replaced.
#pragma once

#include <QSaveFile>
#include <QString>
#include <QStringList>

class OutputFile
{
public:
    explicit OutputFile(const QString &path);

    // Creates the temporary file; false also for a target that is not a
    // regular file, which the windows and commands report as not creatable.
    bool open();
    QIODevice &device() { return m_file; }
    // Checks the target again (the folder's owner may have swapped the entry
    // since open()), then renames the complete file over it; false if any byte
    // is missing, reported as a failed write.
    bool commit();

private:
    QSaveFile m_file;
};

// Whether path names something that exists and is not a regular file, also
// through a symbolic link.
bool isOtherThanRegularFile(const QString &path);

// Whether both paths name one existing file: the same path, a symbolic link or
// a hard link (the same device and inode).
bool namesSameFile(const QString &a, const QString &b);

// The one rule for an output beside what was read: the input among inputs
// that writing output would replace (by namesSameFile), or empty. A picture
// called ColorData.csv, or a palette file called like a print, stays.
QString replacedInput(const QString &output, const QStringList &inputs);
