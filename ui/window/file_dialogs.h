// CFileDialogs: the file dialogs of the File menu and the list tools. Each dialog starts in the
// folder it was last used in, kept in the settings across runs; before its first use it starts
// where the command suggests (the open file, a CSV file beside it).
#pragma once

#include <QString>

class CPrompt;
class CSettings;

class CFileDialogs {
  public:
    CFileDialogs(CPrompt& prompt, CSettings& settings);

    // `dialog` names the dialog whose folder is kept; `suggested` may be empty. Both return the
    // path chosen, or an empty text when the user cancelled.
    QString Open(const QString& dialog, const QString& suggested, const QString& filter);
    QString Save(const QString& dialog, const QString& suggested, const QString& filter);

  private:
    // The path a dialog offers: the suggested file's name in the dialog's last folder; an open
    // dialog names it only when it is there.
    QString Offered(const QString& dialog, const QString& suggested, bool bOpen) const;
    QString Remember(const QString& dialog, const QString& chosen);

    CPrompt& m_prompt;
    CSettings& m_settings;
};
