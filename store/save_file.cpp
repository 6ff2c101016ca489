#include "save_file.h"

#include <QFile>
#include <QSaveFile>

// Unbuffered: every writer has its content ready in memory and hands it over in a few large
// writes, so a buffer would save nothing; and each write's count then shows a short write (a
// full disk, a file-size limit) at once instead of leaving it to the final flush. commit()
// flushes the file to disk before it renames it over the target.
ESaveStep SaveFileAtomically(const std::string& strPath,
                             const std::function<bool(QIODevice&)>& write, std::string& strReason) {
    QSaveFile file(QString::fromStdString(strPath));
    const auto stop = [&](ESaveStep step) {
        strReason = file.errorString().toStdString();
        return step;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return stop(ESaveStep::Create);
    if (!write(file)) {
        const ESaveStep step = stop(ESaveStep::Write);
        file.cancelWriting();
        return step;
    }
    if (!file.commit())
        return stop(ESaveStep::Commit);
    strReason.clear();
    return ESaveStep::Done;
}

ESaveStep SaveFileAtomically(const std::string& strPath, std::string_view content,
                             std::string& strReason) {
    const auto write = [content](QIODevice& file) {
        const auto nSize = static_cast<qint64>(content.size());
        return file.write(content.data(), nSize) == nSize;
    };
    return SaveFileAtomically(strPath, write, strReason);
}

bool ReadWholeFile(const std::string& strPath, std::string& content, std::string& error) {
    QFile file(QString::fromStdString(strPath));
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot open " + strPath + ": " + file.errorString().toStdString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = "cannot read " + strPath + ": " + file.errorString().toStdString();
        return false;
    }
    content.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}
