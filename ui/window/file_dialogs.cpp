#include "file_dialogs.h"

#include "prompt.h"
#include "settings.h"

#include <QDir>
#include <QFileInfo>

CFileDialogs::CFileDialogs(CPrompt& prompt, CSettings& settings)
    : m_prompt(prompt), m_settings(settings) {}

QString CFileDialogs::Open(const QString& dialog, const QString& suggested, const QString& filter) {
    return Remember(dialog, m_prompt.GetOpenFileName(Offered(dialog, suggested, true), filter));
}

QString CFileDialogs::Save(const QString& dialog, const QString& suggested, const QString& filter) {
    return Remember(dialog, m_prompt.GetSaveFileName(Offered(dialog, suggested, false), filter));
}

// A folder that has gone since is no place to start; a suggested folder gives way to the
// dialog's own.
QString CFileDialogs::Offered(const QString& dialog, const QString& suggested, bool bOpen) const {
    const QString folder = m_settings.LastFolder(dialog);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return suggested;
    const QFileInfo suggestedFile(suggested);
    const QString name = suggestedFile.isDir() ? QString() : suggestedFile.fileName();
    if (name.isEmpty())
        return folder;
    const QString there = QDir(folder).filePath(name);
    return !bOpen || QFileInfo::exists(there) ? there : folder;
}

QString CFileDialogs::Remember(const QString& dialog, const QString& chosen) {
    if (!chosen.isEmpty())
        m_settings.SetLastFolder(dialog, QFileInfo(chosen).path());
    return chosen;
}
