// The names' character set in the window: Edit > Name Encoding redraws grid, filter, tree, panel
// and status line at once, with no undo step; the filter folds the set's letters; the choice is
// remembered and first follows the language; name fields refuse what the set lacks, and a name
// shown with a mark keeps its bytes.
#include "grid_columns.h"
#include "settings.h"
#include "window_test_util.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>

namespace {

// Edit > Name Encoding > the set, as the user chooses it.
void Choose(CEditorDlg& dlg, const char* pszSet) {
    dlg.MenuBar().findChild<QAction*>(QString::fromLatin1(pszSet))->trigger();
}

// The status line's field of the set.
QString SetShown(const CEditorDlg& dlg) {
    return dlg.findChild<QLabel*>(QStringLiteral("nameEncoding"))->text();
}

} // namespace

class NameEncodingTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;

  private slots:
    // Each file in its set: grid, tree and status line show it at once, with no undo step, and
    // the filter finds its names in either case, also a filter typed before the switch.
    void namesShownAndFoundInTheirSet() {
        const struct {
            const char *file, *set, *shown, *satellite, *lower, *upper;
        } cases[] = {
            {"cyrillic.zdf", "windows-1251", "Cyrillic (Windows-1251) Первый канал",
             " 1. Гелиос 19.2E ( 19.2) ", "пер", "ПЕРВЫЙ"},
            {"greek.zdf", "windows-1253", "Greek (Windows-1253) ΕΡΤ1", " 1. Ήλιος 19.2E ( 19.2) ",
             "σκάι", "ΕΛΛΆΣ"},
        };
        for (const auto& c : cases) {
            CEditorDlg dlg(m_prompt);
            dlg.OpenDataFile(QStringLiteral(ORVANE_TEST_DATA "/") + c.file);
            TypeInto(&FilterField(dlg), QString::fromUtf8(c.lower));
            QCOMPARE(FilterCount(dlg), QStringLiteral("0 of 221"));
            Choose(dlg, c.set);
            QCOMPARE(FilterCount(dlg), QStringLiteral("1 of 221"));
            TypeInto(&FilterField(dlg), QString::fromUtf8(c.upper));
            QCOMPARE(FilterCount(dlg), QStringLiteral("1 of 221"));
            FilterField(dlg).clear();
            QCOMPARE(SetShown(dlg) + ' ' +
                         dlg.Grid(LIST_SAT_TV).GetTextMatrix(1, NameColumn(LIST_SAT_TV)),
                     QString::fromUtf8(c.shown));
            QCOMPARE(Labels(dlg.Tree()).front(), QString::fromUtf8(c.satellite));
            QVERIFY(dlg.UndoStack().count() == 0 && !dlg.Document().IsModified());
        }
    }

    // Remembered in the settings; without a choice the language picks the set.
    void choiceRememberedAndFirstFromTheLanguage() {
        CSettings settings;
        Choose(*std::make_unique<CEditorDlg>(m_prompt, &settings), "windows-1253");
        QCOMPARE(SetShown(CEditorDlg(m_prompt, &settings)), QStringLiteral("Greek (Windows-1253)"));
        qputenv("LC_ALL", "uk_UA.UTF-8");
        QCOMPARE(SetShown(CEditorDlg(m_prompt)), QStringLiteral("Cyrillic (Windows-1251)"));
        qputenv("LC_ALL", "C.UTF-8");
    }

    // The panel's name follows the switch. Untouched, a name keeps the byte its mark stands for
    // through Update; one Backspace takes the mark's digit and the mark. A keystroke or a paste
    // the set cannot store is refused, and the status line names its characters.
    void nameFieldsTakeOnlyTheSet() {
        CEditorDlg dlg(m_prompt);
        Load(dlg, [](CChannelStore& store) { AppendSat(store, 192, "Ab\x98"); });
        dlg.TabCtrl().setCurrentIndex(0);
        dlg.Tree().setCurrentItem(dlg.Tree().topLevelItem(0));
        auto& name = *dlg.GetDlgItem<QLineEdit>(IDC_EDIT_SAT_NAME);
        QCOMPARE(name.text(), QStringLiteral("Ab\u02DC"));
        Choose(dlg, "windows-1251");
        QCOMPARE(name.text(), QStringLiteral("Ab\uFFFD98"));
        Type(dlg, IDC_EDIT_SAT_POSITION, QStringLiteral("19.3"));
        QTest::mouseClick(dlg.GetDlgItem(IDC_BUTTON_UPDATE), Qt::LeftButton);
        const SSAT_INFO& sat = *dlg.Store().GetSatellite(kFirstSatIndex);
        QVERIFY(sat.wPosition == 193 && NameOf(sat.szName) == "Ab\x98");

        name.setFocus();
        name.end(false);
        QTest::keyClick(&name, Qt::Key_Backspace);
        QCOMPARE(name.text(), QStringLiteral("Ab"));
        TypeKey(&name, u'Ж');
        TypeKey(&name, u'ä');
        QCOMPARE(name.text(), QStringLiteral("AbЖ"));
        QGuiApplication::clipboard()->setText(QStringLiteral("Mäx ö"));
        name.paste();
        QCOMPARE(name.text(), QStringLiteral("AbЖ"));
        QCOMPARE(dlg.StatusFields().section(QStringLiteral(" | "), 2),
                 QStringLiteral("Cyrillic (Windows-1251) has no ä ö: the name stays as it was"));
    }
};

QTEST_MAIN(NameEncodingTest)
#include "name_encoding.moc"
