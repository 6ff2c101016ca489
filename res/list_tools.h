// The file dialogs' filters, and the list tools' texts: dialog captions and labels, messages.
#pragma once

// Every file dialog that picks a data file.
inline constexpr const char* kDataFileFilter = "Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||";

namespace list_tools {

inline constexpr const char* kCsvFileFilter = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||";
// Order Like follows another data file or a CSV file.
inline constexpr const char* kReferenceFilter =
    "Data Files (*.zdf)|*.zdf|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||";
// Import Transponders reads the satellites.xml that receivers ship and tools export.
inline constexpr const char* kSatellitesXmlFilter =
    "Satellite Lists (*.xml)|*.xml|All Files (*.*)|*.*||";

inline constexpr const char* kOrderLikeCaption = "Order Like";
inline constexpr const char* kImportCsvCaption = "Import CSV";
inline constexpr const char* kExportCsvCaption = "Export CSV";
inline constexpr const char* kDuplicatesCaption = "Find Duplicates";
inline constexpr const char* kCompareCaption = "Compare With";
inline constexpr const char* kImportTranspondersCaption = "Import Transponders";

inline constexpr const char* kPlanLabel = "Matched with \"%1\":";
inline constexpr const char* kKeepPlaces = "Unmatched services keep their places";
inline constexpr const char* kTakeFlags = "Take Lock and favourites from the reference";
inline constexpr const char* kDuplicatesLabel = "The checked services are deleted.";
// A duplicate: its number, the frequency when it has one (with a satellite's polarisation),
// its service id.
inline constexpr const char* kDuplicateNumber = "No. %1";
inline constexpr const char* kDuplicateFrequency = ", %1 MHz";
inline constexpr const char* kDuplicateServiceId = ", service id %1";
inline constexpr const char* kCompareLabel = "From \"%1\" to this database:";
inline constexpr const char* kNoDifferences = "No differences.";
inline constexpr const char* kCurrentList = "The current list";
inline constexpr const char* kAllLists = "All four lists";
inline constexpr const char* kClose = "Close";

inline constexpr const char* kNoDuplicates = "No duplicates found.";
inline constexpr const char* kNoSatellites = "\"%1\" lists no satellites.";
// "%1": the file and what is wrong with it, as the library words it.
inline constexpr const char* kFileError = "[Error] %1";

} // namespace list_tools
