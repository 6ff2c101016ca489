#include "failing_device.h"

#include <algorithm>

CFailingDevice::CFailingDevice(qint64 nFailAfter, const QByteArray& content)
    : m_nFailAfter(nFailAfter) {
    setData(content);
}

qint64 CFailingDevice::Fail() {
    setErrorString(QString::fromLatin1(kFailure));
    return -1;
}

// A read that reaches the limit gives what lies before it; the next one fails.
qint64 CFailingDevice::readData(char* data, qint64 maxSize) {
    if (m_nRead >= m_nFailAfter)
        return Fail();
    const qint64 n = QBuffer::readData(data, std::min(maxSize, m_nFailAfter - m_nRead));
    m_nRead += std::max<qint64>(n, 0);
    return n;
}

// A write that does not fit whole fails whole.
qint64 CFailingDevice::writeData(const char* data, qint64 len) {
    if (m_nWritten + len > m_nFailAfter)
        return Fail();
    const qint64 n = QBuffer::writeData(data, len);
    m_nWritten += std::max<qint64>(n, 0);
    return n;
}
