// The settings kept between runs: read back as they were written; a broken file is ignored with
// one line on standard error and replaced at the first change; a file that is no regular file is
// never read, so it cannot hold up the start.
#include "settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What `run` writes to standard error.
template <class Run> QString StandardError(Run run) {
    QTemporaryFile file;
    if (!file.open())
        return QStringLiteral("no temporary file");
    std::fflush(stderr);
    const int nSaved = ::dup(2);
    ::dup2(file.handle(), 2);
    run();
    std::fflush(stderr);
    ::dup2(nSaved, 2);
    ::close(nSaved);
    file.seek(0);
    return QString::fromUtf8(file.readAll());
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void keptBetweenRuns() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("orvane.conf"));
        const SPortSetting adapter{QStringLiteral("/dev/serial/by-id/usb-FTDI_A1-if00-port0"),
                                   QStringLiteral("ttyUSB0"), QStringLiteral("UART \u20ac 2")};
        const auto warning = [&](const char* pszWhy) {
            return "orvane: ignoring the settings in " + path + ": " + pszWhy + "\n";
        };
        const struct {
            QByteArray content; // "fifo": a named pipe
            QString warning;
            bool bKept; // the next run reads what this one set
        } cases[] = {
            {{}, {}, true},
            {"[transfer]\nport=COM3\n[x\n\x01\xff=\n", warning("it is not a settings file"), true},
            {"fifo", warning("it is not a regular file"), false}};
        for (const auto& c : cases) {
            QFile::remove(path);
            if (c.content == "fifo")
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            else if (QFile file(path); !c.content.isEmpty())
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(c.content) > 0);
            std::unique_ptr<CSettings> pSettings;
            QCOMPARE(StandardError([&] { pSettings = std::make_unique<CSettings>(path); }),
                     c.warning);
            QVERIFY(pSettings->TransferPort() == FirstTransferPort());
            pSettings->SetTransferPort(adapter);
            QVERIFY(pSettings->TransferPort() == adapter);
            std::unique_ptr<CSettings> pNextRun;
            QCOMPARE(StandardError([&] { pNextRun = std::make_unique<CSettings>(path); }),
                     c.bKept ? QString() : c.warning);
            QVERIFY(pNextRun->TransferPort() == (c.bKept ? adapter : FirstTransferPort()));
        }
        CSettings memory; // kept while it lives, written nowhere
        memory.SetTransferPort(adapter);
        QVERIFY(memory.TransferPort() == adapter);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "settings.moc"
