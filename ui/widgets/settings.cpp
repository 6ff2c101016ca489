#include "settings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kPortId = QStringLiteral("transfer/port");
const QString kPortName = QStringLiteral("transfer/port_name");
const QString kPortDescription = QStringLiteral("transfer/port_description");
const QString kWindowGeometry = QStringLiteral("window/geometry");
const QString kWindowTab = QStringLiteral("window/tab");
const QString kRecentFiles = QStringLiteral("recent/files");
const QString kLanguage = QStringLiteral("language");
const QString kNameCharset = QStringLiteral("names/charset");

QString FolderKey(const QString& dialog) {
    return QStringLiteral("folders/") + dialog;
}

const char* StatusText(QSettings::Status status) {
    return status == QSettings::AccessError ? "it cannot be read" : "it is not a settings file";
}

void Warn(const QString& path, const char* pszWhy) {
    qWarning("orvane: ignoring the settings in %s: %s", qUtf8Printable(path), pszWhy);
}

} // namespace

CSettings::CSettings(const QString& path) {
    if (path.isEmpty())
        return;
    // A named pipe or a device would keep the start waiting on its first read.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        Warn(path, "it is not a regular file");
        return;
    }
    m_pFile = std::make_unique<QSettings>(path, QSettings::NativeFormat);
    if (m_pFile->status() != QSettings::NoError) {
        Warn(path, StatusText(m_pFile->status()));
        m_bReplace = true;
        return;
    }
    for (const QString& key : m_pFile->allKeys())
        m_values.insert(key, m_pFile->value(key));
}

CSettings::~CSettings() = default;

// Where QSettings keeps the user's settings of the program "orvane" of the organisation
// "orvane"; asking QSettings itself would read the file.
QString CSettings::UserFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/orvane/orvane.conf");
}

QString CSettings::Text(const QString& key) const {
    return m_values.value(key).toString();
}

void CSettings::SetValues(const QVariantMap& values) {
    m_values.insert(values);
    if (!m_pFile)
        return;
    if (m_bReplace) {
        m_pFile->clear();
        m_bReplace = false;
    }
    for (auto it = values.begin(); it != values.end(); ++it)
        m_pFile->setValue(it.key(), it.value());
    m_pFile->sync();
}

SPortSetting CSettings::TransferPort() const {
    if (Text(kPortId).isEmpty())
        return FirstTransferPort();
    return {Text(kPortId), Text(kPortName), Text(kPortDescription)};
}

void CSettings::SetTransferPort(const SPortSetting& port) {
    SetValues({{kPortId, port.strId},
               {kPortName, port.strName},
               {kPortDescription, port.strDescription}});
}

QByteArray CSettings::WindowGeometry() const {
    return m_values.value(kWindowGeometry).toByteArray();
}

int CSettings::WindowTab() const {
    bool bOk = false;
    const int nTab = m_values.value(kWindowTab).toInt(&bOk);
    return bOk ? nTab : -1;
}

void CSettings::SetWindow(const QByteArray& geometry, int nTab) {
    SetValues({{kWindowGeometry, geometry}, {kWindowTab, nTab}});
}

QString CSettings::LastFolder(const QString& dialog) const {
    return Text(FolderKey(dialog));
}

void CSettings::SetLastFolder(const QString& dialog, const QString& folder) {
    SetValues({{FolderKey(dialog), folder}});
}

QStringList CSettings::RecentFiles() const {
    QStringList paths = m_values.value(kRecentFiles).toStringList();
    paths.removeAll(QString());
    paths.removeDuplicates();
    return paths.mid(0, kMaxRecentFiles);
}

void CSettings::AddRecentFile(const QString& path) {
    QStringList paths = RecentFiles();
    paths.removeAll(path);
    paths.prepend(path);
    SetRecentFiles(paths.mid(0, kMaxRecentFiles));
}

void CSettings::RemoveRecentFile(const QString& path) {
    QStringList paths = RecentFiles();
    paths.removeAll(path);
    SetRecentFiles(paths);
}

void CSettings::ClearRecentFiles() {
    SetRecentFiles({});
}

void CSettings::SetRecentFiles(const QStringList& paths) {
    SetValues({{kRecentFiles, paths}});
}

QString CSettings::Language() const {
    return Text(kLanguage);
}

void CSettings::SetLanguage(const QString& code) {
    SetValues({{kLanguage, code}});
}

QString CSettings::NameCharset() const {
    return Text(kNameCharset);
}

void CSettings::SetNameCharset(const QString& name) {
    SetValues({{kNameCharset, name}});
}
