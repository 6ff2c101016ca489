// CStatusLine: the line under the controls. It names the database's file, counts the four lists
// and tells what the last action did; without a database those are empty. At its right end it
// names the character set the names are read in.
#pragma once

#include <QStatusBar>

class CDocument;
class QLabel;

class CStatusLine : public QStatusBar {
    Q_OBJECT

  public:
    CStatusLine(const CDocument& document, QWidget* parent);

    // What the last action did.
    void ShowAction(const QString& text);
    // The three fields, " | " between them.
    QString Fields() const;

  private:
    void Update();
    void ShowNames();

    const CDocument& m_document;
    QLabel* m_pFile;
    QLabel* m_pCounts;
    QLabel* m_pAction;
    QLabel* m_pNames;
};
