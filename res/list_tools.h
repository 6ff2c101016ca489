// The file dialogs' filters, and the list tools' texts: dialog captions and labels, messages.
// ToolText gives them in the user's language.
#pragma once

#include <QCoreApplication>

inline QString ToolText(const char* text) {
    return QCoreApplication::translate("ListTools", text);
}

// Every file dialog that picks a data file.
inline constexpr const char* kDataFileFilter =
    QT_TRANSLATE_NOOP("ListTools", "Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||");

namespace list_tools {

inline constexpr const char* kCsvFileFilter =
    QT_TRANSLATE_NOOP("ListTools", "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||");
// Order Like follows another data file or a CSV file.
inline constexpr const char* kReferenceFilter = QT_TRANSLATE_NOOP(
    "ListTools", "Data Files (*.zdf)|*.zdf|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||");
// Import Transponders reads the satellites.xml that receivers ship and tools export.
inline constexpr const char* kSatellitesXmlFilter =
    QT_TRANSLATE_NOOP("ListTools", "Satellite Lists (*.xml)|*.xml|All Files (*.*)|*.*||");

inline constexpr const char* kOrderLikeCaption = QT_TRANSLATE_NOOP("ListTools", "Order Like");
inline constexpr const char* kImportCsvCaption = QT_TRANSLATE_NOOP("ListTools", "Import CSV");
inline constexpr const char* kExportCsvCaption = QT_TRANSLATE_NOOP("ListTools", "Export CSV");
inline constexpr const char* kDuplicatesCaption = QT_TRANSLATE_NOOP("ListTools", "Find Duplicates");
inline constexpr const char* kCompareCaption = QT_TRANSLATE_NOOP("ListTools", "Compare With");
inline constexpr const char* kImportTranspondersCaption =
    QT_TRANSLATE_NOOP("ListTools", "Import Transponders");

inline constexpr const char* kPlanLabel = QT_TRANSLATE_NOOP("ListTools", "Matched with \"%1\":");
inline constexpr const char* kKeepPlaces =
    QT_TRANSLATE_NOOP("ListTools", "Unmatched services keep their places");
inline constexpr const char* kTakeFlags =
    QT_TRANSLATE_NOOP("ListTools", "Take Lock and favourites from the reference");
inline constexpr const char* kDuplicatesLabel =
    QT_TRANSLATE_NOOP("ListTools", "The checked services are deleted.");
// A duplicate: its number, the frequency when it has one (with a satellite's polarisation),
// its service id.
inline constexpr const char* kDuplicateNumber = QT_TRANSLATE_NOOP("ListTools", "No. %1");
inline constexpr const char* kDuplicateFrequency = QT_TRANSLATE_NOOP("ListTools", ", %1 MHz");
inline constexpr const char* kDuplicateServiceId =
    QT_TRANSLATE_NOOP("ListTools", ", service id %1");
inline constexpr const char* kCompareLabel =
    QT_TRANSLATE_NOOP("ListTools", "From \"%1\" to this database:");
inline constexpr const char* kNoDifferences = QT_TRANSLATE_NOOP("ListTools", "No differences.");
inline constexpr const char* kCurrentList = QT_TRANSLATE_NOOP("ListTools", "The current list");
inline constexpr const char* kAllLists = QT_TRANSLATE_NOOP("ListTools", "All four lists");
inline constexpr const char* kClose = QT_TRANSLATE_NOOP("ListTools", "Close");

inline constexpr const char* kNoDuplicates = QT_TRANSLATE_NOOP("ListTools", "No duplicates found.");
inline constexpr const char* kNoSatellites =
    QT_TRANSLATE_NOOP("ListTools", "\"%1\" lists no satellites.");
// "%1": the file and what is wrong with it, as the library words it.
inline constexpr const char* kFileError = QT_TRANSLATE_NOOP("ListTools", "[Error] %1");

} // namespace list_tools
