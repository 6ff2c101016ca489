// CScriptedPrompt: the prompt seam for tests. It records every message box, file dialog, modal
// dialog and popup menu that would have been shown and answers from queues, so no test ever
// waits on a window.
#pragma once

#include "prompt.h"

#include <deque>
#include <functional>
#include <vector>

// An unexpected prompt (its queue is empty) is recorded too and answered as cancelled, so a test
// can see it and never blocks.
class CScriptedPrompt : public CPrompt {
  public:
    enum class EKind { MessageBox, OpenFile, SaveFile, Modal, PopupMenu, Integer, Text };
    struct SShown {
        EKind kind;
        QString text;    // message text, or the initial path of a file dialog
        QString caption; // message caption as shown, or the filter of a file dialog
        unsigned nType = 0;
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
        QString keys; // the shortcut shown beside the text
    };
    struct SMenuShown {
        QString title;
        std::vector<SMenuItemShown> items;
    };
    std::deque<unsigned> m_menuAnswers;
    std::deque<int> m_integers;  // the numbers typed, held to the range; none left: cancelled
    std::deque<QString> m_texts; // the lines typed; none left: cancelled
    std::vector<SMenuShown> m_menus;
    std::vector<SShown> m_shown;

    QString GetOpenFileName(const QString& initialPath, const QString& filter) override {
        return NextPath(EKind::OpenFile, initialPath, filter);
    }
    QString GetSaveFileName(const QString& initialPath, const QString& filter) override {
        return NextPath(EKind::SaveFile, initialPath, filter);
    }
    int RunModal(QDialog& dlg) override;
    unsigned TrackPopupMenu(QMenu& menu, const QPoint& screenPos) override;
    std::optional<int> GetInteger(const QString& caption, const QString& label, int nValue,
                                  int nMin, int nMax) override;
    std::optional<QString> GetText(const QString& caption, const QString& label,
                                   const QString& value) override;

    // Texts of the message boxes shown, in order.
    std::vector<QString> MessageTexts() const;

  protected:
    int ShowMessageBox(const QString& text, const QString& caption, unsigned nType) override;

  private:
    QString NextPath(EKind kind, const QString& initialPath, const QString& filter);
};
