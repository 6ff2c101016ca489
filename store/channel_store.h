// The editor's whole channel database in memory: satellites, transponders, terrestrial MUXes,
// network names and the four service lists with the index arrays the grids show.
#pragma once

#include "read_findings.h"
#include "records.h"
#include "snapshot.h"

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QIODevice;

// Results of AddTransponder / AppendTransponder.
enum : BYTE { TP_REFUSED = 0, TP_MERGED = 1, TP_APPENDED = 2 };
// Results of AddSatService / AddTerrService.
enum : BYTE { SVC_STORED = 0, SVC_REFUSED = 1, SVC_MERGED = 2 };
// Modes of AddSatService / AddTerrService: 1 and 3 append only; others insert in order.
enum : BYTE { ADD_ORDERED = 0, ADD_APPEND = 1, ADD_APPEND_IMAGE = 3 };
// Results of ParseFileHeader.
enum : int { HEADER_PLAIN = 0, HEADER_NO_TERMINATOR = 1, HEADER_SHIFTED = 2 };
// Results of the edits of network names and MUXes made by hand.
enum class ETableEdit : BYTE {
    Done,
    Full,    // the table, or the image's room, holds no more
    Used,    // a service still uses the record
    Missing, // no record has that id or index
    Invalid, // a MUX needs a frequency
};
// Why the last read of a data file failed, in the few kinds a user can act on; Other covers the
// rest (a read error, no memory, no file name), which GetLastFileError words.
enum class EReadFailure { None, NoSuchFile, PermissionDenied, Empty, NotDataFile, Other };

inline constexpr UINT kImageBufferSize = 214016;    // 0x34400: the whole image in a data file
inline constexpr UINT kTransferImageSize = 0x33000; // 51 blocks: the part that travels
inline constexpr UINT kBlockSize = 4096;

// How far apart (MHz) two frequencies of one transponder may lie at this symbol rate (kS/s):
// the store merges transponders within it, and list matching pairs services by it.
int FrequencyTolerance(WORD wSymbolRate);
// The flag that SetServiceFlag's nWhich names: 0 Lock, 1 to 4 Fav1 to Fav4; 0 for any other.
WORD ServiceFlagMask(WORD nWhich);

class CChannelStore {
  public:
    CChannelStore();
    virtual ~CChannelStore();
    CChannelStore(const CChannelStore&) = delete;
    CChannelStore& operator=(const CChannelStore&) = delete;

    // ---- clearing -------------------------------------------------------------------------
    void ClearSatellites();
    void ClearTransponders();
    void ClearNetworks();
    void ClearMuxes();
    void ClearServices();

    // ---- satellites -----------------------------------------------------------------------
    // Returns the new satellite count, or 0 when refused (same position: rec.bIndex is set to
    // the stored satellite's index; or the table is full). On success rec.bIndex is the new
    // satellite's index.
    WORD AppendSatellite(SSAT_INFO& rec);
    void DeleteSatellite(BYTE nSat);
    BOOL SetSatellite(BYTE nSat, const SSAT_INFO& rec);
    const SSAT_INFO* GetSatellite(BYTE nSat) const;
    // The satellite's name; empty for an invalid index.
    std::string_view GetSatelliteName(BYTE nSat) const;
    bool IsValidSatellite(BYTE nSat) const;

    // ---- transponders and MUXes -------------------------------------------------------------
    // The store keeps its own copy; on merge and append rec.tpid is set as the caller expects.
    BYTE AddTransponder(STP_INFO& rec, BYTE bMerge);
    BYTE AppendTransponder(BYTE nSat, BYTE* pnTp, WORD wFreq, WORD wSymbolRate, BYTE bHorizontal,
                           BYTE nFec);
    // The tpid of the transponder that AddTransponder(rec, 1) would merge rec into; 0 when it
    // would append or refuse. Values below 1000 are compared as the merge raises them.
    BYTE FindMergeTarget(const STP_INFO& rec) const;
    // MUXes and transponders share the image's 1360 records: how many more of either a save
    // keeps.
    int GetTransponderRecordRoom() const;
    void DeleteTransponder(BYTE nSat, BYTE nTp);
    const STP_INFO* GetTransponder(BYTE nSat, BYTE nTp) const;
    // The values of transponder nTp of satellite nSat; its satellite and place (satid, tpid)
    // stay. FALSE when there is no such transponder.
    BOOL SetTransponder(BYTE nSat, BYTE nTp, const STP_INFO& values);
    WORD GetTransponderCountOf(BYTE nSat) const;
    BOOL AddMux(const STP_INFO& rec);
    const STP_INFO* GetMux(BYTE nMux) const;

    // ---- services -------------------------------------------------------------------------
    // The store keeps its own copy of an accepted record.
    BYTE AddSatService(BYTE nMode, const SSVC_INFO& rec);
    BYTE AddTerrService(BYTE nMode, const SSVC_INFO& rec);
    const SSVC_INFO* GetService(WORD nPos, BYTE nList) const;
    void SetServiceName(WORD nPos, BYTE nList, const char* s, UINT nLen);
    void SetServiceVideoPid(WORD nPos, BYTE nList, WORD w);
    void SetServiceAudioPid(WORD nPos, BYTE nList, WORD w);
    void SetServicePcrPid(WORD nPos, BYTE nList, WORD w);
    void SetServiceNetwork(WORD nPos, BYTE nList, WORD w);
    void SetServiceMark(WORD nPos, BYTE nList, BYTE bMark);
    BYTE GetServiceMark(WORD nPos, BYTE nList) const;
    void SetServiceFlag(WORD nPos, BYTE nList, WORD nWhich, BYTE bOn);
    void DeleteMarkedServices(BYTE nList);
    void MoveMarkedServices(WORD nTargetPos, BYTE nList);
    // Puts the list into a computed order: order[i] is the present row that goes to row i. The
    // number keys are handed out again as Paste does. FALSE, and nothing changes, when `order`
    // is not a permutation of the rows; the present order changes nothing either, so order
    // keys with gaps survive it.
    BOOL ReorderList(BYTE nList, std::span<const WORD> order);

    // ---- networks -------------------------------------------------------------------------
    // Appends a network record to the table; FALSE when it is full.
    BOOL AddNetwork(const SNET_INFO& rec);
    const SNET_INFO* FindNetwork(WORD nNetwork) const;
    const SNET_INFO* GetNetworkAt(WORD nPos) const;
    // The network's name and attribute; "Unknown" and 0 when there is no such network.
    std::string_view GetNetworkName(WORD nNetwork, BYTE* pbAttr = nullptr) const;

    // ---- network names and MUXes made by hand ---------------------------------------------------
    // None of these rebuilds: no service changes, and a rebuild drops every network entry but the
    // first that no service uses, as the box's table has it. A name added here lasts once a
    // service uses it; until then the next rebuild (any deletion, and reading the saved file)
    // drops it again.
    // A name (cut to 16 characters, and at a NUL) under the lowest id that neither an entry nor
    // a service uses; *pnId gets the id. Full when the table holds 408 or no id is left.
    ETableEdit AddNetworkName(std::string_view name, WORD* pnId = nullptr);
    // The name of network nNetwork's entry (the one FindNetwork finds); its attribute stays.
    ETableEdit RenameNetwork(WORD nNetwork, std::string_view name);
    // Removes the entry of network nNetwork; later entries move up. Used while any service
    // names that id.
    ETableEdit DeleteNetwork(WORD nNetwork);
    // A MUX with rec's frequency, symbol rate, tsid, drift, attribute and signal in the lowest
    // free slot; *pnMux gets its index. Full with 100 MUXes, or when the image has no room left
    // (GetTransponderRecordRoom); Invalid for frequency 0.
    ETableEdit AppendMux(const STP_INFO& rec, BYTE* pnMux = nullptr);
    // Gives MUX nMux rec's fields as AppendMux takes them; it keeps its index.
    ETableEdit SetMux(BYTE nMux, const STP_INFO& rec);
    // Empties MUX nMux's slot; the other MUXes keep their indexes. Used while a terrestrial
    // service is on it.
    ETableEdit DeleteMux(BYTE nMux);

    // ---- sorting and numbering ----------------------------------------------------------------
    void SortByNumber(BYTE nList);
    void SortByName(BYTE nList, BOOL bDescending);
    void SortByCa(BYTE nList, BOOL bReverse);
    void SortByLock(BYTE nList, BOOL bReverse);
    void SortByFavourite(BYTE nList, int nFav, BOOL bReverse);
    void SortBySatellite(BYTE nList, BOOL bDescending);
    void SortByNetwork(BYTE nList, BOOL bDescending);
    void SortSatListsByTransponder();
    void SortSatListsByNumber();
    void Renumber(BYTE nList);
    void Rebuild();

    // ---- counts -------------------------------------------------------------------------------
    WORD GetSatelliteCount() const { return m_nSatCount; }
    WORD GetTransponderCount() const { return m_nTpTotal; }
    WORD GetNetworkCount() const { return m_nNetCount; }
    WORD GetMuxCount() const { return m_nMuxCount; }
    WORD GetSatTvCount() const { return m_lists[LIST_SAT_TV].nCount; }
    WORD GetSatRadioCount() const { return m_lists[LIST_SAT_RADIO].nCount; }
    WORD GetTerrTvCount() const { return m_lists[LIST_TERR_TV].nCount; }
    WORD GetTerrRadioCount() const { return m_lists[LIST_TERR_RADIO].nCount; }
    // Service count of list nList (0 for an invalid selector).
    WORD GetServiceCount(BYTE nList) const;
    // Rows in list nList's index array.
    WORD GetRowCount(BYTE nList) const;
    WORD GetHighestKey(BYTE nList) const;

    // ---- satellite order and extra ------------------------------------------------------------
    WORD GetSatOrderCount() const { return m_nSatOrderCount; }
    const BYTE* GetSatOrder() const { return m_satOrder.data(); }
    const BYTE* GetSatExtra() const { return m_satExtra.data(); }
    void SetSatExtra(const BYTE* p);

    // Read access for the firmware table export.
    const SSAT_INFO* GetSatelliteTable() const { return m_satellites.data(); }
    const TP_LIST* GetTransponderLists() const { return m_tpLists.data(); }

    // ---- channel image --------------------------------------------------------------------
    // Builds the image and copies its first 0x33000 bytes to pDest; returns 0x33000, or 0.
    UINT BuildImage(BYTE* pDest);
    UINT GetImageSize() const { return kTransferImageSize; }
    BOOL SetImage(const BYTE* p, UINT n);
    BOOL FreeImage();
    BOOL ParseImage(BOOL bShifted);
    // What the last ParseImage (or ReadDataFile) dropped, or where it stopped before a
    // section's end, in reading order; empty when it read everything the image holds.
    const std::vector<SReadFinding>& GetReadFindings() const { return m_readFindings; }
    void BuildSatelliteSection();
    void BuildNetworkSection();
    void BuildTransponderSection();
    void BuildServiceSection();
    // Builds the four sections into a fresh zero-filled 214016-byte image (the data file's).
    std::vector<BYTE> BuildFullImage();
    void WriteBlock(UINT offset, BYTE* block);
    void WriteEmptyBlock(UINT offset, BYTE* block);
    BOOL VerifyBlock(UINT offset, BYTE* block) const;

    // ---- snapshots ------------------------------------------------------------------------------
    // The tables and the service lists that `lists` names (PART_... list bits).
    SStoreSnapshot TakeSnapshot(unsigned lists = PART_ALL_LISTS) const;
    // Puts back the tables and every list the snapshot holds; the other lists stay as they are.
    void RestoreSnapshot(const SStoreSnapshot& snapshot);

    // ---- data file ----------------------------------------------------------------------------
    int ParseFileHeader(const BYTE* pFile, UINT nFileLength);
    // The file at the path, opened and handed to ReadData; written through WriteData into a
    // file that replaces the old one atomically.
    BOOL ReadDataFile();
    BOOL WriteDataFile();
    // The data file's format over any device: reads the device to its end, or writes the header
    // and the encoded image to it.
    BOOL ReadData(QIODevice& device);
    BOOL WriteData(QIODevice& device);
    // Loads a whole data file already in memory (what ReadData does after reading).
    BOOL ReadDataBytes(const BYTE* pFile, UINT nFileLength);
    std::string GetPathName() const { return m_strPath; }
    void SetPathName(const std::string& path) { m_strPath = path; }
    const BYTE* GetHeader() const { return m_header.data(); }
    WORD GetHeaderLength() const { return m_nHeaderLength; }
    // Why the last ReadDataFile / WriteDataFile failed, for tools that print it.
    const std::string& GetLastFileError() const { return m_strLastFileError; }
    EReadFailure GetReadFailure() const { return m_readFailure; }
    // Copies the file at the path, if there is one, to "<path>.bak" before a save replaces it.
    // FALSE, with the reason in GetLastFileError, when the copy cannot be written.
    BOOL BackupDataFile();

  private:
    struct ServiceList {
        CRecordList<SSVC_INFO> list;
        std::vector<SSVC_INDEX> index; // capacity rows; the first nRows are in use
        WORD nCount = 0;
        WORD nRows = 0;
        WORD nHighestKey = 0;
    };

    static int WalkLimit(BYTE nList) {
        return IsSatelliteList(nList) ? kMaxSatServices : kMaxTerrServices;
    }
    ServiceList* List(BYTE nList);
    const ServiceList* List(BYTE nList) const;
    // Records why a read failed; FALSE.
    BOOL FailRead(EReadFailure failure, std::string reason);
    SSVC_INDEX* Row(WORD nPos, BYTE nList);
    SSVC_INFO* MutableService(WORD nPos, BYTE nList);
    const SSVC_INDEX* Row(WORD nPos, BYTE nList) const;
    BYTE AddService(BYTE nList, BYTE nMode, const SSVC_INFO& rec);
    // Makes `order` the list's rows: hands out the list's number keys in that order, clears the
    // marks, renumbers and rebuilds (Paste and ReorderList).
    void PlaceRows(ServiceList& list, std::vector<SSVC_INDEX> order);
    void SetServiceWord(WORD nPos, BYTE nList, WORD SSVC_INFO::*field, WORD w);
    const STP_INFO* MergeTarget(const STP_INFO& rec) const;
    // Calls visit(record) for every service record of the lists `lists` (PART_... list bits).
    template <class Visit> void ForEachService(unsigned lists, Visit visit) const;
    template <class Less> void SortRows(BYTE nList, Less less);
    // Rows with the flag first (last when reversed), ties by number key ascending.
    void SortByFlag(BYTE nList, WORD mask, BOOL bReverse);
    void RebuildList(BYTE nList, std::array<bool, kMaxNetworks + 1>& usedNetworks,
                     std::array<WORD, kMaxSatellites + 2>& firstAppearance);
    void RebuildSatOrder(const std::array<WORD, kMaxSatellites + 2>& tvAppearance,
                         const std::array<WORD, kMaxSatellites + 2>& radioAppearance);
    void RebuildNetworks(const std::array<bool, kMaxNetworks + 1>& usedNetworks);
    // Section parsers; `shift` is 4096 for an image whose blocks start one block later.
    // Block 0: false when it is rejected and the image gives nothing.
    bool ReadSatelliteBlock(UINT shift);
    void ParseSatellites(const BYTE* block, int count);
    void ParseNetworks(UINT shift);
    // False when a block's count is past its room: every transponder is dropped.
    bool ParseTransponders(UINT shift);
    void ParseServices(UINT shift);
    void AllocateImage();

    std::array<BYTE, kHeaderBufferSize> m_header{};
    std::array<SSAT_INFO, kMaxSatellites> m_satellites{};
    std::array<BYTE, kSatOrderSize> m_satOrder{};
    std::array<SNET_INFO, kMaxNetworks> m_networks{};
    std::array<BYTE, kSatExtraSize> m_satExtra{};
    std::array<TP_LIST, kMaxSatellites> m_tpLists;
    std::array<STP_INFO, kMaxMuxes> m_muxes{};
    std::array<ServiceList, kListCount> m_lists;
    WORD m_nHeaderLength = kDefaultHeaderLength;
    WORD m_nSatCount = 0;
    WORD m_nSatOrderCount = 0;
    WORD m_nNetCount = 0;
    WORD m_nTpTotal = 0;
    WORD m_nMuxCount = 0;
    std::string m_strPath;
    std::string m_strLastFileError;
    EReadFailure m_readFailure = EReadFailure::None;
    std::vector<SReadFinding> m_readFindings;
    std::unique_ptr<BYTE[]> m_pImage; // the image while a build, parse, read or write runs
    UINT m_nImageSize = 0;
};

// Writes the 43-byte header of a new data file into buf (at least 43 bytes).
void FillDefaultHeader(BYTE* buf);

// Image codec: run-length chunks of 1024 input bytes with scrambled payloads.
int EncodeImage(const BYTE* pSrc, int nSrc, BYTE* pDest, int nDestCapacity);
int DecodeImage(BYTE* pSrc, int nSrc, BYTE* pDest);
// Output buffer the writer provides: the worst case is pairs of equal bytes, each pair a 6-byte
// run token, so 3 bytes per input byte plus a 5-byte header per 1024-byte chunk.
inline constexpr int kEncodeWorstCase = kImageBufferSize / 1024 * (5 + 3 * 1024);
