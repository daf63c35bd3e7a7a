// Runs a fuzz target's LLVMFuzzerTestOneInput once on each file of its seed
// corpus, without libFuzzer: the corpus becomes a regression test of the
// normal build. Arguments are files or directories (their files in name order).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QFile::decodeName(argv[i]);
        if (QFileInfo(arg).isDir()) {
            const QDir dir(arg);
            for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
                files.append(dir.filePath(name));
        } else {
            files.append(arg);
        }
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "no seed files given\n");
        return 2;
    }
    for (const QString &file : files) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
            return 2;
        }
        const QByteArray bytes = f.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    }
    std::printf("%lld seed inputs run\n", static_cast<long long>(files.size()));
    return 0;
}
