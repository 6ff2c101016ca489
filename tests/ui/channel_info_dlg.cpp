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
// "Nordlicht" on SAT-A / 2 (network 12, Dolby audio), satellite radio "Radio One" on SAT-B / 1,
// terrestrial TV "Terra" on MUX 3 whose network 250 is not in the table.
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
    store.SetServiceVideoPid(0, LIST_SAT_TV, 512);
    store.SetServiceAudioPid(0, LIST_SAT_TV, kDolbyAudio);
    store.SetServicePcrPid(0, LIST_SAT_TV, 600);
}

const SSVC_INFO* FindService(const CChannelStore& store, BYTE nList, WORD wServiceId) {
    for (WORD i = 0; i < store.GetServiceCount(nList); ++i) {
        if (store.GetService(i, nList)->wServiceId == wServiceId)
            return store.GetService(i, nList);
    }
    return nullptr;
}

// "name|satellite transponder network sid video audio pcr flags reserved", audio and flags in
// hex; "none" for no service.
QString Stored(const SSVC_INFO* s) {
    if (s == nullptr)
        return QStringLiteral("none");
    return QString::fromLatin1(NameOf(s->szName)) +
           QString::asprintf("|%d %d %d %d %d %x %d %x %d", s->bSatIndex, s->bTpIndex, s->wNetwork,
                             s->wServiceId, s->wVideoPid, s->wAudioPid, s->wPcrPid, s->wFlags,
                             s->abReserved[0]);
}

} // namespace

class ChannelInfoDlgTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;
    const CNameCodec m_names{};
    std::optional<CChannelStore> m_store;

    static QComboBox& Combo(CChannelInfoDlg& dlg, int nId) {
        return *dlg.GetDlgItem<QComboBox>(nId);
    }
    static QLineEdit& Edit(CChannelInfoDlg& dlg, int nId) {
        return *dlg.GetDlgItem<QLineEdit>(nId);
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
    // The lists' current texts, the edits' texts, "Dolby" if checked, then which of satellite,
    // transponder, network and service id can be changed: "1" each one.
    static QStringList Shown(CChannelInfoDlg& dlg) {
        QStringList texts;
        QString usable;
        for (int nId : {IDC_CHANNEL_COMBO_SATELLITE, IDC_CHANNEL_COMBO_TRANSPONDER,
                        IDC_CHANNEL_COMBO_NETWORK}) {
            texts << Combo(dlg, nId).currentText();
            usable += dlg.GetDlgItem(nId)->isEnabled() ? u'1' : u'0';
        }
        for (int nId = IDC_CHANNEL_EDIT_SERVICE_ID; nId <= IDC_CHANNEL_EDIT_PCR_PID; ++nId)
            texts << Edit(dlg, nId).text();
        usable += Edit(dlg, IDC_CHANNEL_EDIT_SERVICE_ID).isEnabled() ? u'1' : u'0';
        const bool bDolby = dlg.GetDlgItem<QCheckBox>(IDC_CHANNEL_CHECK_DOLBY)->isChecked();
        return texts << (bDolby ? QStringLiteral("Dolby") : QString()) << usable;
    }
    // The transponder label, then the satellite, transponder and network lists' entries, '#'
    // between them.
    static QString Lists(CChannelInfoDlg& dlg) {
        return dlg.GetDlgItem<QLabel>(IDC_CHANNEL_STATIC_TRANSPONDER)->text() + '#' +
               Items(Combo(dlg, IDC_CHANNEL_COMBO_SATELLITE)).join('|') + '#' +
               Items(Combo(dlg, IDC_CHANNEL_COMBO_TRANSPONDER)).join('|') + '#' +
               Items(Combo(dlg, IDC_CHANNEL_COMBO_NETWORK)).join('|');
    }
    // A dialog set up and shown as its modal run shows it.
    std::unique_ptr<CChannelInfoDlg> Open(int nMode, int nRow) {
        auto dlg = std::make_unique<CChannelInfoDlg>(m_names, m_prompt);
        dlg->SetupChannelInfo(nMode, nRow, &*m_store, nRow == 0 ? 1 : 0);
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

    // Networks sorted by text, which is id order; the transponders follow the satellite chosen.
    void newSatelliteServiceOffersTheStoresLists() {
        auto dlg = Open(kSatTv, 0);
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Channel Informaton"));
        // A list is as tall as when closed, not as its dropped list in the template.
        const QComboBox& networks = Combo(*dlg, IDC_CHANNEL_COMBO_NETWORK);
        QCOMPARE(networks.height(), networks.sizeHint().height());
        QCOMPARE(Lists(*dlg), QStringLiteral("Transponder# 2. SAT-A ( 19.2) | 3. SAT-B ( 13.0) "
                                             "##   3. Alpha |  12. Beta | 100. Gamma "));
        QCOMPARE(Shown(*dlg), QStringList(9) << "1111");
        Choose(*dlg, IDC_CHANNEL_COMBO_SATELLITE, 0);
        QCOMPARE(Lists(*dlg).section('#', 2, 2) + '#' + Shown(*dlg)[1],
                 "  1. 11494 - 27500 - H |  2. 10714 - 22000 - V #  1. 11494 - 27500 - H ");
        Choose(*dlg, IDC_CHANNEL_COMBO_SATELLITE, 1);
        QCOMPARE(Lists(*dlg).section('#', 2, 2), "  1. 12000 - 27500 - H ");
    }

    // Names are 8-bit texts; where a service sits and its id are not changed here. An unchanged
    // OK keeps the service: Dolby stays, bit 14 of the audio PID goes, and a network the table
    // does not list is kept. A terrestrial service offers the MUXes in index order. A changed
    // service is written back.
    void existingServiceIsShownKeptAndChanged() {
        m_store->RenameNetwork(12, "B\xE9ta");
        SSAT_INFO sat = *m_store->GetSatellite(2);
        SetName(sat.szName, "T\xFCrksat");
        m_store->SetSatellite(2, sat);
        m_store->SetServiceName(0, LIST_SAT_TV, "Caf\xE9", 4);
        auto dlg = Open(kSatTv, 1);
        QCOMPARE(Shown(*dlg), (QStringList{" 2. T\u00FCrksat ( 19.2) ", "  2. 10714 - 22000 - V ",
                                           "  12. B\u00E9ta ", "28106", "Caf\u00E9", "512", "291",
                                           "600", "Dolby", "0010"}));
        PressOk(*dlg);
        auto terr = Open(kTerrTv, 1);
        QVERIFY(!terr->GetDlgItem(IDC_CHANNEL_COMBO_SATELLITE)->isVisible());
        QVERIFY(!terr->GetDlgItem(IDC_CHANNEL_STATIC_SATELLITE)->isVisible());
        QCOMPARE(Lists(*terr).section('#', 0, 0) + '#' + Lists(*terr).section('#', 2, 2),
                 "MUX#  1. MUX 21|  3. MUX 2F");
        QCOMPARE(Shown(*terr).mid(1, 3), (QStringList{"  3. MUX 2F", "", "1"}));
        PressOk(*terr);
        QCOMPARE(dlg->result() + terr->result(), 2 * int(QDialog::Accepted));
        QVERIFY(m_prompt.m_shown.empty());
        QCOMPARE(Stored(m_store->GetService(0, LIST_SAT_TV)) + ' ' +
                     Stored(m_store->GetService(0, LIST_TERR_TV)),
                 QString("Caf\u00E9|2 2 12 28106 512 8123 600 0 0 Terra|1 3 250 1 0 0 0 0 0"));
        // (OK's defaults for an empty name or PID are newOrEqualServiceStoresWhatWasTyped's.)
        auto changed = Open(kSatTv, 1);
        Type(*changed, IDC_CHANNEL_EDIT_AUDIO_PID, QStringLiteral("44"));
        QTest::mouseClick(changed->GetDlgItem(IDC_CHANNEL_CHECK_DOLBY), Qt::LeftButton);
        Choose(*changed, IDC_CHANNEL_COMBO_NETWORK, 2);
        PressOk(*changed);
        QCOMPARE(Stored(m_store->GetService(0, LIST_SAT_TV)),
                 QStringLiteral("Caf\u00E9|2 2 100 28106 512 2c 600 0 0"));
    }

    // "keys: the text after each key: the text once editing ended" (\b: Backspace). A name takes
    // only what the box's 8-bit names hold.
    void fieldsAreCheckedOnEveryKey() {
        const int video = IDC_CHANNEL_EDIT_VIDEO_PID, pcr = IDC_CHANNEL_EDIT_PCR_PID;
        const int sid = IDC_CHANNEL_EDIT_SERVICE_ID, audio = IDC_CHANNEL_EDIT_AUDIO_PID;
        const std::pair<int, const char*> cases[] = {
            {video, "9000: 9 90 900 900: 900"},
            {audio, "8191: 8 81 819 8191: 8191"},
            {pcr, "8192: 8 81 819 819: 819"},
            {pcr, "007: 0 00 007: 7"},                         // leading zeros go at the end
            {pcr, "1\b5: 1  5: 5"},                            // emptied, then typed
            {video, "1x2: 1 1 12: 12"},                        // letters are not taken
            {sid, "065536: 0 06 065 0655 06553 06553: 06553"}, // up to 65535, as typed
            {IDC_CHANNEL_EDIT_NAME, "A€é: A A Aé: Aé"}};
        for (const auto& [nEdit, typing] : cases) {
            auto dlg = Open(kSatTv, 0);
            QStringList seen;
            for (QChar key : QString::fromUtf8(typing).section(QStringLiteral(": "), 0, 0)) {
                TypeKey(&Edit(*dlg, nEdit), key);
                seen << Edit(*dlg, nEdit).text();
            }
            emit Edit(*dlg, nEdit).editingFinished();
            seen << Edit(*dlg, nEdit).text();
            QCOMPARE(seen.join(' '), QString::fromUtf8(typing)
                                         .section(QStringLiteral(": "), 1)
                                         .replace(QStringLiteral(": "), QStringLiteral(" ")));
        }
    }

    // Typing over the chosen transponder is no choice, nor a network typed that no entry holds.
    // OK chooses the first network for the user.
    void okChecksKeepTheDialogOpen() {
        auto dlg = Open(kSatTv, 0);
        PressOk(*dlg);
        Choose(*dlg, IDC_CHANNEL_COMBO_SATELLITE, 0);
        TypeInto(&Combo(*dlg, IDC_CHANNEL_COMBO_TRANSPONDER), QStringLiteral("x"));
        PressOk(*dlg);
        Choose(*dlg, IDC_CHANNEL_COMBO_TRANSPONDER, 1);
        PressOk(*dlg);
        auto terr = Open(kTerrTv, 0);
        Type(*terr, IDC_CHANNEL_EDIT_SERVICE_ID, QStringLiteral("5"));
        PressOk(*terr);
        auto typed = Open(kSatTv, 1);
        TypeInto(&Combo(*typed, IDC_CHANNEL_COMBO_NETWORK), QStringLiteral("Foo Net"));
        PressOk(*typed);
        QCOMPARE(m_prompt.MessageTexts(),
                 (std::vector<QString>{"Satellite is not selected.", "Transponder is not selected.",
                                       "Service ID is not existed.", "MUX is not selected.",
                                       "Network is not in the list."}));
        QVERIFY(dlg->isVisible() && terr->isVisible() && typed->isVisible());
        QCOMPARE(m_store->GetSatTvCount() + m_store->GetTerrTvCount(), 2);
        QCOMPARE(Stored(m_store->GetService(0, LIST_SAT_TV)).section('|', 1, 1).left(6),
                 QStringLiteral("2 2 12"));
        QCOMPARE(Combo(*dlg, IDC_CHANNEL_COMBO_NETWORK).currentText(),
                 QStringLiteral("   3. Alpha "));
    }

    // Each row chooses the satellite, transponder and network entries (a digit, '-' leaves
    // it; a 'D' after them checks Dolby) and types the service id, name, video, audio and PCR
    // PIDs ('|' between them, empty: not typed). OK chooses the first network, 3. An equal
    // service is merged into the stored one, which takes the new values.
    void newOrEqualServiceStoresWhatWasTyped() {
        const struct {
            int nMode;
            const char *choices, *typed, *stored;
        } cases[] = {{kSatTv, "1--", "4711", "Noname|3 1 3 4711 0 0 0 400 1"},
                     {kSatTv, "1-2D", "65535|A name longer than sixteen|8191|4100|33",
                      "A name longer th|3 1 100 65535 8191 9004 33 400 1"},
                     {kSatRadio, "0--", "9||100", "Noname|2 1 3 9 0 0 0 800 1"},
                     {kTerrRadio, "-1-", "77", "Noname|1 3 3 77 0 0 0 800 1"},
                     {kSatTv, "01-", "28106|Nordlicht HD", "Nordlicht HD|2 2 3 28106 0 0 0 400 1"}};
        const int choiceIds[] = {IDC_CHANNEL_COMBO_SATELLITE, IDC_CHANNEL_COMBO_TRANSPONDER,
                                 IDC_CHANNEL_COMBO_NETWORK};
        for (const auto& c : cases) {
            init();
            CChannelStore& store = *m_store;
            const BYTE nList = BYTE(c.nMode - 1);
            const WORD nBefore = store.GetServiceCount(nList);
            const QStringList typed = QString::fromLatin1(c.typed).split('|');
            const WORD wSid = WORD(typed[0].toUInt());
            const bool bMerge = FindService(store, nList, wSid) != nullptr;
            auto dlg = Open(c.nMode, 0);
            for (int i = 0; i < 3; ++i)
                if (c.choices[i] != '-')
                    Choose(*dlg, choiceIds[i], c.choices[i] - '0');
            for (int i = 0; i < typed.size(); ++i)
                if (!typed[i].isEmpty())
                    Type(*dlg, IDC_CHANNEL_EDIT_SERVICE_ID + i, typed[i]);
            if (c.choices[3] == 'D')
                QTest::mouseClick(dlg->GetDlgItem(IDC_CHANNEL_CHECK_DOLBY), Qt::LeftButton);
            PressOk(*dlg);
            QCOMPARE(m_prompt.MessageTexts(),
                     std::vector<QString>{bMerge ? "Same service is existed.\n"
                                                 : "New service is appended.\n"});
            QCOMPARE(dlg->result(), int(bMerge ? QDialog::Rejected : QDialog::Accepted));
            QVERIFY(!dlg->isVisible() && dlg->StoreChanged());
            QCOMPARE(store.GetServiceCount(nList), WORD(nBefore + (bMerge ? 0 : 1)));
            QCOMPARE(Stored(FindService(store, nList, wSid)), QString::fromLatin1(c.stored));
        }
    }
};

QTEST_MAIN(ChannelInfoDlgTest)
#include "channel_info_dlg.moc"
