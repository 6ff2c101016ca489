// CFileCommands: the File menu's New, Open, Open Recent, Save and Save As over the document, and
// the question before unsaved changes would be lost. The window shows what they report in its
// status line. A file opened (from the menu, the command line or the file manager) or saved
// becomes the newest recent file.
#pragma once

#include <QObject>
#include <QString>

class CDocument;
class CFileDialogs;
class CPrompt;
class CSettings;
class QWidget;

class CFileCommands : public QObject {
    Q_OBJECT

  public:
    CFileCommands(CDocument& document, CPrompt& prompt, CFileDialogs& dialogs, CSettings& settings,
                  QObject* parent = nullptr);

    void New();
    void Open();
    // Opens a recent file; one that has gone is reported and taken off the list.
    void OpenRecent(const QString& path);
    // Everything Open does once a file is chosen; also how a file named at start-up is opened.
    void OpenDataFile(const QString& path);
    // File > Save asks before it writes over the file; false when nothing was written.
    bool Save();
    bool SaveAs();
    // Asks "Save changes to ...?" when there are unsaved changes; false when the user cancels
    // or the save does not happen, and the action that asked must not go on.
    bool AskToSaveChanges();
    // Tells the user in one message what reading `source` into the store dropped.
    void ReportDroppedRecords(const QString& source);

  signals:
    void Status(const QString& text);
    void RecentFilesChanged();

  private:
    void AddRecentFile();
    bool SaveInPlace();
    // Writes the file, under `newPath` when it is given; `failure` is the message for a failed
    // write.
    bool Write(const QString& newPath, const QString& failure);

    CDocument& m_document;
    CPrompt& m_prompt;
    CFileDialogs& m_dialogs;
    CSettings& m_settings;
};
