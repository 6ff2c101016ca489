// CToolCommands: the list tools in the window, with Import Transponders and the network editor. The
// store's list tools do the work as zdftool does it; here the file is picked, the change previewed,
// and each change made one undo step.
#pragma once

#include <QObject>

class CDocument;
class CPrompt;
class QWidget;

class CToolCommands : public QObject {
    Q_OBJECT

  public:
    // Dialogs are shown over `owner`.
    CToolCommands(CDocument& document, CPrompt& prompt, QWidget& owner);

    void OrderLike();
    void ImportCsv();
    // nCurrentList: the list on the current tab, named `currentListName`; -1 on the tree's tab.
    void ExportCsv(int nCurrentList, const QString& currentListName);
    void FindDuplicates();
    void CompareWith();
    // Satellites and transponders from a satellites.xml, as one undo step.
    void ImportTransponders();
    // The network editor; each change it makes is one undo step.
    void EditNetworks();

  signals:
    void Status(const QString& text);

  private:
    CDocument& m_document;
    CPrompt& m_prompt;
    QWidget& m_owner;
};
