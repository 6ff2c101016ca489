// The channel information dialog on its own: the lists it offers, a service shown, the PID checks
// on every key, OK's checks and messages, and what a new or changed service holds in the store.
#include "channel_info_dlg.h"
#include "channel_info_dialog.h"
#include "window_test_util.h"

#include <QCheckBox>
#include <QLabel>

#include <optional>

namespace {

enum : int { kSatTv = 1, kSatRadio = 2, kTerrTv = 3, kTerrRadio = 4 };

constexpr WORD kDolbyAudio = 0xC123; // Dolby, bit 14 and PID 291

// Satellites SAT-A (index 2: 11494 H, 10714 V) and SAT-B (index 3: 12000 H); MUXes 1 and 3;
// networks 12 "Beta", 3 "Alpha", 100 "Gamma" in that table order. Services: satellite TV
// "Nordlicht" on SAT-A / 2 (network 12, Dolby audio), satellite radio "Radio One" on SAT-B / 1
// with video PID 77, terrestrial TV "Terra" on MUX 3 whose network 250 is not in the table.
void FillStore(CChannelStore& store) {
    CStoreBuilder build(store);
    const BYTE a = build.Satellite("SAT-A", 192), b = build.Satellite("SAT-B", 130);
    build.Transponder(a, 11494, 27500, true);
    build.Transponder(a, 10714, 22000, false);
    build.Transponder(b, 12000, 27500, true);
    build.Mux(1, 0x2100);
    build.Mux(3, 0x2F00);
    build.SatService(a, 2, 28106, 12, "Nordlicht");
    build.SatService(b, 1, 501, 3, "Radio One", FLAG_RADIO);
    build.TerrService(3, 1, 250, "Terra");
    store.Rebuild();
    // After the rebuild, which keeps only the networks in use.
    store.ClearNetworks();
    build.Network(12, "Beta");
    build.Network(3, "Alpha");
    build.Network(100, "Gamma");
    SSVC_INFO& tv = *store.GetService(0, LIST_SAT_TV);
    tv.wVideoPid = 512;
    tv.wAudioPid = kDolbyAudio;
    tv.wPcrPid = 600;
    store.GetService(0, LIST_SAT_RADIO)->wVideoPid = 77;
}

const SSVC_INFO* FindService(const CChannelStore& store, BYTE nList, WORD wServiceId) {
    for (WORD i = 0; i < store.GetServiceCount(nList); ++i) {
        if (store.GetService(i, nList)->wServiceId == wServiceId)
            return store.GetService(i, nList);
    }
    return nullptr;
}

// A service's place, ids, PIDs and flags in a comparable form.
QList<int> Fields(const SSVC_INFO& s) {
    return {s.bSatIndex, s.bTpIndex,  s.wNetwork, s.wServiceId,
            s.wVideoPid, s.wAudioPid, s.wPcrPid,  s.wFlags};
}

QStringList Entries(const QComboBox& combo) {
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    return texts;
}

} // namespace

class ChannelInfoDlgTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;
    std::optional<CChannelStore> m_store;

    static QComboBox& Combo(CChannelInfoDlg& dlg, int nId) {
        return *dlg.GetDlgItem<QComboBox>(nId);
    }
    static QLineEdit& Edit(CChannelInfoDlg& dlg, int nId) {
        return *dlg.GetDlgItem<QLineEdit>(nId);
    }
    static void Type(CChannelInfoDlg& dlg, int nId, const QString& keys) {
        TypeInto(dlg.GetDlgItem(nId), keys);
    }
    // Chooses entry nIndex of a list with the arrow keys, as the user would.
    static void Choose(CChannelInfoDlg& dlg, int nId, int nIndex) {
        QComboBox& combo = Combo(dlg, nId);
        while (combo.currentIndex() < nIndex)
            QTest::keyClick(&combo, Qt::Key_Down);
        QCOMPARE(combo.currentIndex(), nIndex);
    }
    static void PressOk(CChannelInfoDlg& dlg) {
        QTest::mouseClick(dlg.GetDlgItem(IDC_CHANNEL_OK), Qt::LeftButton);
    }
    // The lists' current texts, the edits' texts and "Dolby" if checked.
    static QStringList Shown(CChannelInfoDlg& dlg) {
        QStringList texts;
        for (int nId : {IDC_CHANNEL_COMBO_SATELLITE, IDC_CHANNEL_COMBO_TRANSPONDER,
                        IDC_CHANNEL_COMBO_NETWORK})
            texts << Combo(dlg, nId).currentText();
        for (int nId = IDC_CHANNEL_EDIT_SERVICE_ID; nId <= IDC_CHANNEL_EDIT_PCR_PID; ++nId)
            texts << Edit(dlg, nId).text();
        const bool bDolby = dlg.GetDlgItem<QCheckBox>(IDC_CHANNEL_CHECK_DOLBY)->isChecked();
        return texts << (bDolby ? QStringLiteral("Dolby") : QString());
    }
    // Which of satellite, transponder, network and service id can be changed: "1" each one.
    static QString Usable(CChannelInfoDlg& dlg) {
        QString usable;
        for (int nId : {IDC_CHANNEL_COMBO_SATELLITE, IDC_CHANNEL_COMBO_TRANSPONDER,
                        IDC_CHANNEL_COMBO_NETWORK, IDC_CHANNEL_EDIT_SERVICE_ID})
            usable += dlg.GetDlgItem(nId)->isEnabled() ? u'1' : u'0';
        return usable;
    }
    // A dialog set up and shown as its modal run shows it.
    std::unique_ptr<CChannelInfoDlg> Open(int nMode, int nRow, CChannelStore* store = nullptr) {
        auto dlg = std::make_unique<CChannelInfoDlg>(m_prompt);
        dlg->SetupChannelInfo(nMode, nRow, store ? store : &*m_store, nRow == 0 ? 1 : 0);
        dlg->OnInitDialog();
        dlg->show();
        return dlg;
    }
  private slots:
    void init() {
        m_prompt = CScriptedPrompt();
        m_store.emplace();
        FillStore(*m_store);
    }

    void newSatelliteServiceOffersTheStoresLists() {
        auto dlg = Open(kSatTv, 0);
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Channel Informaton"));
        QCOMPARE(Entries(Combo(*dlg, IDC_CHANNEL_COMBO_SATELLITE)),
                 (QStringList{" 2. SAT-A ( 19.2) ", " 3. SAT-B ( 13.0) "}));
        QCOMPARE(Combo(*dlg, IDC_CHANNEL_COMBO_TRANSPONDER).count(), 0);
        // Sorted by text, which is id order.
        QCOMPARE(Entries(Combo(*dlg, IDC_CHANNEL_COMBO_NETWORK)),
                 (QStringList{"   3. Alpha ", "  12. Beta ", " 100. Gamma "}));
        QCOMPARE(Shown(*dlg), QStringList(9));
        QCOMPARE(Usable(*dlg), QStringLiteral("1111"));
        QCOMPARE(dlg->GetDlgItem<QLabel>(IDC_CHANNEL_STATIC_TRANSPONDER)->text(),
                 QStringLiteral("Transponder"));

        Choose(*dlg, IDC_CHANNEL_COMBO_SATELLITE, 0);
        QCOMPARE(Entries(Combo(*dlg, IDC_CHANNEL_COMBO_TRANSPONDER)),
                 (QStringList{"  1. 11494 - 27500 - H ", "  2. 10714 - 22000 - V "}));
        QCOMPARE(Combo(*dlg, IDC_CHANNEL_COMBO_TRANSPONDER).currentIndex(), 0);
        Choose(*dlg, IDC_CHANNEL_COMBO_SATELLITE, 1);
        QCOMPARE(Entries(Combo(*dlg, IDC_CHANNEL_COMBO_TRANSPONDER)),
                 QStringList{"  1. 12000 - 27500 - H "});
    }

    // Names are 8-bit texts. An unchanged OK keeps the service: Dolby stays, bit 14 of the
    // audio PID goes, and a network the table does not list is kept.
    void existingServiceIsShownAndKeptByOk() {
        SetName(m_store->FindNetwork(12)->name, "B\xE9ta");
        SetName(m_store->GetSatellite(2)->szName, "T\xFCrksat");
        SetName(m_store->GetService(0, LIST_SAT_TV)->szName, "Caf\xE9");
        auto dlg = Open(kSatTv, 1);
        QCOMPARE(Shown(*dlg), (QStringList{" 2. T\u00FCrksat ( 19.2) ", "  2. 10714 - 22000 - V ",
                                           "  12. B\u00E9ta ", "28106", "Caf\u00E9", "512", "291",
                                           "600", "Dolby"}));
        // Where a service sits and its id are not changed here.
        QCOMPARE(Usable(*dlg), QStringLiteral("0010"));
        PressOk(*dlg);
        QCOMPARE(dlg->result(), int(QDialog::Accepted));
        QVERIFY(m_prompt.m_shown.empty());
        const SSVC_INFO& tv = *m_store->GetService(0, LIST_SAT_TV);
        QCOMPARE(Fields(tv), (QList<int>{2, 2, 12, 28106, 512, 0x8123, 600, 0}));
        QCOMPARE(QByteArray(tv.szName), QByteArray("Caf\xE9"));

        // A terrestrial service offers the MUXes in index order, wherever their slots are.
        auto terr = Open(kTerrTv, 1);
        QVERIFY(!terr->GetDlgItem(IDC_CHANNEL_COMBO_SATELLITE)->isVisible());
        QVERIFY(!terr->GetDlgItem(IDC_CHANNEL_STATIC_SATELLITE)->isVisible());
        QCOMPARE(terr->GetDlgItem<QLabel>(IDC_CHANNEL_STATIC_TRANSPONDER)->text(),
                 QStringLiteral("MUX"));
        QCOMPARE(Entries(Combo(*terr, IDC_CHANNEL_COMBO_TRANSPONDER)),
                 (QStringList{"  1. MUX 21", "  3. MUX 2F"}));
        QCOMPARE(Combo(*terr, IDC_CHANNEL_COMBO_TRANSPONDER).currentText(),
                 QStringLiteral("  3. MUX 2F"));
        QCOMPARE(Combo(*terr, IDC_CHANNEL_COMBO_NETWORK).currentIndex(), -1); // 250 is unknown
        PressOk(*terr);
        QCOMPARE(terr->result(), int(QDialog::Accepted));
        QCOMPARE(int(m_store->GetService(0, LIST_TERR_TV)->wNetwork), 250);
    }

    // "keys: the text after each key".
    void pidsAreCheckedOnEveryKey_data() {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QString>("typing");
        const int video = IDC_CHANNEL_EDIT_VIDEO_PID, pcr = IDC_CHANNEL_EDIT_PCR_PID;
        const int sid = IDC_CHANNEL_EDIT_SERVICE_ID;
        QTest::newRow("9000 stops at 900") << video << "9000: 9 90 900 900";
        QTest::newRow("8191 accepted") << IDC_CHANNEL_EDIT_AUDIO_PID << "8191: 8 81 819 8191";
        QTest::newRow("8192 undone") << pcr << "8192: 8 81 819 819";
        QTest::newRow("leading zeros go") << pcr << "007: 0 0 7";
        QTest::newRow("letters are not taken") << video << "1x2: 1 1 12";
        QTest::newRow("service id up to 65535 as typed")
            << sid << "065536: 0 06 065 0655 06553 06553";
        QTest::newRow("service id past 65535 undone") << sid << "70000: 7 70 700 7000 7000";
    }
    void pidsAreCheckedOnEveryKey() {
        QFETCH(int, edit);
        QFETCH(QString, typing);
        const QString keys = typing.section(QStringLiteral(": "), 0, 0);
        auto dlg = Open(kSatTv, 0);
        QLineEdit& field = Edit(*dlg, edit);
        QStringList seen;
        for (QChar key : keys) {
            QTest::keyClicks(&field, QString(key));
            seen << field.text();
        }
        QCOMPARE(seen.join(' '), typing.section(QStringLiteral(": "), 1));
    }

    void okChecksKeepTheDialogOpen() {
        auto dlg = Open(kSatTv, 0);
        const WORD nBefore = m_store->GetSatTvCount();
        PressOk(*dlg);
        Choose(*dlg, IDC_CHANNEL_COMBO_SATELLITE, 0);
        // The user types over the chosen transponder: that is no choice.
        QComboBox& tps = Combo(*dlg, IDC_CHANNEL_COMBO_TRANSPONDER);
        tps.lineEdit()->selectAll();
        QTest::keyClicks(tps.lineEdit(), QStringLiteral("x"));
        PressOk(*dlg);
        Choose(*dlg, IDC_CHANNEL_COMBO_TRANSPONDER, 1);
        PressOk(*dlg);
        QCOMPARE(m_prompt.MessageTexts(),
                 (std::vector<QString>{"Satellite is not selected.", "Transponder is not selected.",
                                       "Service ID is not existed."}));
        QVERIFY(dlg->isVisible());
        QCOMPARE(m_store->GetSatTvCount(), nBefore);
        // OK chose the first network for the user.
        QCOMPARE(Combo(*dlg, IDC_CHANNEL_COMBO_NETWORK).currentText(),
                 QStringLiteral("   3. Alpha "));

        auto terr = Open(kTerrTv, 0);
        Type(*terr, IDC_CHANNEL_EDIT_SERVICE_ID, QStringLiteral("5"));
        PressOk(*terr);
        QCOMPARE(m_prompt.MessageTexts().back(), QStringLiteral("MUX is not selected."));
        QVERIFY(terr->isVisible());
        QCOMPARE(m_store->GetTerrTvCount(), 1);
    }

    // Each row chooses the satellite, transponder and network entries (-1 leaves them) and
    // types the service id, name, video, audio and PCR PIDs (empty: not typed).
    void newOrEqualServiceStoresWhatWasTyped_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("choices"); // satellite, transponder, network
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("dolby");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QList<int>>("fields");
        using I = QList<int>;
        using S = QStringList;
        // OK chooses the first network, 3.
        QTest::newRow("defaults") << int(kSatTv) << I{1, -1, -1} << S{"4711"} << false
                                  << QByteArray("Noname") << I{3, 1, 3, 4711, 0, 0, 0, FLAG_NEW_TV};
        QTest::newRow("all typed") << int(kSatTv) << I{1, -1, 2}
                                   << S{"65535", "A name longer than sixteen", "8191", "4100", "33"}
                                   << true << QByteArray("A name longer th")
                                   << I{3, 1, 100, 65535, 8191, 0x8000 | 4100, 33, FLAG_NEW_TV};
        QTest::newRow("radio takes no video PID")
            << int(kSatRadio) << I{0, -1, -1} << S{"9", "", "100"} << false << QByteArray("Noname")
            << I{2, 1, 3, 9, 0, 0, 0, FLAG_RADIO};
        QTest::newRow("terrestrial on the second MUX")
            << int(kTerrRadio) << I{-1, 1, -1} << S{"77"} << false << QByteArray("Noname")
            << I{kTerrestrialSatIndex, 3, 3, 77, 0, 0, 0, FLAG_RADIO};
        // Merged into the stored one, which takes the new values.
        QTest::newRow("equal service")
            << int(kSatTv) << I{0, 1, -1} << S{"28106", "Nordlicht HD"} << false
            << QByteArray("Nordlicht HD") << I{2, 2, 3, 28106, 0, 0, 0, FLAG_NEW_TV};
    }
    void newOrEqualServiceStoresWhatWasTyped() {
        QFETCH(int, mode);
        QFETCH(QList<int>, choices);
        QFETCH(QStringList, typed);
        QFETCH(bool, dolby);
        const BYTE nList = BYTE(mode - 1);
        const WORD nBefore = m_store->GetServiceCount(nList);
        const WORD wSid = WORD(typed[0].toUInt());
        const bool bMerge = FindService(*m_store, nList, wSid) != nullptr;
        auto dlg = Open(mode, 0);
        const int choiceIds[] = {IDC_CHANNEL_COMBO_SATELLITE, IDC_CHANNEL_COMBO_TRANSPONDER,
                                 IDC_CHANNEL_COMBO_NETWORK};
        for (int i = 0; i < 3; ++i)
            if (choices[i] >= 0)
                Choose(*dlg, choiceIds[i], choices[i]);
        for (int i = 0; i < typed.size(); ++i)
            if (!typed[i].isEmpty())
                Type(*dlg, IDC_CHANNEL_EDIT_SERVICE_ID + i, typed[i]);
        if (dolby)
            QTest::mouseClick(dlg->GetDlgItem(IDC_CHANNEL_CHECK_DOLBY), Qt::LeftButton);
        PressOk(*dlg);
        QCOMPARE(m_prompt.MessageTexts(),
                 std::vector<QString>{bMerge ? "Same service is existed.\n"
                                             : "New service is appended.\n"});
        QCOMPARE(dlg->result(), int(bMerge ? QDialog::Rejected : QDialog::Accepted));
        QVERIFY(!dlg->isVisible());
        QVERIFY(dlg->StoreChanged());
        QCOMPARE(m_store->GetServiceCount(nList), WORD(nBefore + (bMerge ? 0 : 1)));
        const SSVC_INFO* added = FindService(*m_store, nList, wSid);
        QVERIFY(added != nullptr);
        QTEST(QByteArray(added->szName), "name");
        QTEST(Fields(*added), "fields");
        QCOMPARE(int(added->abReserved[0]), 1);
    }

    void fullListRefusesTheService() {
        CChannelStore full;
        CStoreBuilder(full).LargeSatTvList(kMaxSatServices);
        auto dlg = Open(kSatTv, 0, &full);
        Choose(*dlg, IDC_CHANNEL_COMBO_SATELLITE, 0);
        Type(*dlg, IDC_CHANNEL_EDIT_SERVICE_ID, QStringLiteral("60000"));
        PressOk(*dlg);
        QCOMPARE(m_prompt.MessageTexts(),
                 std::vector<QString>{"[Error] Service is not appended.\n"});
        QCOMPARE(dlg->result(), int(QDialog::Rejected));
        QVERIFY(!dlg->StoreChanged());
        QCOMPARE(int(full.GetSatTvCount()), kMaxSatServices);
    }

    void changedServiceIsWrittenBack() {
        auto dlg = Open(kSatTv, 1);
        Edit(*dlg, IDC_CHANNEL_EDIT_NAME).selectAll();
        QTest::keyClick(&Edit(*dlg, IDC_CHANNEL_EDIT_NAME), Qt::Key_Delete);
        QLineEdit& audio = Edit(*dlg, IDC_CHANNEL_EDIT_AUDIO_PID);
        audio.selectAll();
        QTest::keyClick(&audio, Qt::Key_Backspace); // a cleared PID shows 0
        QCOMPARE(audio.text(), QStringLiteral("0"));
        QCOMPARE(dlg->m_strAudioPid, QStringLiteral("0"));
        Type(*dlg, IDC_CHANNEL_EDIT_AUDIO_PID, QStringLiteral("44"));
        QTest::mouseClick(dlg->GetDlgItem(IDC_CHANNEL_CHECK_DOLBY), Qt::LeftButton);
        Choose(*dlg, IDC_CHANNEL_COMBO_NETWORK, 2);
        PressOk(*dlg);
        const SSVC_INFO& tv = *m_store->GetService(0, LIST_SAT_TV);
        QCOMPARE(QByteArray(tv.szName), QByteArray("Noname"));
        QCOMPARE(Fields(tv), (QList<int>{2, 2, 100, 28106, 512, 44, 600, 0}));
        // An old radio service's video PID is not changed.
        auto radio = Open(kSatRadio, 1);
        QCOMPARE(Edit(*radio, IDC_CHANNEL_EDIT_VIDEO_PID).text(), QStringLiteral("77"));
        Type(*radio, IDC_CHANNEL_EDIT_VIDEO_PID, QStringLiteral("100"));
        PressOk(*radio);
        QCOMPARE(int(m_store->GetService(0, LIST_SAT_RADIO)->wVideoPid), 77);
    }

    void serviceWithoutItsTransponderCanStillBeChanged() {
        m_store->DeleteTransponder(2, 1);                  // "Nordlicht" moves to tpid 1 ...
        m_store->GetService(0, LIST_SAT_TV)->bTpIndex = 9; // ... and then loses it
        auto dlg = Open(kSatTv, 1);
        QCOMPARE(Combo(*dlg, IDC_CHANNEL_COMBO_TRANSPONDER).currentIndex(), -1);
        Type(*dlg, IDC_CHANNEL_EDIT_NAME, QStringLiteral("Renamed"));
        PressOk(*dlg);
        QVERIFY(m_prompt.m_shown.empty());
        QCOMPARE(QByteArray(m_store->GetService(0, LIST_SAT_TV)->szName), QByteArray("Renamed"));
    }

    void controlsSitInsideTheDialog() {
        CChannelInfoDlg dlg(m_prompt);
        for (const SChannelDlgItem& item : channel_info_dialog::kItems)
            QVERIFY2(dlg.rect().contains(dlg.GetDlgItem(item.nId)->geometry()),
                     qPrintable(QString::number(item.nId)));
    }
};

QTEST_MAIN(ChannelInfoDlgTest)
#include "channel_info_dlg.moc"
