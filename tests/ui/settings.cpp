// The settings kept between runs: read back as they were written; a broken file is ignored with
// one line on standard error and replaced at the first change; a file that is no regular file is
// never read, so it cannot hold up the start.
#include "settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class SettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void keptBetweenRuns() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("orvane.conf"));
        const SPortSetting adapter{QStringLiteral("/dev/serial/by-id/usb-FTDI_A1-if00-port0"),
                                   QStringLiteral("ttyUSB0"), QStringLiteral("UART \u20ac 2")};
        const struct {
            QByteArray content; // "fifo": a named pipe
            const char* pszWarning;
            bool bKept; // the next run reads what this one set
        } cases[] = {{{}, nullptr, true},
                     {"[transfer]\nport=COM3\n[x\n\x01\xff=\n", "it is not a settings file", true},
                     {"fifo", "it is not a regular file", false}};
        for (const auto& c : cases) {
            QFile::remove(path);
            if (c.content == "fifo")
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            else if (QFile file(path); !c.content.isEmpty())
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(c.content) > 0);
            const QString warning = QStringLiteral("orvane: ignoring the settings in %1: %2")
                                        .arg(path, QLatin1String(c.pszWarning));
            for (int nRun = 0; c.pszWarning && nRun < (c.bKept ? 1 : 2); ++nRun)
                QTest::ignoreMessage(QtWarningMsg, warning.toUtf8().constData());
            CSettings settings(path);
            QVERIFY(settings.TransferPort() == FirstTransferPort());
            settings.SetTransferPort(adapter);
            QVERIFY(settings.TransferPort() == adapter);
            QVERIFY(CSettings(path).TransferPort() == (c.bKept ? adapter : FirstTransferPort()));
        }
        CSettings memory; // kept while it lives, written nowhere
        memory.SetTransferPort(adapter);
        QVERIFY(memory.TransferPort() == adapter);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "settings.moc"
