// Runs zdftool's commands in-process, in a folder of their own that holds a copy of the sample
// database.
#pragma once

#include "zdftool.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

inline const std::string kData = ORVANE_TEST_DATA;
inline const std::string kSample = kData + "/../../res/sample.zdf";

struct ZdfResult {
    int nExit;
    std::string out, err;
};

inline ZdfResult Zdf(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int nExit = RunZdfTool(args, out, err);
    return {nExit, out.str(), err.str()};
}

// A file's bytes; empty when it cannot be read.
inline std::string Bytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

inline bool Exists(const std::string& path) {
    return QFile::exists(QString::fromStdString(path));
}

class ZdfFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::copy(QString::fromStdString(kSample), QString::fromStdString(in)));
    }
    std::string Path(const char* name) const {
        return QDir(m_dir.path()).filePath(name).toStdString();
    }
    void Write(const std::string& path, const std::string& bytes) const {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
    }
    QTemporaryDir m_dir;
    const std::string in = Path("in.zdf");
    const std::string out = Path("out.zdf");
};
