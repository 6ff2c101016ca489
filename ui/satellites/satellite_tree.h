// The satellite / transponder tree's items: satellites as root items with their transponders as
// children, and a "New" item at each level. Every item carries the ids of its records, so an item
// is found again by its records, never by its label.
#pragma once

#include <QTreeWidget>

class CChannelStore;
class CNameCodec;

struct STreeIds {
    int nSat = -1; // satellite index; 0 for the "New Satellite" item, -1 for no item
    int nTp = -1;  // transponder number; 0 for a "New Transponder" item, -1 on a satellite's own
    bool operator==(const STreeIds&) const = default;
    bool IsNewRecord() const { return nSat == 0 || nTp == 0; }
};

// Inserts every item into the empty tree.
void FillTree(QTreeWidget& tree, const CChannelStore& store, const CNameCodec& names);
// The satellites' items show their names as `names` reads them.
void RelabelSatellites(QTreeWidget& tree, const CChannelStore& store, const CNameCodec& names);
STreeIds IdsOf(const QTreeWidgetItem* item);
// The item of those records; null when the tree has none.
QTreeWidgetItem* FindItem(const QTreeWidget& tree, const STreeIds& ids);
