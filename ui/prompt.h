// Every modal interaction of the editor goes through a CPrompt: message boxes, the file-open and
// file-save dialogs, and running a modal dialog. The program uses CQtPrompt; tests install a
// CScriptedPrompt that records what would have been shown and answers from queues, so no test
// ever waits on a window.
#pragma once

#include <QString>

#include <deque>
#include <functional>
#include <vector>

class QDialog;
class QMenu;
class QPoint;
class QWidget;

// Message box styles and answers, with the values the box's buttons always had.
enum : unsigned {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_YESNOCANCEL = 0x03,
    MB_YESNO = 0x04,
    MB_SAVEDISCARDCANCEL = 0x07, // the question before unsaved changes would be lost
    MB_TYPEMASK = 0x0F,
    MB_ICONSTOP = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_ICONMASK = 0xF0,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7, IDSAVE = 12, IDDISCARD = 13 };

class CPrompt {
  public:
    virtual ~CPrompt() = default;

    // Shows `text`; an empty caption shows the program's name. Returns the button pressed.
    int MessageBox(const QString& text, const QString& caption = QString(), unsigned nType = MB_OK);
    // Filters are written "Description|patterns|Description|patterns||". Both return the chosen
    // path, or an empty text when the user cancels.
    virtual QString GetOpenFileName(const QString& initialPath, const QString& filter) = 0;
    virtual QString GetSaveFileName(const QString& initialPath, const QString& filter) = 0;
    // Runs `dlg` modally; returns its result (QDialog::Accepted or Rejected).
    virtual int RunModal(QDialog& dlg) = 0;
    // Shows a popup menu at a screen point until the user chooses; returns the command id (the
    // action's data) of the item chosen, or 0 when none was.
    virtual unsigned TrackPopupMenu(QMenu& menu, const QPoint& screenPos) = 0;

    // The caption of a message box given none: the executable's base name.
    static QString ApplicationName();

  protected:
    virtual int ShowMessageBox(const QString& text, const QString& caption, unsigned nType) = 0;
};

// The real windows. Boxes and file dialogs are owned by `owner` when it is set.
class CQtPrompt : public CPrompt {
  public:
    explicit CQtPrompt(QWidget* owner = nullptr) : m_pOwner(owner) {}
    void SetOwner(QWidget* owner) { m_pOwner = owner; }

    QString GetOpenFileName(const QString& initialPath, const QString& filter) override;
    QString GetSaveFileName(const QString& initialPath, const QString& filter) override;
    int RunModal(QDialog& dlg) override;
    unsigned TrackPopupMenu(QMenu& menu, const QPoint& screenPos) override;

    // "Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||" -> "Data Files (*.zdf);;All Files (*)".
    static QString ToQtFilter(const QString& filter);

  protected:
    int ShowMessageBox(const QString& text, const QString& caption, unsigned nType) override;

  private:
    QWidget* m_pOwner;
};

// For tests: records every prompt and answers from queues. An unexpected prompt (its queue is
// empty) is recorded too and answered as cancelled, so a test can see it and never blocks.
class CScriptedPrompt : public CPrompt {
  public:
    enum class EKind { MessageBox, OpenFile, SaveFile, Modal, PopupMenu };
    struct SShown {
        EKind kind;
        QString text;    // message text, or the initial path of a file dialog
        QString caption; // message caption as shown, or the filter of a file dialog
        unsigned nType = 0;
        bool bAnswered = true;
    };

    std::deque<int> m_boxAnswers;
    std::deque<QString> m_paths;
    // Each plays the user's part in one modal dialog (fills its fields...) and returns the
    // dialog's result.
    std::deque<std::function<int(QDialog&)>> m_modalScripts;
    // Each popup menu shown: its title and items. The answer queue holds the command to choose;
    // a greyed or missing item cannot be chosen, so it answers 0 as a dismissed menu does.
    struct SMenuItemShown {
        QString text;
        unsigned nId = 0; // 0: separator
        bool bEnabled = true;
    };
    struct SMenuShown {
        QString title;
        std::vector<SMenuItemShown> items;
    };
    std::deque<unsigned> m_menuAnswers;
    std::vector<SMenuShown> m_menus;
    std::vector<SShown> m_shown;

    QString GetOpenFileName(const QString& initialPath, const QString& filter) override;
    QString GetSaveFileName(const QString& initialPath, const QString& filter) override;
    int RunModal(QDialog& dlg) override;
    unsigned TrackPopupMenu(QMenu& menu, const QPoint& screenPos) override;

    // Texts of the message boxes shown, in order.
    std::vector<QString> MessageTexts() const;
    int UnansweredCount() const;

  protected:
    int ShowMessageBox(const QString& text, const QString& caption, unsigned nType) override;

  private:
    QString NextPath(EKind kind, const QString& initialPath, const QString& filter);
};
