// Small stand-ins for the dialog controls Qt has no direct match for.
#pragma once

#include <QFont>
#include <QRect>
#include <QTabBar>
#include <QTreeWidget>
#include <QWidget>

class QToolButton;

// Dialog units -> pixels for one dialog font, the way dialog templates have always been laid
// out: x in quarters of the font's average character width, y in eighths of its height, each
// corner of a rectangle mapped on its own.
class CDialogUnits {
  public:
    explicit CDialogUnits(const QFont& font);
    int X(int x) const;
    int Y(int y) const;
    QRect MapRect(int x, int y, int cx, int cy) const;
    int BaseX() const { return m_nBaseX; }
    int BaseY() const { return m_nBaseY; }

  private:
    int m_nBaseX;
    int m_nBaseY;
};

// The tab control: the tabs along the top and, under them, the frame of the page that the
// views sharing this area are drawn on.
class CTabCtrl : public QTabBar {
    Q_OBJECT
  public:
    explicit CTabCtrl(QWidget* parent = nullptr);
    // The height of the row of tabs at the top.
    int TabRowHeight() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void tabLayoutChange() override;
};

// The tree control. An item stays selected until another one is chosen: neither a click on
// empty space nor a Ctrl-click clears the selection, so the tree always shows the item that
// the commands act on.
class CTreeCtrl : public QTreeWidget {
    Q_OBJECT
  public:
    explicit CTreeCtrl(QWidget* parent = nullptr);

  protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
};

// An up/down control: two arrows that step a position within a range. Its buddy edit is a
// separate widget; the owner writes the position into it.
class CSpinButtonCtrl : public QWidget {
    Q_OBJECT
  public:
    explicit CSpinButtonCtrl(QWidget* parent = nullptr);
    void SetRange(int nLower, int nUpper);
    int GetLower() const { return m_nLower; }
    int GetUpper() const { return m_nUpper; }
    void SetPos(int nPos); // clamped to the range
    int GetPos() const { return m_nPos; }
    void SetBase(int nBase) { m_nBase = nBase; }
    int GetBase() const { return m_nBase; }

  signals:
    // A step by the user moved the position to nPos (nDelta +1 up, -1 down).
    void Stepped(int nPos, int nDelta);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Step(int nDelta);

    QToolButton* m_pUp;
    QToolButton* m_pDown;
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;
    int m_nBase = 10;
};
