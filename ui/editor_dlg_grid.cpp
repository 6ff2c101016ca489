// The four service grids: their columns, filling them from the store, sorting by a header
// double-click, toggling a Lock or favourite flag by a cell double-click and opening Detail Info
// by a double-click on a channel name.
#include "editor_dlg.h"

#include "edit_command.h"
#include "main_dialog.h"

#include <algorithm>
#include <optional>
#include <span>

namespace {

// What a column shows of a service.
enum class EField {
    Number,   // the service's number
    OrderKey, // the service's order key (terrestrial NUM)
    Satellite,
    Frequency,
    SymbolRate,
    Polarization,
    Mux,
    Network,
    Name,
    Ca,
    Lock,
    Fav1,
    Fav2,
    Fav3,
    Fav4,
};

// What a header double-click sorts the list by.
enum class ESortKey { None, Satellite, Network, Name, Ca, Lock, Fav1, Fav2, Fav3, Fav4 };

struct SGridColumn {
    const char* pszHeader; // null: the grid's own name header
    long nWidth;           // twips
    short nAlignment;
    EField field;
    ESortKey key;
};

constexpr short kLeft = flexAlignLeftCenter;
constexpr short kCentre = flexAlignCenterTop;

constexpr SGridColumn kSatelliteColumns[] = {
    {"  NUM", 750, kCentre, EField::Number, ESortKey::None},
    {"   Satellite Name  ", 2250, kLeft, EField::Satellite, ESortKey::Satellite},
    {"Frequency", 970, kLeft, EField::Frequency, ESortKey::None},
    {"SymbolRate", 970, kLeft, EField::SymbolRate, ESortKey::None},
    {" H/V", 500, kCentre, EField::Polarization, ESortKey::None},
    {"  Network Name  ", 2250, kLeft, EField::Network, ESortKey::Network},
    {nullptr, 2250, kLeft, EField::Name, ESortKey::Name},
    {" CA ", 500, kCentre, EField::Ca, ESortKey::Ca},
    {"Lock", 500, kCentre, EField::Lock, ESortKey::Lock},
    {"Fav1", 500, kCentre, EField::Fav1, ESortKey::Fav1},
    {"Fav2", 500, kCentre, EField::Fav2, ESortKey::Fav2},
    {"Fav3", 500, kCentre, EField::Fav3, ESortKey::Fav3},
    {"Fav4", 500, kCentre, EField::Fav4, ESortKey::Fav4},
};

constexpr SGridColumn kTerrestrialColumns[] = {
    {"  NUM", 750, kCentre, EField::OrderKey, ESortKey::None},
    {"  MUX", 750, kCentre, EField::Mux, ESortKey::Satellite},
    {"  Network Name  ", 2250, kLeft, EField::Network, ESortKey::Network},
    {nullptr, 2250, kLeft, EField::Name, ESortKey::Name},
    {" CA ", 500, kCentre, EField::Ca, ESortKey::Ca},
    {"Lock", 500, kCentre, EField::Lock, ESortKey::Lock},
    {"Fav1", 500, kCentre, EField::Fav1, ESortKey::Fav1},
    {"Fav2", 500, kCentre, EField::Fav2, ESortKey::Fav2},
    {"Fav3", 500, kCentre, EField::Fav3, ESortKey::Fav3},
    {"Fav4", 500, kCentre, EField::Fav4, ESortKey::Fav4},
};

// The name column's header of each list.
constexpr const char* kNameHeaders[kListCount] = {
    "    TV Channel Name  ", "   Radio Channel Name  ", "  Channel Name  ", "  Channel Name  "};

std::span<const SGridColumn> ColumnsOf(BYTE nList) {
    if (IsSatelliteList(nList))
        return kSatelliteColumns;
    return kTerrestrialColumns;
}

long ColumnOf(BYTE nList, EField field) {
    const std::span<const SGridColumn> columns = ColumnsOf(nList);
    const auto it = std::find_if(columns.begin(), columns.end(),
                                 [field](const SGridColumn& c) { return c.field == field; });
    return static_cast<long>(it - columns.begin());
}

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The mark a set flag shows, or nothing for a clear one.
std::optional<QString> FlagMark(const SSVC_INFO& service, WORD wFlag, char mark) {
    if ((service.wFlags & wFlag) == 0)
        return std::nullopt;
    return QString(QChar::fromLatin1(mark));
}

// The text of one cell, or nothing when the cell is not written: a clear flag, or a transponder
// or MUX column whose record is missing.
std::optional<QString> CellText(const CChannelStore& store, EField field, const SSVC_INFO& service,
                                const STP_INFO* pTp) {
    switch (field) {
    case EField::Number:
        return QStringLiteral("%1").arg(service.wNumber, 4);
    case EField::OrderKey:
        return QStringLiteral("%1").arg(service.wOrderKey, 4);
    case EField::Satellite:
        return QStringLiteral("%1. %2")
            .arg(int(service.bSatIndex) - 1)
            .arg(Latin1(store.GetSatelliteName(service.bSatIndex)));
    case EField::Frequency:
        return pTp ? std::optional(QString::number(pTp->frequency)) : std::nullopt;
    case EField::SymbolRate:
        return pTp ? std::optional(QString::number(pTp->symbolrate)) : std::nullopt;
    case EField::Polarization:
        return pTp ? std::optional(QString(QChar::fromLatin1((pTp->attribute & 1) ? 'H' : 'V')))
                   : std::nullopt;
    case EField::Mux:
        return pTp ? std::optional(QString::number(pTp->drift >> 8, 16).toUpper()) : std::nullopt;
    case EField::Network:
        return Latin1(store.GetNetworkName(service.wNetwork));
    case EField::Name:
        return Latin1(NameOf(service.szName));
    case EField::Ca:
        return FlagMark(service, FLAG_CA, '$');
    case EField::Lock:
        return FlagMark(service, FLAG_LOCK, '*');
    case EField::Fav1:
        return FlagMark(service, FLAG_FAV1, '*');
    case EField::Fav2:
        return FlagMark(service, FLAG_FAV2, '*');
    case EField::Fav3:
        return FlagMark(service, FLAG_FAV3, '*');
    case EField::Fav4:
        return FlagMark(service, FLAG_FAV4, '*');
    }
    return std::nullopt;
}

void SortList(CChannelStore& store, BYTE nList, ESortKey key, BOOL bDescending) {
    switch (key) {
    case ESortKey::Satellite:
        store.SortBySatellite(nList, bDescending);
        break;
    case ESortKey::Network:
        store.SortByNetwork(nList, bDescending);
        break;
    case ESortKey::Name:
        store.SortByName(nList, bDescending);
        break;
    case ESortKey::Ca:
        store.SortByCa(nList, bDescending);
        break;
    case ESortKey::Lock:
        store.SortByLock(nList, bDescending);
        break;
    case ESortKey::Fav1:
    case ESortKey::Fav2:
    case ESortKey::Fav3:
    case ESortKey::Fav4:
        store.SortByFavourite(nList, 1 + int(key) - int(ESortKey::Fav1), bDescending);
        break;
    case ESortKey::None:
        break;
    }
}

} // namespace

long CEditorDlg::FirstFlagColumn(BYTE nList) {
    return ColumnOf(nList, EField::Lock);
}

long CEditorDlg::NetworkColumn(BYTE nList) {
    return ColumnOf(nList, EField::Network);
}

long CEditorDlg::NameColumn(BYTE nList) {
    return ColumnOf(nList, EField::Name);
}

// Every grid shows its list and network names; the satellite grids show satellite names and
// transponders, the terrestrial ones MUXes.
unsigned CEditorDlg::PartsShownBy(BYTE nList) {
    return ListPart(nList) | PART_NETWORKS |
           (IsSatelliteList(nList) ? PART_SATELLITES : PART_MUXES);
}

QString CEditorDlg::ColumnName(BYTE nList, long nCol) {
    const SGridColumn& column = ColumnsOf(nList)[static_cast<std::size_t>(nCol)];
    return QString::fromLatin1(column.pszHeader ? column.pszHeader : kNameHeaders[nList]).trimmed();
}

void CEditorDlg::SetupGridColumns(BYTE nList) {
    CMSFlexGrid& grid = Grid(nList);
    const std::span<const SGridColumn> columns = ColumnsOf(nList);
    grid.SetCols(static_cast<long>(columns.size()));
    for (std::size_t c = 0; c < columns.size(); ++c) {
        grid.SetColAlignment(long(c), columns[c].nAlignment);
        grid.SetColWidth(long(c), columns[c].nWidth);
    }
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const char* header = columns[c].pszHeader ? columns[c].pszHeader : kNameHeaders[nList];
        grid.SetTextMatrix(0, long(c), QString::fromLatin1(header));
    }
}

// Writes every service of the list into its row. Cells that have nothing to show are not
// written, so a refill that may show less starts with Clear (see RefillGrid). The list's filter
// and cut rows are shown again, and a grid with rows has a current row, the first at the start.
void CEditorDlg::FillGrid(BYTE nList) {
    if (m_pStore == nullptr)
        return;
    CMSFlexGrid& grid = Grid(nList);
    const std::span<const SGridColumn> columns = ColumnsOf(nList);
    const WORD nCount = m_pStore->GetServiceCount(nList);
    grid.SetRows(long(nCount) + 1);
    for (WORD i = 0; i < nCount; ++i) {
        const SSVC_INFO* service = m_pStore->GetService(i, nList);
        if (service == nullptr)
            continue;
        const STP_INFO* tp = IsSatelliteList(nList)
                                 ? m_pStore->GetTransponder(service->bSatIndex, service->bTpIndex)
                                 : m_pStore->GetMux(service->bTpIndex);
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (const auto text = CellText(*m_pStore, columns[c].field, *service, tp))
                grid.SetTextMatrix(long(i) + 1, long(c), *text);
    }
    ShowCutRows(nList);
    ApplyFilter(nList);
    if (grid.GetRow() < 1 && nCount > 0)
        grid.SetSelection(1, 1, 1, 1);
}

void CEditorDlg::RefillGrid(BYTE nList) {
    Grid(nList).Clear();
    SetupGridColumns(nList);
    FillGrid(nList);
}

void CEditorDlg::SetFlagCell(BYTE nList, long nRow, long nCol, BOOL bOn) {
    Grid(nList).SetTextMatrix(nRow, nCol, bOn ? QStringLiteral("*") : QString());
    if (m_pStore != nullptr)
        m_pStore->SetServiceFlag(static_cast<WORD>(nRow - 1), nList,
                                 static_cast<WORD>(nCol - FirstFlagColumn(nList)),
                                 static_cast<BYTE>(bOn));
}

void CEditorDlg::OnDblClickGrid(BYTE nList) {
    const CMSFlexGrid& grid = Grid(nList);
    const long nCol = grid.GetMouseCol(), nRow = grid.GetMouseRow();
    if (nCol < 0 || nCol >= long(ColumnsOf(nList).size()))
        return;
    if (nRow == 0) {
        RunUndoable([=, this] { SortGrid(nList, nCol); },
                    [=] { return EditText(EEdit::Sort, ColumnName(nList, nCol)); });
    } else if (nRow >= 1 && nCol >= FirstFlagColumn(nList)) {
        ToggleFlag(nList, nRow, nCol, {nRow});
    } else if (nRow >= 1 && nCol == NameColumn(nList)) {
        RunChannelInfo(nList, nRow);
    }
}

void CEditorDlg::ToggleFlag(BYTE nList, long nRow, long nCol, const std::vector<long>& rows) {
    const bool bOn = Grid(nList).GetTextMatrix(nRow, nCol) != QStringLiteral("*");
    RunUndoable(
        [&, this] {
            for (long nFlagRow : rows)
                SetFlagCell(nList, nFlagRow, nCol, bOn);
        },
        [=] { return EditText(bOn ? EEdit::SetFlag : EEdit::ClearFlag, ColumnName(nList, nCol)); });
}

// A header double-click sorts on that column: ascending the first time, then each further
// double-click on the same column turns the direction round.
void CEditorDlg::SortGrid(BYTE nList, long nCol) {
    const ESortKey key = ColumnsOf(nList)[static_cast<std::size_t>(nCol)].key;
    if (key == ESortKey::None || m_pStore == nullptr)
        return;
    SGridSort& sort = m_gridSort[nList];
    if (sort.nColumn != nCol) {
        sort.bDescending = 0;
        sort.nColumn = static_cast<BYTE>(nCol);
    } else {
        sort.bDescending = !sort.bDescending;
    }
    SortList(*m_pStore, nList, key, sort.bDescending);
    m_pStore->Renumber(nList);
    RefillGrid(nList);
    Grid(nList).SetSortArrow(nCol, sort.bDescending != 0);
}
