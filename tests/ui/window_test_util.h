// Shared by the window's tests: typing as a user does, and the window's views as text.
#pragma once

#include "controls.h"
#include "document.h"
#include "editor_dlg.h"
#include "flexgrid.h"
#include "resource.h"
#include "scripted_prompt.h"
#include "service_list_page.h"
#include "store_builders.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <memory>

inline const QString kSample = QStringLiteral(ORVANE_TEST_DATA "/../../res/sample.zdf");

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A store built by hand, opened in the window as the data file "built.zdf".
inline void Load(CEditorDlg& dlg, const std::function<void(CChannelStore&)>& fill) {
    static const QTemporaryDir dir;
    CChannelStore store;
    fill(store);
    const QString path = dir.filePath(QStringLiteral("built.zdf"));
    store.SetPathName(path.toStdString());
    QVERIFY(store.WriteDataFile());
    dlg.OpenDataFile(path);
}

// A shown window over a store built by `fill`, on tab nTab (the satellite TV list's by default).
inline std::unique_ptr<CEditorDlg>
ShownWindow(CPrompt& prompt, const std::function<void(CChannelStore&)>& fill, int nTab = 1) {
    auto dlg = std::make_unique<CEditorDlg>(prompt);
    Load(*dlg, fill);
    dlg->TabCtrl().setCurrentIndex(nTab);
    dlg->show();
    return dlg;
}

// A list's entries.
inline QStringList Items(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    return items;
}

// A window of its own, with a scripted prompt, and its store's state.
struct SWindow {
    SStoreSnapshot State() const { return dlg.Store().TakeSnapshot(); }
    CScriptedPrompt prompt;
    CEditorDlg dlg{prompt};
};

// A change made to the window's store as an edit of its own (one undo step).
inline void Change(CEditorDlg& dlg, const std::function<void(CChannelStore&)>& change) {
    dlg.Document().Edit(change, [] { return QStringLiteral("changed by the test"); });
}

// A modal dialog's script: the user's part (which may check what the dialog shows), then the
// dialog's result.
inline std::function<int(QDialog&)> Playing(std::function<void(QDialog&)> play,
                                            int nResult = QDialog::Accepted) {
    return [play = std::move(play), nResult](QDialog& dlg) {
        play(dlg);
        return nResult;
    };
}

// The current list tab's filter field and its count.
inline QLineEdit& FilterField(const CEditorDlg& dlg) {
    return dlg.ListPage(BYTE(dlg.GetCurrentList())).FilterField();
}
inline QString FilterCount(const CEditorDlg& dlg) {
    return dlg.ListPage(BYTE(dlg.GetCurrentList())).FilterCount().text();
}

// One key, as the user types it; a character past ASCII as a key that types it.
inline void TypeKey(QWidget* pWidget, QChar key) {
    key.unicode() < 0x80
        ? QTest::keyClick(pWidget, char(key.unicode()))
        : QTest::sendKeyEvent(QTest::Click, pWidget, Qt::Key_unknown, QString(key), {});
}

// Types into an edit or an editable list as the user would: all its text selected, then the keys.
inline void TypeInto(QWidget* pField, const QString& keys) {
    auto* combo = qobject_cast<QComboBox*>(pField);
    QLineEdit* edit = combo != nullptr ? combo->lineEdit() : qobject_cast<QLineEdit*>(pField);
    edit->selectAll();
    for (QChar key : keys)
        TypeKey(edit, key);
}

template <class Dialog> void Type(const Dialog& dlg, int nId, const QString& keys) {
    TypeInto(dlg.GetDlgItem(nId), keys);
}

// What an edit or a list shows.
inline QString Text(const CEditorDlg& dlg, int nId) {
    if (const auto* combo = dlg.GetDlgItem<QComboBox>(nId))
        return combo->currentText();
    return dlg.GetDlgItem<QLineEdit>(nId)->text();
}

// The labels of the tree's top level, or of an item's children.
inline QStringList Labels(const QTreeWidget& tree, const QTreeWidgetItem* parent = nullptr) {
    if (parent == nullptr)
        parent = tree.invisibleRootItem();
    QStringList labels;
    for (int i = 0; i < parent->childCount(); ++i)
        labels << parent->child(i)->text(0);
    return labels;
}

// A grid column's cells under the header.
inline QStringList Column(const CMSFlexGrid& grid, long nCol) {
    QStringList cells;
    for (long r = 1; r < grid.GetRows(); ++r)
        cells << grid.GetTextMatrix(r, nCol);
    return cells;
}

// A grid row's cells joined by '|'.
inline QString RowOf(const CMSFlexGrid& grid, long nRow) {
    QStringList cells;
    for (long c = 0; c < grid.GetCols(); ++c)
        cells << grid.GetTextMatrix(nRow, c);
    return cells.join(QLatin1Char('|'));
}

// The rows under the header.
inline QStringList Rows(const CMSFlexGrid& grid) {
    QStringList rows;
    for (long r = 1; r < grid.GetRows(); ++r)
        rows << RowOf(grid, r);
    return rows;
}

// Append, Update and Delete as "AUD", a dash for each greyed one.
inline QString Buttons(const CEditorDlg& dlg) {
    QString buttons;
    for (const auto& [nId, letter] :
         {std::pair{IDC_BUTTON_APPEND, 'A'}, {IDC_BUTTON_UPDATE, 'U'}, {IDC_BUTTON_DELETE, 'D'}})
        buttons += dlg.GetDlgItem(nId)->isEnabled() ? letter : '-';
    return buttons;
}
