// Runs a fuzzer's harness once over every file of the folders or files named,
// in the sanitizer build of the tests: the seed corpus and every input that
// once crashed stay checked without clang or libFuzzer.
#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char *argv[])
{
    int files = 0;
    for (int index = 1; index < argc; ++index) {
        QStringList paths;
        const QString named = QFile::decodeName(argv[index]);
        if (QFileInfo(named).isDir()) {
            QDirIterator entries(named, QDir::Files, QDirIterator::Subdirectories);
            while (entries.hasNext())
                paths.append(entries.next());
        } else {
            paths.append(named);
        }
        paths.sort();
        for (const QString &path : paths) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            std::fprintf(stderr, "%s\n", qPrintable(path));
            LLVMFuzzerTestOneInput(
                reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
            ++files;
        }
    }
    std::fprintf(stderr, "%d files\n", files);
    return files > 0 ? 0 : 1;
}
