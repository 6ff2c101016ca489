#include "settings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kPortId = QStringLiteral("transfer/port");
const QString kPortName = QStringLiteral("transfer/port_name");
const QString kPortDescription = QStringLiteral("transfer/port_description");
const QString kNameCharset = QStringLiteral("names/charset");

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

QString CSettings::NameCharset() const {
    return Text(kNameCharset);
}

void CSettings::SetNameCharset(const QString& name) {
    SetValues({{kNameCharset, name}});
}
