// Controls placed from the main window's template: each made by its kind at its rectangle (dialog
// units of the window's font), found again by its id, and moved by its size rule when the
// window's size changes. A page holds its own set, in its own coordinates.
#pragma once

#include "main_dialog.h"

#include <QPoint>
#include <QRect>

#include <map>
#include <span>
#include <utility>
#include <vector>

class QFont;
class QWidget;

class CTemplateControls {
  public:
    // Controls go into `parent`, whose top left lies at `origin` of the template (pixels).
    CTemplateControls(QWidget& parent, const QFont& font, QPoint origin = {});

    // Makes the control of `item`, named by its id, at its place.
    QWidget* Create(const SDlgItem& item);
    // Creates every item of the template whose id is in `ids`, in the template's order.
    void CreateAll(std::span<const int> ids);
    // A control by its id; null when this set has none.
    QWidget* Find(int nId) const;
    template <class T> T* Find(int nId) const { return qobject_cast<T*>(Find(nId)); }
    // The client grew by (dx, dy): every control follows its rule.
    void Resize(int dx, int dy);

    // The rectangle of every item in `ids` together, in the template's pixels.
    static QRect Bounds(const QFont& font, std::span<const int> ids);

  private:
    QWidget& m_parent;
    const QFont& m_font;
    QPoint m_origin;
    std::map<int, QWidget*> m_controls;
    std::vector<std::pair<QWidget*, ESizeRule>> m_rules;
};

// Moves a rectangle as a size rule says for a change (dx, dy) of the client.
QRect ApplySizeRule(QRect rect, ESizeRule rule, int dx, int dy);
