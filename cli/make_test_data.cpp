// Writes the test data files and the fuzzers' starting corpus:
//   make-test-data TESTS_DATA_DIR FUZZ_CORPUS_DIR
#include "test_files.h"

#include <QDir>
#include <QFile>

#include <iostream>

namespace {

bool WriteAll(const QString& dir, const std::vector<NamedFile>& files) {
    if (!QDir().mkpath(dir))
        return false;
    for (const NamedFile& f : files) {
        QFile file(QDir(dir).filePath(QString::fromStdString(f.name)));
        const auto n = static_cast<qint64>(f.bytes.size());
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(f.bytes.data()), n) != n) {
            std::cerr << "make-test-data: " << file.fileName().toStdString() << ": "
                      << file.errorString().toStdString() << "\n";
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make-test-data TESTS_DATA_DIR FUZZ_CORPUS_DIR\n";
        return 2;
    }
    bool ok = WriteAll(argv[1], MakeTestDataFiles()) && WriteAll(argv[1], MakeCharsetTestFiles());
    for (const char* target : {"store_decode", "store_parse", "store_datafile"})
        ok = ok && WriteAll(QDir(argv[2]).filePath(target), MakeFuzzCorpus(target));
    return ok ? 0 : 1;
}
