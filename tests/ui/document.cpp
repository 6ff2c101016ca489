// The document without any widget: every change one undo step that gives the store back, what
// it announces, and the database's life: New, Open, Receive, Save and its backups.
#include "edit_command.h"
#include "window_test_util.h"

#include <QDir>
#include <QSignalSpy>

namespace {

// The sample, copied so that it may be written.
struct SOpened {
    SOpened() {
        QFile::copy(kSample, path);
        document.Open(path);
    }
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("sample.zdf"));
    CDocument document;
};

// A change worth saving: a satellite TV service's Fav4 turned round.
void ToggleFav4(CDocument& document, WORD nRow = 0) {
    const bool bOn = (document.Store().GetService(nRow, LIST_SAT_TV)->wFlags & FLAG_FAV4) != 0;
    document.Edit([&](CChannelStore& store) { store.SetServiceFlag(nRow, LIST_SAT_TV, 4, !bOn); },
                  [] { return QStringLiteral("Set Fav4"); });
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT

  private slots:
    // Each change is one step named after it has run, announcing the parts it changed; undo and
    // redo put the store and what the views showed back exactly. Marks alone are no step, and an
    // action that changes nothing leaves no step either.
    void editsAreStepsThatGiveTheStoreBack() {
        const struct {
            const char* pszName;
            std::function<void(CChannelStore&)> change;
            unsigned nParts; // 0: no step
        } edits[] = {
            {"flag", [](CChannelStore& s) { s.SetServiceFlag(2, LIST_SAT_TV, 0, 1); },
             ListPart(LIST_SAT_TV)},
            {"satellite", [](CChannelStore& s) { s.DeleteSatellite(2); },
             PART_SATELLITES | ListPart(LIST_SAT_TV) | ListPart(LIST_SAT_RADIO) | PART_FILE_ONLY},
            {"marks", [](CChannelStore& s) { s.SetServiceMark(0, LIST_SAT_TV, 1); }, 0},
            {"nothing", [](CChannelStore&) {}, 0},
        };
        for (const auto& edit : edits) {
            SOpened s;
            int nView = 0;
            s.document.SetViewMemory([&] { return SViewState{++nView}; });
            QSignalSpy changed(&s.document, &CDocument::Changed);
            QSignalSpy restored(&s.document, &CDocument::ViewRestored);
            const SStoreSnapshot before = s.document.Store().TakeSnapshot();
            int nCounted = 0;
            const bool bStep = s.document.Edit(edit.change, [&] {
                nCounted = s.document.Store().GetSatelliteCount();
                return QString::fromLatin1(edit.pszName);
            });
            const SStoreSnapshot after = s.document.Store().TakeSnapshot();
            QCOMPARE(bStep, edit.nParts != 0);
            QCOMPARE(s.document.UndoStack().count(), edit.nParts != 0 ? 1 : 0);
            if (edit.nParts == 0)
                continue;
            QCOMPARE(nCounted, int(after.nSatCount)); // the text is asked after the change
            QCOMPARE(s.document.UndoStack().undoText(), QString::fromLatin1(edit.pszName));
            QCOMPARE(changed.takeFirst().at(0).toUInt(), edit.nParts);
            s.document.UndoStack().undo();
            QVERIFY(s.document.Store().TakeSnapshot() == before);
            QCOMPARE(changed.takeFirst().at(0).toUInt(), edit.nParts);
            QCOMPARE(restored.takeFirst().at(0).value<SViewState>().nTab, 1);
            s.document.UndoStack().redo();
            QVERIFY(s.document.Store().TakeSnapshot() == after);
            QCOMPARE(restored.takeFirst().at(0).value<SViewState>().nTab, 2);
        }
    }

    // Cut marks rows without a step; a paste uses them up inside its step, and its undo brings
    // them back so that the rows can be pasted again.
    void cutMarksWaitForAPaste() {
        SOpened s;
        QSignalSpy marks(&s.document, &CDocument::MarksChanged);
        s.document.MarkForCut(LIST_SAT_TV, {false, true, true});
        QVERIFY(s.document.IsCutPending() && s.document.UndoStack().count() == 0);
        QCOMPARE(marks.count(), 1);
        QCOMPARE(s.document.Store().GetServiceMark(2, LIST_SAT_TV), BYTE(1));
        s.document.Edit(
            [&](CChannelStore& store) {
                s.document.EndCut();
                store.MoveMarkedServices(5, LIST_SAT_TV);
            },
            [] { return QStringLiteral("Paste 2 services"); });
        QVERIFY(!s.document.IsCutPending());
        s.document.UndoStack().undo();
        QVERIFY(s.document.IsCutPending());
        QCOMPARE(s.document.Store().GetServiceMark(1, LIST_SAT_TV), BYTE(1));
    }

    // Open replaces the database and forgets the steps; a file that cannot be read leaves an
    // empty database without a name. New starts an empty one to be named on saving.
    void databasesAreReplacedWhole() {
        SOpened s;
        ToggleFav4(s.document);
        QSignalSpy changed(&s.document, &CDocument::Changed);
        QVERIFY(!s.document.Open(s.dir.filePath(QStringLiteral("missing.zdf"))));
        QVERIFY(s.document.Store().TakeSnapshot() == CChannelStore().TakeSnapshot());
        QCOMPARE(QStringList({s.document.PathName(), s.document.DocumentName()}),
                 QStringList({QString(), QStringLiteral("Untitled")}));
        QVERIFY(!s.document.HasData() && s.document.UndoStack().count() == 0);
        QCOMPARE(changed.takeFirst().at(0).toUInt(), ~0u);

        QVERIFY(s.document.Open(s.path));
        QVERIFY(s.document.HasData() && !s.document.IsModified());
        QCOMPARE(s.document.DocumentName(), QStringLiteral("sample.zdf"));
        s.document.New();
        QVERIFY(s.document.HasData() && s.document.PathName().isEmpty());
        QCOMPARE(s.document.Store().GetSatelliteCount(), WORD(0));
    }

    // What the box sends replaces the database as one step; something that is no channel list
    // changes nothing. Undone, an editor that had no database has none again.
    void receivedDataAreOneStep() {
        CDocument document;
        QVERIFY(!document.Receive(RandomImage(5)));
        QVERIFY(!document.HasData() && document.UndoStack().count() == 0);

        CChannelStore sample;
        sample.SetPathName(kSample.toStdString());
        QVERIFY(sample.ReadDataFile());
        std::vector<BYTE> image(sample.GetImageSize());
        QCOMPARE(sample.BuildImage(image.data()), sample.GetImageSize());
        QVERIFY(document.Receive(image));
        QVERIFY(document.HasData());
        QCOMPARE(document.UndoStack().undoText(), EditText(EEdit::ReceiveFromStb));
        QCOMPARE(document.Store().GetSatTvCount(), sample.GetSatTvCount());
        document.UndoStack().undo();
        QVERIFY(!document.HasData());
        QCOMPARE(document.Store().GetSatTvCount(), WORD(0));
    }

    // The first save over a file in a session keeps what it held as "<file>.bak", once; Save As
    // onto another existing file keeps that file's bytes too. A backup that cannot be written
    // stops the save and the file stays as it was.
    void savesKeepOneBackupPerFile() {
        SOpened s;
        const QByteArray original = ReadAll(s.path);
        for (WORD i = 0; i < 2; ++i) {
            ToggleFav4(s.document, i);
            QVERIFY(s.document.IsModified());
            QCOMPARE(s.document.Save(), CDocument::ESave::Saved);
            QCOMPARE(ReadAll(s.path + QStringLiteral(".bak")), original);
            QVERIFY(ReadAll(s.path) != original && !s.document.IsModified());
        }
        const QString other = s.dir.filePath(QStringLiteral("other.zdf"));
        QFile::copy(kSample, other);
        QCOMPARE(s.document.SaveAs(other), CDocument::ESave::Saved);
        QCOMPARE(ReadAll(other + QStringLiteral(".bak")), original);
        QCOMPARE(s.document.DocumentName(), QStringLiteral("other.zdf"));

        SOpened blocked;
        QVERIFY(QDir().mkdir(blocked.path + QStringLiteral(".bak")));
        ToggleFav4(blocked.document);
        QCOMPARE(blocked.document.Save(), CDocument::ESave::BackupFailed);
        QVERIFY(ReadAll(blocked.path) == original && blocked.document.IsModified());
    }
};

QTEST_GUILESS_MAIN(DocumentTest)
#include "document.moc"
