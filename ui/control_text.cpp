#include "control_text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QValidator>

#include <algorithm>

namespace {

class CBoxTextValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return IsBoxText(input) ? Acceptable : Invalid;
    }
};

} // namespace

void SetTextKeepingCaret(QLineEdit& edit, const QString& text) {
    if (edit.text() == text)
        return;
    const QString old = edit.text();
    const int caret = edit.cursorPosition();
    int digits = 0;
    for (int i = 0; i < caret && i < old.size(); ++i)
        digits += old[i].isDigit() ? 1 : 0;
    const bool afterPoint = caret > 0 && caret <= old.size() && old[caret - 1] == u'.';
    const QSignalBlocker block(edit);
    edit.setText(text);
    int pos = 0;
    for (int seen = 0; pos < text.size() && seen < digits; ++pos)
        seen += text[pos].isDigit() ? 1 : 0;
    if (afterPoint && pos < text.size() && text[pos] == u'.')
        ++pos;
    edit.setCursorPosition(pos);
}

void SelectListEntry(QComboBox& combo, const QString& text, int start) {
    const int n = combo.count();
    for (int k = 1; k <= n; ++k) {
        const int i = (start + k) % n;
        if (combo.itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            combo.setCurrentIndex(i);
            return;
        }
    }
    combo.setCurrentIndex(-1);
    combo.setEditText(text);
}

int SelectionOf(const QComboBox& combo) {
    const int index = combo.currentIndex();
    if (index < 0 || combo.itemText(index) != combo.currentText())
        return -1;
    return index;
}

bool IsBoxText(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

void AcceptBoxTextOnly(QLineEdit& edit) {
    edit.setValidator(new CBoxTextValidator(&edit));
}
