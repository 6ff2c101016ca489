#include "channel_store.h"
#include "store_builders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// ---- records --------------------------------------------------------------------------------

TEST(Records, NameIsBoundedByItsFieldEvenWithoutNul) {
    SSVC_INFO svc{};
    std::memset(svc.szName, 'A', kNameSize); // no NUL in all 17 bytes
    svc.bNameAttr = 'B';
    EXPECT_EQ(NameOf(svc.szName), std::string(16, 'A'));
    SetName(svc.szName, "A much longer name than sixteen");
    EXPECT_EQ(NameOf(svc.szName), "A much longer na");
    EXPECT_EQ(svc.szName[16], '\0');
}

TEST(Records, TerrestrialRecordIsZeroButIndexAndName) {
    const SSAT_INFO rec = TerrestrialRecord();
    const auto* bytes = reinterpret_cast<const BYTE*>(&rec);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(bytes[14], 1);
    EXPECT_EQ(std::string(rec.szName), "TERRESTRIAL");
}

// ---- satellites -----------------------------------------------------------------------------

TEST(Satellites, IndexesRunFromTwoWithoutGaps) {
    CChannelStore store;
    EXPECT_EQ(AppendSat(store, 192), 2);
    EXPECT_EQ(AppendSat(store, 130), 3);
    EXPECT_EQ(AppendSat(store, 282), 4);
    EXPECT_EQ(AppendSat(store, 3550), 5);
    ASSERT_NE(store.GetSatellite(5), nullptr);
    EXPECT_EQ(store.GetSatellite(5)->wPosition, 3550);
    EXPECT_EQ(store.GetSatellite(6), nullptr);
    EXPECT_EQ(store.GetSatellite(1), nullptr);
    EXPECT_EQ(store.GetSatellite(0), nullptr);
}

TEST(Satellites, SamePositionIsRefusedAndNamesTheStoredSatellite) {
    CChannelStore store;
    AppendSat(store, 192);
    AppendSat(store, 130);
    SSAT_INFO again = MakeSat(130, "AGAIN");
    EXPECT_EQ(store.AppendSatellite(again), 0);
    EXPECT_EQ(again.bIndex, 3);
    EXPECT_EQ(store.GetSatelliteCount(), 2);
}

TEST(Satellites, PositionZeroIsNeverADuplicate) {
    CChannelStore store;
    EXPECT_EQ(AppendSat(store, 0), 2);
    EXPECT_EQ(AppendSat(store, 0), 3);
}

TEST(Satellites, TableHoldsOneHundredTwenty) {
    CChannelStore store;
    for (int i = 0; i < kMaxSatellites; ++i)
        ASSERT_NE(AppendSat(store, static_cast<WORD>(10 + i)), 0) << i;
    SSAT_INFO extra = MakeSat(3000, "EXTRA");
    EXPECT_EQ(store.AppendSatellite(extra), 0);
    EXPECT_EQ(store.GetSatelliteCount(), kMaxSatellites);
    EXPECT_NE(store.GetSatellite(121), nullptr);
}

TEST(Satellites, SetSatelliteRefusesInvalidIndex) {
    CChannelStore store;
    AppendSat(store, 192);
    const SSAT_INFO sat = MakeSat(282, "NEW");
    EXPECT_FALSE(store.SetSatellite(3, sat));
    EXPECT_TRUE(store.SetSatellite(2, sat));
    EXPECT_EQ(store.GetSatelliteName(2), "NEW");
    EXPECT_EQ(store.GetSatelliteName(9), "");
}

TEST(Satellites, DeleteMovesLaterSatellitesTransportersAndServicesDown) {
    CChannelStore store;
    const BYTE a = AppendSat(store, 192, "A");
    const BYTE b = AppendSat(store, 130, "B");
    const BYTE c = AppendSat(store, 282, "C");
    AppendTp(store, a, 11000);
    AppendTp(store, b, 12000);
    AppendTp(store, b, 12100);
    AppendTp(store, c, 10700);
    store.AddSatService(ADD_ORDERED, MakeService(a, 1, 1, "ON-A"));
    store.AddSatService(ADD_ORDERED, MakeService(b, 1, 2, "ON-B"));
    store.AddSatService(ADD_ORDERED, MakeService(c, 1, 3, "ON-C", FLAG_RADIO));
    store.Rebuild();

    store.DeleteSatellite(b);

    EXPECT_EQ(store.GetSatelliteCount(), 2);
    EXPECT_EQ(store.GetTransponderCount(), 2);
    EXPECT_EQ(store.GetSatelliteName(3), "C");
    EXPECT_EQ(store.GetSatellite(3)->bIndex, 3);
    ASSERT_NE(store.GetTransponder(3, 1), nullptr);
    EXPECT_EQ(store.GetTransponder(3, 1)->frequency, 10700);
    EXPECT_EQ(store.GetTransponder(3, 1)->satid, 3);
    EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAre("ON-A"));
    EXPECT_THAT(RowNames(store, LIST_SAT_RADIO), ElementsAre("ON-C"));
    EXPECT_EQ(store.GetService(0, LIST_SAT_RADIO)->bSatIndex, 3);
}

// ---- transponders -------------------------------------------------------------------------

struct MergeCase {
    WORD rate;
    int freqDelta;
    int rateDelta;
    BYTE horizontal;
    BYTE expected;
};

class TransponderMerge : public ::testing::TestWithParam<MergeCase> {};

TEST_P(TransponderMerge, ToleranceFollowsSymbolRate) {
    const MergeCase& c = GetParam();
    CChannelStore store;
    const BYTE sat = AppendSat(store, 192);
    BYTE tp = 0;
    ASSERT_EQ(store.AppendTransponder(sat, &tp, 11000, c.rate, 0, 0), TP_APPENDED);
    tp = 0;
    const BYTE result =
        store.AppendTransponder(sat, &tp, static_cast<WORD>(11000 + c.freqDelta),
                                static_cast<WORD>(c.rate + c.rateDelta), c.horizontal, 0);
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(tp, c.expected == TP_MERGED ? 1 : 2);
    if (c.expected == TP_MERGED) {
        // The stored transponder takes the new values.
        EXPECT_EQ(store.GetTransponder(sat, 1)->frequency, 11000 + c.freqDelta);
        EXPECT_EQ(store.GetTransponderCountOf(sat), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TransponderMerge,
    ::testing::Values(MergeCase{27500, 11, 0, 0, TP_MERGED},   // 13 MHz at 27500
                      MergeCase{27500, 13, 0, 0, TP_MERGED},   //
                      MergeCase{27500, -13, 0, 0, TP_MERGED},  //
                      MergeCase{27500, 14, 0, 0, TP_APPENDED}, //
                      MergeCase{27500, 0, 27, 0, TP_MERGED},   // symbol rate within rate/1000
                      MergeCase{27500, 0, 28, 0, TP_APPENDED}, //
                      MergeCase{27500, 0, 0, 1, TP_APPENDED},  // other polarisation
                      MergeCase{5000, 3, 0, 0, TP_MERGED},     // 3 MHz below 6000 kS/s
                      MergeCase{5000, 4, 0, 0, TP_APPENDED},   //
                      MergeCase{6000, 3, 0, 0, TP_MERGED},     // 6000 / 2000 = 3
                      MergeCase{6000, 4, 0, 0, TP_APPENDED}),
    [](const auto& info) {
        const MergeCase& c = info.param;
        const auto signedName = [](const char* what, int delta) {
            return what + std::string(delta < 0 ? "Down" : "Up") + std::to_string(std::abs(delta));
        };
        return "Rate" + std::to_string(c.rate) + signedName("Freq", c.freqDelta) +
               signedName("Rate", c.rateDelta) + (c.horizontal ? "H" : "V");
    });

TEST(Transponders, MergeRaisesValuesToOneThousandAndRefusesZero) {
    CChannelStore store;
    const BYTE sat = AppendSat(store, 192);
    BYTE tp = 0;
    EXPECT_EQ(store.AppendTransponder(sat, &tp, 500, 500, 0, 3), TP_APPENDED);
    const STP_INFO* stored = store.GetTransponder(sat, 1);
    EXPECT_EQ(stored->frequency, 1000);
    EXPECT_EQ(stored->symbolrate, 1000);
    EXPECT_EQ(stored->attribute, 0x30);
    EXPECT_EQ(store.AppendTransponder(sat, &tp, 0, 27500, 0, 0), TP_REFUSED);
    EXPECT_EQ(store.AppendTransponder(sat, &tp, 11000, 0, 0, 0), TP_REFUSED);
    EXPECT_EQ(store.AppendTransponder(1, &tp, 11000, 27500, 0, 0), TP_REFUSED);
    EXPECT_EQ(store.AppendTransponder(3, &tp, 11000, 27500, 0, 0), TP_REFUSED);
}

TEST(Transponders, WithoutMergeTpidsFollowPosition) {
    CChannelStore store;
    const BYTE sat = AppendSat(store, 192);
    for (BYTE given : {BYTE{9}, BYTE{0}, BYTE{200}}) {
        STP_INFO tp{};
        tp.satid = sat;
        tp.tpid = given;
        tp.frequency = 11000; // identical transponders are kept apart without merging
        tp.symbolrate = 27500;
        EXPECT_EQ(store.AddTransponder(tp, 0), TP_APPENDED);
    }
    for (BYTE n = 1; n <= 3; ++n)
        EXPECT_NE(store.GetTransponder(sat, n), nullptr);
    EXPECT_EQ(store.GetTransponder(sat, 0), nullptr);
    EXPECT_EQ(store.GetTransponder(sat, 4), nullptr);
}

TEST(Transponders, OneSatelliteHoldsTwoHundredFiftyFive) {
    CChannelStore store;
    const BYTE sat = AppendSat(store, 192);
    for (int i = 0; i < kMaxTranspondersPerSat; ++i)
        ASSERT_EQ(AppendTp(store, sat, static_cast<WORD>(3000 + i * 100)), i + 1);
    EXPECT_EQ(AppendTp(store, sat, 60000), 0);
    EXPECT_EQ(store.GetTransponderCountOf(sat), 255);
    ASSERT_NE(store.GetTransponder(sat, 255), nullptr);
    // A merge still finds the last one in the list.
    EXPECT_EQ(AppendTp(store, sat, 3000 + 254 * 100 + 2), 255);
}

TEST(Transponders, AllSatellitesHoldThirteenHundredSixty) {
    CChannelStore store;
    int added = 0;
    for (int s = 0; s < 6; ++s) {
        const BYTE sat = AppendSat(store, static_cast<WORD>(100 + s));
        for (int i = 0; i < 255 && added < kMaxTransponders; ++i, ++added)
            ASSERT_NE(AppendTp(store, sat, static_cast<WORD>(3000 + i * 100)), 0);
    }
    EXPECT_EQ(store.GetTransponderCount(), kMaxTransponders);
    EXPECT_EQ(AppendTp(store, 7, 60000), 0);
    EXPECT_EQ(store.GetTransponderCount(), kMaxTransponders);
}

TEST(Transponders, DeleteRenumbersLaterOnesAndTheirServices) {
    CChannelStore store;
    const BYTE sat = AppendSat(store, 192);
    AppendTp(store, sat, 11000);
    AppendTp(store, sat, 11500);
    AppendTp(store, sat, 12000);
    store.AddSatService(ADD_ORDERED, MakeService(sat, 1, 1, "ON-1"));
    store.AddSatService(ADD_ORDERED, MakeService(sat, 2, 2, "ON-2"));
    store.AddSatService(ADD_ORDERED, MakeService(sat, 3, 3, "ON-3", FLAG_RADIO));
    store.Rebuild();

    store.DeleteTransponder(sat, 2);

    EXPECT_EQ(store.GetTransponderCountOf(sat), 2);
    EXPECT_EQ(store.GetTransponderCount(), 2);
    EXPECT_EQ(store.GetTransponder(sat, 2)->frequency, 12000);
    EXPECT_EQ(store.GetTransponder(sat, 3), nullptr);
    EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAre("ON-1"));
    EXPECT_EQ(store.GetService(0, LIST_SAT_RADIO)->bTpIndex, 2);
    // The next transponder continues the numbering without a gap.
    EXPECT_EQ(AppendTp(store, sat, 12500), 3);
}

TEST(Transponders, DeleteOfAMissingTransponderChangesNothing) {
    CChannelStore store;
    const BYTE sat = AppendSat(store, 192);
    AppendTp(store, sat, 11000);
    store.AddSatService(ADD_ORDERED, MakeService(sat, 1, 1, "KEEP"));
    store.Rebuild();
    store.DeleteTransponder(sat, 5);
    store.DeleteTransponder(sat, 0);
    store.DeleteTransponder(9, 1);
    EXPECT_EQ(store.GetTransponderCountOf(sat), 1);
    EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAre("KEEP"));
}

// ---- MUXes ------------------------------------------------------------------------------------

TEST(Muxes, SlotsOneToOneHundred) {
    CChannelStore store;
    EXPECT_FALSE(store.AddMux(MakeMux(0, 474)));
    EXPECT_FALSE(store.AddMux(MakeMux(101, 474)));
    EXPECT_FALSE(store.AddMux(MakeMux(255, 474)));
    EXPECT_TRUE(store.AddMux(MakeMux(1, 474)));
    EXPECT_TRUE(store.AddMux(MakeMux(100, 858)));
    EXPECT_EQ(store.GetMuxCount(), 2);
    EXPECT_EQ(store.GetMux(1)->frequency, 474);
    EXPECT_EQ(store.GetMux(100)->frequency, 858);
    EXPECT_EQ(store.GetMux(0), nullptr);
    EXPECT_EQ(store.GetMux(2), nullptr); // never filled
    EXPECT_EQ(store.GetMux(101), nullptr);
    EXPECT_EQ(store.GetMux(255), nullptr);
}

TEST(Muxes, CountsMuxesNotCalls) {
    CChannelStore store;
    for (int i = 0; i < 150; ++i)
        store.AddMux(MakeMux(static_cast<BYTE>(1 + i % 100), static_cast<WORD>(474 + i)));
    EXPECT_EQ(store.GetMuxCount(), kMaxMuxes);
    EXPECT_EQ(store.GetMux(1)->frequency, 474 + 100); // the later one replaced the first
    CChannelStore again;
    again.AddMux(MakeMux(7, 474));
    again.AddMux(MakeMux(7, 482));
    EXPECT_EQ(again.GetMuxCount(), 1);
}

// ---- services ---------------------------------------------------------------------------------

TEST(Services, AddRefusesWhatHasNoPlace) {
    CChannelStore store;
    const BYTE sat = AppendSat(store, 192);
    AppendTp(store, sat, 11000);
    EXPECT_EQ(store.AddSatService(ADD_ORDERED, MakeService(3, 1, 1, "BADSAT")), SVC_REFUSED);
    EXPECT_EQ(store.AddSatService(ADD_ORDERED, MakeService(1, 1, 1, "TERR")), SVC_REFUSED);
    EXPECT_EQ(store.AddSatService(ADD_ORDERED, MakeService(sat, 0, 1, "NOTP")), SVC_REFUSED);
    EXPECT_EQ(store.AddTerrService(ADD_ORDERED, MakeService(sat, 1, 1, "SAT")), SVC_REFUSED);
    EXPECT_EQ(store.AddTerrService(ADD_ORDERED, MakeService(1, 1, 1, "TERR")), SVC_STORED);
    EXPECT_EQ(store.AddTerrService(ADD_ORDERED, MakeService(1, 1, 2, "RADIO", FLAG_RADIO)),
              SVC_STORED);
    EXPECT_EQ(store.GetTerrTvCount(), 1);
    EXPECT_EQ(store.GetTerrRadioCount(), 1);
}

TEST(Services, OrderedInsertKeepsSatelliteTransponderServiceIdOrder) {
    CChannelStore store;
    const BYTE a = AppendSat(store, 192);
    const BYTE b = AppendSat(store, 130);
    AppendTp(store, a, 11000);
    AppendTp(store, a, 12000);
    AppendTp(store, b, 11000);
    store.AddSatService(ADD_ORDERED, MakeService(b, 1, 5, "B1-5"));
    store.AddSatService(ADD_ORDERED, MakeService(a, 2, 9, "A2-9"));
    store.AddSatService(ADD_ORDERED, MakeService(a, 1, 7, "A1-7"));
    store.AddSatService(ADD_ORDERED, MakeService(a, 2, 3, "A2-3"));
    // Keys are handed out in arrival order, so the list shows the arrival order...
    store.Rebuild();
    EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAre("B1-5", "A2-9", "A1-7", "A2-3"));
    // ...while the linked list is ordered by satellite, transponder and service id: the
    // satellite order (first appearance along the list) shows A before B.
    ASSERT_EQ(store.GetSatOrderCount(), 2);
    EXPECT_EQ(store.GetSatOrder()[0], a);
    EXPECT_EQ(store.GetSatOrder()[1], b);
    EXPECT_EQ(store.GetHighestKey(LIST_SAT_TV), 4);
    store.SortSatListsByTransponder();
    EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAre("A1-7", "A2-3", "A2-9", "B1-5"));
    store.SortSatListsByNumber();
    EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAre("B1-5", "A2-9", "A1-7", "A2-3"));
}

TEST(Services, NewServiceTakesTheNextKeyAfterTheHighest) {
    CChannelStore store;
    FillSatTv(store, {"ONE", "TWO", "THREE"});
    ASSERT_EQ(store.GetHighestKey(LIST_SAT_TV), 3);
    EXPECT_EQ(store.AddSatService(ADD_ORDERED, MakeService(2, 1, 100, "NEW")), SVC_STORED);
    EXPECT_EQ(store.GetHighestKey(LIST_SAT_TV), 4);
    store.Rebuild();
    EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAre("ONE", "TWO", "THREE", "NEW"));
    EXPECT_EQ(store.GetService(3, LIST_SAT_TV)->wNumber, 4);
}

TEST(Services, MergeKeepsNumberKeyKeptFlagsAndFixedName) {
    CChannelStore store;
    FillSatTv(store, {"FIRST", "OLD NAME"});
    SSVC_INFO* old = store.GetService(1, LIST_SAT_TV);
    old->wFlags = FLAG_LOCK | FLAG_FAV2 | FLAG_CA | 0x0040 | 0x0100 | FLAG_NAME_FIXED;
    old->bNameAttr = 7;
    old->wVideoPid = 100;

    SSVC_INFO update = MakeService(2, 1, 2, "NEW NAME", FLAG_FAV4);
    update.wVideoPid = 200;
    update.bNameAttr = 9;
    EXPECT_EQ(store.AddSatService(ADD_ORDERED, update), SVC_MERGED);

    const SSVC_INFO* merged = store.GetService(1, LIST_SAT_TV);
    EXPECT_EQ(merged->wNumber, 2);
    EXPECT_EQ(merged->wOrderKey, 2);
    EXPECT_EQ(merged->wVideoPid, 200);
    // Old Lock, Fav2, bits 6 and 8 and the fixed-name bit stay; CA comes from the new record.
    EXPECT_EQ(merged->wFlags,
              FLAG_FAV4 | FLAG_LOCK | FLAG_FAV2 | 0x0040 | 0x0100 | FLAG_NAME_FIXED);
    EXPECT_EQ(NameOf(merged->szName), "OLD NAME");
    EXPECT_EQ(merged->bNameAttr, 7);
    EXPECT_EQ(store.GetSatTvCount(), 2);
}

TEST(Services, MergeWithoutFixedNameTakesTheNewName) {
    CChannelStore store;
    FillSatTv(store, {"OLD"});
    store.GetService(0, LIST_SAT_TV)->wFlags = FLAG_CA;
    EXPECT_EQ(store.AddSatService(ADD_ORDERED, MakeService(2, 1, 1, "NEW")), SVC_MERGED);
    const SSVC_INFO* merged = store.GetService(0, LIST_SAT_TV);
    EXPECT_EQ(NameOf(merged->szName), "NEW");
    EXPECT_EQ(merged->wFlags, 0); // CA comes from the new record only
}

TEST(Services, SatelliteListsStopAtTheirIndexCapacity) {
    CChannelStore store;
    const BYTE sat = AppendSat(store, 192);
    AppendTp(store, sat, 11000);
    for (int i = 0; i < kMaxSatServices; ++i)
        ASSERT_EQ(store.AddSatService(ADD_APPEND, MakeService(sat, 1, static_cast<WORD>(i), "S")),
                  SVC_STORED);
    EXPECT_EQ(store.AddSatService(ADD_APPEND, MakeService(sat, 1, 60000, "S")), SVC_REFUSED);
    EXPECT_EQ(store.AddSatService(ADD_ORDERED, MakeService(sat, 1, 60001, "S")), SVC_REFUSED);
    for (int i = 0; i < kMaxTerrServices; ++i)
        store.AddTerrService(ADD_APPEND_IMAGE, MakeService(1, 1, static_cast<WORD>(i), "T"));
    EXPECT_EQ(store.AddTerrService(ADD_APPEND_IMAGE, MakeService(1, 1, 1, "T")), SVC_REFUSED);
    store.Rebuild();
    EXPECT_EQ(store.GetSatTvCount(), kMaxSatServices);
    EXPECT_EQ(store.GetTerrTvCount(), kMaxTerrServices);
}

TEST(Services, SettersReachOnlyRowsOfTheList) {
    CChannelStore store;
    FillSatTv(store, {"ONE"});
    store.SetServiceName(0, LIST_SAT_TV, "A NAME FAR TOO LONG FOR IT", 26);
    EXPECT_EQ(NameOf(store.GetService(0, LIST_SAT_TV)->szName), "A NAME FAR TOO L");
    store.SetServiceName(0, LIST_SAT_TV, "AB", 1);
    EXPECT_EQ(NameOf(store.GetService(0, LIST_SAT_TV)->szName), "A");
    store.SetServiceAudioPid(0, LIST_SAT_TV, 0x8100);
    EXPECT_EQ(store.GetService(0, LIST_SAT_TV)->wAudioPid & AUDIO_PID_MASK, 256);
    store.SetServiceVideoPid(1, LIST_SAT_TV, 5); // beyond the list: nothing
    store.SetServiceVideoPid(0, 7, 5);           // no such list: nothing
    EXPECT_EQ(store.GetService(1, LIST_SAT_TV), nullptr);
    EXPECT_EQ(store.GetService(0, 4), nullptr);
}

struct FlagCase {
    WORD which;
    WORD mask;
};

class ServiceFlags : public ::testing::TestWithParam<FlagCase> {};

TEST_P(ServiceFlags, SetAndClear) {
    CChannelStore store;
    FillSatTv(store, {"ONE"});
    const FlagCase& c = GetParam();
    store.SetServiceFlag(0, LIST_SAT_TV, c.which, 1);
    EXPECT_EQ(store.GetService(0, LIST_SAT_TV)->wFlags, c.mask);
    store.SetServiceFlag(0, LIST_SAT_TV, c.which, 0);
    EXPECT_EQ(store.GetService(0, LIST_SAT_TV)->wFlags, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ServiceFlags,
                         ::testing::Values(FlagCase{0, FLAG_LOCK}, FlagCase{1, FLAG_FAV1},
                                           FlagCase{2, FLAG_FAV2}, FlagCase{3, FLAG_FAV3},
                                           FlagCase{4, FLAG_FAV4}, FlagCase{5, 0},
                                           FlagCase{0xFFFF, 0}),
                         [](const auto& info) {
                             return "Which" + std::to_string(info.param.which);
                         });

TEST(Services, FlagBeyondTheListChangesNothing) {
    CChannelStore store;
    FillSatTv(store, {"ONE"});
    store.SetServiceFlag(1, LIST_SAT_TV, 0, 1);
    store.SetServiceFlag(0, LIST_SAT_RADIO, 0, 1);
    EXPECT_EQ(store.GetService(0, LIST_SAT_TV)->wFlags, 0);
}

// ---- paste ----------------------------------------------------------------------------------

struct PasteCase {
    std::vector<int> marked; // rows
    WORD target;
    std::vector<std::string> expected;
};

class Paste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(Paste, MovesTheMarkedBlockAboveTheTarget) {
    const PasteCase& c = GetParam();
    CChannelStore store;
    FillSatTv(store, {"S1", "S2", "S3", "S4", "S5", "S6"});
    for (int row : c.marked)
        store.SetServiceMark(static_cast<WORD>(row), LIST_SAT_TV, 1);
    store.MoveMarkedServices(c.target, LIST_SAT_TV);
    EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAreArray(c.expected));
    const bool moved = c.target < 6; // a target past the end leaves list and marks alone
    for (WORD i = 0; i < store.GetRowCount(LIST_SAT_TV); ++i) {
        EXPECT_EQ(store.GetService(i, LIST_SAT_TV)->wNumber, i + 1);
        if (moved) {
            EXPECT_EQ(store.GetServiceMark(i, LIST_SAT_TV), 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Paste,
    ::testing::Values(
        PasteCase{{2, 4}, 1, {"S1", "S3", "S5", "S2", "S4", "S6"}}, // C, E marked, paste at B
        PasteCase{{2, 3}, 5, {"S1", "S2", "S5", "S3", "S4", "S6"}}, // S3 S4 onto S6
        PasteCase{{3, 4}, 1, {"S1", "S4", "S5", "S2", "S3", "S6"}}, // S4 S5 onto S2
        PasteCase{{2, 3}, 3, {"S1", "S2", "S3", "S4", "S5", "S6"}}, // onto itself
        PasteCase{{0, 1}, 0, {"S1", "S2", "S3", "S4", "S5", "S6"}}, // block at the top
        PasteCase{{}, 2, {"S1", "S2", "S3", "S4", "S5", "S6"}},     // nothing marked
        PasteCase{{5}, 0, {"S6", "S1", "S2", "S3", "S4", "S5"}},    // last to the top
        PasteCase{{0}, 5, {"S2", "S3", "S4", "S5", "S1", "S6"}},    // first above the last
        PasteCase{{1, 2}, 6, {"S1", "S2", "S3", "S4", "S5", "S6"}}, // target past the end
        PasteCase{{1, 2}, 60000, {"S1", "S2", "S3", "S4", "S5", "S6"}}),
    [](const auto& info) {
        std::string name = "Marked";
        for (int row : info.param.marked)
            name += std::to_string(row);
        return name + "At" + std::to_string(info.param.target);
    });

TEST(Paste, TerrestrialListKeepsItsOrderAcrossRebuild) {
    CChannelStore store;
    for (WORD sid = 1; sid <= 4; ++sid) {
        const std::string name = "T" + std::to_string(sid);
        store.AddTerrService(ADD_ORDERED, MakeService(1, 1, sid, name.c_str()));
    }
    store.Rebuild();
    store.SetServiceMark(3, LIST_TERR_TV, 1);
    store.MoveMarkedServices(0, LIST_TERR_TV);
    EXPECT_THAT(RowNames(store, LIST_TERR_TV), ElementsAre("T4", "T1", "T2", "T3"));
    store.Rebuild();
    EXPECT_THAT(RowNames(store, LIST_TERR_TV), ElementsAre("T4", "T1", "T2", "T3"));
}

TEST(Delete, MarkedRowsLeaveTheList) {
    CChannelStore store;
    FillSatTv(store, {"S1", "S2", "S3", "S4"});
    store.SetServiceMark(1, LIST_SAT_TV, 1);
    store.SetServiceMark(3, LIST_SAT_TV, 1);
    store.DeleteMarkedServices(LIST_SAT_TV);
    EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAre("S1", "S3"));
    EXPECT_EQ(store.GetSatTvCount(), 2);
    EXPECT_EQ(store.GetService(1, LIST_SAT_TV)->wNumber, 2);
}

} // namespace
