// CSettings: what the editor keeps between runs, in the user's settings file in Qt's standard
// place (~/.config/orvane/orvane.conf): the window's place and tab, the folder of each file
// dialog, the recent files, the language and the transfer port. Reading never waits: a file that is
// no regular file is not opened, and one that cannot be read is ignored (one line on standard
// error) and replaced when a setting changes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>

class QSettings;

// The port a transfer last connected to: enough to find it again, and to name it while it is
// not plugged in.
struct SPortSetting {
    QString strId;          // "COM1" ... "COM4", a by-id link or a device path
    QString strName;        // how the log names it: "COM1", "ttyUSB0"
    QString strDescription; // what the system told of it: "FT232R USB UART"; may be empty

    bool operator==(const SPortSetting&) const = default;
};

// The port of a first transfer.
inline SPortSetting FirstTransferPort() {
    return {QStringLiteral("COM1"), QStringLiteral("COM1"), QString()};
}

class CSettings {
  public:
    // The settings in the file at `path`; an empty path keeps them for this object's life only.
    explicit CSettings(const QString& path = QString());
    ~CSettings();
    CSettings(const CSettings&) = delete;
    CSettings& operator=(const CSettings&) = delete;

    // The user's settings file.
    static QString UserFile();

    // FirstTransferPort() until a transfer has connected.
    SPortSetting TransferPort() const;
    void SetTransferPort(const SPortSetting& port);

    // The window's geometry as QWidget::saveGeometry gives it, and its tab; empty and -1 before
    // the window first closed.
    QByteArray WindowGeometry() const;
    int WindowTab() const;
    void SetWindow(const QByteArray& geometry, int nTab);

    // The folder a file dialog was last used in, by the dialog's name; empty before its first use.
    QString LastFolder(const QString& dialog) const;
    void SetLastFolder(const QString& dialog, const QString& folder);

    // The data files last opened or saved, newest first, at most kMaxRecentFiles; a file named
    // again moves to the front.
    static constexpr int kMaxRecentFiles = 8;
    QStringList RecentFiles() const;
    void AddRecentFile(const QString& path);
    void RemoveRecentFile(const QString& path);
    void ClearRecentFiles();

    // The language chosen in Help > Language ("de"); empty: the desktop's.
    QString Language() const;
    void SetLanguage(const QString& code);

    // The character set the names are read in, as kCharsets names it; empty until one was chosen.
    QString NameCharset() const;
    void SetNameCharset(const QString& name);

  private:
    QString Text(const QString& key) const;
    void SetRecentFiles(const QStringList& paths);
    // Stores the values and writes them at once.
    void SetValues(const QVariantMap& values);

    QVariantMap m_values;
    std::unique_ptr<QSettings> m_pFile; // null: nothing is written
    bool m_bReplace = false;            // the file could not be read: the first change rewrites it
};
