// Every modal interaction of the editor goes through a CPrompt: message boxes, the file-open and
// file-save dialogs, and running a modal dialog. The program uses CQtPrompt; tests install a
// scripted one (tests/support) that records what would have been shown and answers from queues,
// so no test ever waits on a window.
#pragma once

#include <QString>

#include <optional>

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
    // Asks for a whole number from nMin to nMax, offering nValue; nothing when the user cancels.
    virtual std::optional<int> GetInteger(const QString& caption, const QString& label, int nValue,
                                          int nMin, int nMax) = 0;
    // Asks for a line of text, offering `value`; nothing when the user cancels.
    virtual std::optional<QString> GetText(const QString& caption, const QString& label,
                                           const QString& value) = 0;

    // The caption of a message box given none: the executable's base name.
    static QString ApplicationName();

  protected:
    virtual int ShowMessageBox(const QString& text, const QString& caption, unsigned nType) = 0;
    // The answer of a box of style nType closed without a button (Esc, the close box): its last
    // button's, Cancel, No or OK.
    static int DismissedAnswer(unsigned nType);
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
    std::optional<int> GetInteger(const QString& caption, const QString& label, int nValue,
                                  int nMin, int nMax) override;
    std::optional<QString> GetText(const QString& caption, const QString& label,
                                   const QString& value) override;

    // "Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||" -> "Data Files (*.zdf);;All Files (*)".
    static QString ToQtFilter(const QString& filter);

  protected:
    int ShowMessageBox(const QString& text, const QString& caption, unsigned nType) override;

  private:
    QWidget* m_pOwner;
};
