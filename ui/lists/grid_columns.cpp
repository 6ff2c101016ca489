#include "grid_columns.h"

#include "flexgrid.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr short kLeft = flexAlignLeftCenter;
constexpr short kCentre = flexAlignCenterTop;

constexpr SGridColumn kSatelliteColumns[] = {
    {"  NUM", 750, kCentre, EField::Number, ESortKey::None},
    {QT_TRANSLATE_NOOP("GridColumns", "   Satellite Name  "), 2250, kLeft, EField::Satellite,
     ESortKey::Satellite},
    {QT_TRANSLATE_NOOP("GridColumns", "Frequency"), 970, kLeft, EField::Frequency, ESortKey::None},
    {QT_TRANSLATE_NOOP("GridColumns", "SymbolRate"), 970, kLeft, EField::SymbolRate,
     ESortKey::None},
    {" H/V", 500, kCentre, EField::Polarization, ESortKey::None},
    {QT_TRANSLATE_NOOP("GridColumns", "  Network Name  "), 2250, kLeft, EField::Network,
     ESortKey::Network},
    {nullptr, 2250, kLeft, EField::Name, ESortKey::Name},
    {" CA ", 500, kCentre, EField::Ca, ESortKey::Ca},
    {QT_TRANSLATE_NOOP("GridColumns", "Lock"), 500, kCentre, EField::Lock, ESortKey::Lock},
    {"Fav1", 500, kCentre, EField::Fav1, ESortKey::Fav1},
    {"Fav2", 500, kCentre, EField::Fav2, ESortKey::Fav2},
    {"Fav3", 500, kCentre, EField::Fav3, ESortKey::Fav3},
    {"Fav4", 500, kCentre, EField::Fav4, ESortKey::Fav4},
};

constexpr SGridColumn kTerrestrialColumns[] = {
    {"  NUM", 750, kCentre, EField::OrderKey, ESortKey::None},
    {"  MUX", 750, kCentre, EField::Mux, ESortKey::Satellite},
    {QT_TRANSLATE_NOOP("GridColumns", "  Network Name  "), 2250, kLeft, EField::Network,
     ESortKey::Network},
    {nullptr, 2250, kLeft, EField::Name, ESortKey::Name},
    {" CA ", 500, kCentre, EField::Ca, ESortKey::Ca},
    {QT_TRANSLATE_NOOP("GridColumns", "Lock"), 500, kCentre, EField::Lock, ESortKey::Lock},
    {"Fav1", 500, kCentre, EField::Fav1, ESortKey::Fav1},
    {"Fav2", 500, kCentre, EField::Fav2, ESortKey::Fav2},
    {"Fav3", 500, kCentre, EField::Fav3, ESortKey::Fav3},
    {"Fav4", 500, kCentre, EField::Fav4, ESortKey::Fav4},
};

// The name column's header of each list.
constexpr const char* kNameHeaders[kListCount] = {
    QT_TRANSLATE_NOOP("GridColumns", "    TV Channel Name  "),
    QT_TRANSLATE_NOOP("GridColumns", "   Radio Channel Name  "),
    QT_TRANSLATE_NOOP("GridColumns", "  Channel Name  "),
    QT_TRANSLATE_NOOP("GridColumns", "  Channel Name  ")};

// The flags the Lock and favourite columns show and set, in their order.
constexpr WORD kColumnFlags[] = {FLAG_LOCK, FLAG_FAV1, FLAG_FAV2, FLAG_FAV3, FLAG_FAV4};

long ColumnOf(BYTE nList, EField field) {
    const std::span<const SGridColumn> columns = ColumnsOf(nList);
    const auto it = std::find_if(columns.begin(), columns.end(),
                                 [field](const SGridColumn& c) { return c.field == field; });
    return static_cast<long>(it - columns.begin());
}

// The mark a set flag shows.
QString FlagMark(const SSVC_INFO& service, WORD wFlag, char mark) {
    return (service.wFlags & wFlag) != 0 ? QString(QChar::fromLatin1(mark)) : QString();
}

QString TransponderText(const CChannelStore& store, EField field, const SSVC_INFO& service) {
    const STP_INFO* tp = field == EField::Mux
                             ? store.GetMux(service.bTpIndex)
                             : store.GetTransponder(service.bSatIndex, service.bTpIndex);
    if (tp == nullptr)
        return {};
    switch (field) {
    case EField::Frequency:
        return QString::number(tp->frequency);
    case EField::SymbolRate:
        return QString::number(tp->symbolrate);
    case EField::Polarization:
        return QString(QChar::fromLatin1((tp->attribute & 1) ? 'H' : 'V'));
    default:
        return QString::number(tp->drift >> 8, 16).toUpper();
    }
}

} // namespace

std::span<const SGridColumn> ColumnsOf(BYTE nList) {
    if (IsSatelliteList(nList))
        return kSatelliteColumns;
    return kTerrestrialColumns;
}

QString HeaderText(BYTE nList, long nCol) {
    const SGridColumn& column = ColumnsOf(nList)[static_cast<std::size_t>(nCol)];
    return QCoreApplication::translate("GridColumns",
                                       column.pszHeader ? column.pszHeader : kNameHeaders[nList]);
}

QString ColumnName(BYTE nList, long nCol) {
    return HeaderText(nList, nCol).trimmed();
}

long FirstFlagColumn(BYTE nList) {
    return ColumnOf(nList, EField::Lock);
}

long NameColumn(BYTE nList) {
    return ColumnOf(nList, EField::Name);
}

WORD ColumnFlag(BYTE nList, long nCol) {
    const long nFlag = nCol - FirstFlagColumn(nList);
    return nFlag >= 0 && nFlag < long(std::size(kColumnFlags)) ? kColumnFlags[nFlag] : 0;
}

// Every grid shows its list and network names; the satellite grids show satellite names and
// transponders, the terrestrial ones MUXes.
unsigned PartsShownBy(BYTE nList) {
    return ListPart(nList) | PART_NETWORKS |
           (IsSatelliteList(nList) ? PART_SATELLITES : PART_MUXES);
}

QString CellText(const CChannelStore& store, const CNameCodec& names, BYTE nList, WORD nRow,
                 long nCol) {
    const SSVC_INFO* service = store.GetService(nRow, nList);
    if (service == nullptr)
        return {};
    const auto name = [&](std::string_view bytes) {
        return QString::fromStdString(names.ToUtf8(bytes));
    };
    switch (ColumnsOf(nList)[static_cast<std::size_t>(nCol)].field) {
    case EField::Number:
        return QStringLiteral("%1").arg(service->wNumber, 4);
    case EField::OrderKey:
        return QStringLiteral("%1").arg(service->wOrderKey, 4);
    case EField::Satellite:
        return QStringLiteral("%1. %2")
            .arg(int(service->bSatIndex) - 1)
            .arg(name(store.GetSatelliteName(service->bSatIndex)));
    case EField::Frequency:
        return TransponderText(store, EField::Frequency, *service);
    case EField::SymbolRate:
        return TransponderText(store, EField::SymbolRate, *service);
    case EField::Polarization:
        return TransponderText(store, EField::Polarization, *service);
    case EField::Mux:
        return TransponderText(store, EField::Mux, *service);
    case EField::Network:
        return name(store.GetNetworkName(service->wNetwork));
    case EField::Name:
        return name(NameOf(service->szName));
    case EField::Ca:
        return FlagMark(*service, FLAG_CA, '$');
    case EField::Lock:
    case EField::Fav1:
    case EField::Fav2:
    case EField::Fav3:
    case EField::Fav4:
        return FlagMark(*service, ColumnFlag(nList, nCol), '*');
    }
    return {};
}

bool SortByColumn(CChannelStore& store, BYTE nList, long nCol, bool bDescending) {
    const ESortKey key = ColumnsOf(nList)[static_cast<std::size_t>(nCol)].key;
    const BOOL bDown = bDescending ? TRUE : FALSE;
    switch (key) {
    case ESortKey::Satellite:
        store.SortBySatellite(nList, bDown);
        break;
    case ESortKey::Network:
        store.SortByNetwork(nList, bDown);
        break;
    case ESortKey::Name:
        store.SortByName(nList, bDown);
        break;
    case ESortKey::Ca:
        store.SortByCa(nList, bDown);
        break;
    case ESortKey::Lock:
        store.SortByLock(nList, bDown);
        break;
    case ESortKey::Fav1:
    case ESortKey::Fav2:
    case ESortKey::Fav3:
    case ESortKey::Fav4:
        store.SortByFavourite(nList, 1 + int(key) - int(ESortKey::Fav1), bDown);
        break;
    case ESortKey::None:
        return false;
    }
    store.Renumber(nList);
    return true;
}
