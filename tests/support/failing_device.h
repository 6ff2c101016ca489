// A device in memory that fails as a full disk or a bad medium would: once nFailAfter bytes
// went in, every further write fails; once nFailAfter bytes came out, every further read
// fails. Each failure sets kFailure as the device's error text.
#pragma once

#include <QBuffer>

class CFailingDevice : public QBuffer {
  public:
    static constexpr const char* kFailure = "the device failed";

    // `content` is what reads give until they fail.
    explicit CFailingDevice(qint64 nFailAfter, const QByteArray& content = {});

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 len) override;

  private:
    qint64 Fail();

    qint64 m_nFailAfter;
    qint64 m_nRead = 0;
    qint64 m_nWritten = 0;
};
