// A device in memory that fails as a full disk or a bad medium would: once nFailAfter bytes
// went in, every further write fails; once nFailAfter bytes came out, every further read
// fails. Each failure sets kFailure as the device's error text.
#pragma once

#include <QBuffer>

#include <algorithm>

class CFailingDevice : public QBuffer {
  public:
    static constexpr const char* kFailure = "the device failed";

    // `content` is what reads give until they fail.
    explicit CFailingDevice(qint64 nFailAfter, const QByteArray& content = {})
        : m_nFailAfter(nFailAfter) {
        setData(content);
    }

  protected:
    // A read that reaches the limit gives what lies before it; the next one fails.
    qint64 readData(char* data, qint64 maxSize) override {
        if (m_nRead >= m_nFailAfter)
            return Fail();
        const qint64 n = QBuffer::readData(data, std::min(maxSize, m_nFailAfter - m_nRead));
        m_nRead += std::max<qint64>(n, 0);
        return n;
    }

    // A write that does not fit whole fails whole.
    qint64 writeData(const char* data, qint64 len) override {
        if (m_nWritten + len > m_nFailAfter)
            return Fail();
        const qint64 n = QBuffer::writeData(data, len);
        m_nWritten += std::max<qint64>(n, 0);
        return n;
    }

  private:
    qint64 Fail() {
        setErrorString(QString::fromLatin1(kFailure));
        return -1;
    }

    qint64 m_nFailAfter;
    qint64 m_nRead = 0;
    qint64 m_nWritten = 0;
};
