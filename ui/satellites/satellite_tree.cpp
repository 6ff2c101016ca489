#include "satellite_tree.h"

#include "channel_store.h"
#include "record_labels.h"

#include <QCoreApplication>

namespace {

constexpr int kSatRole = Qt::UserRole;
constexpr int kTpRole = Qt::UserRole + 1;

QString SatelliteItemLabel(const CNameCodec& names, int nSat, const SSAT_INFO& sat) {
    return SatelliteLabel(names, nSat - 1, sat);
}

QTreeWidgetItem* AddItem(QTreeWidget& tree, QTreeWidgetItem* parent, const QString& label,
                         const STreeIds& ids) {
    auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(&tree);
    item->setText(0, label);
    item->setData(0, kSatRole, ids.nSat);
    item->setData(0, kTpRole, ids.nTp);
    return item;
}

} // namespace

void FillTree(QTreeWidget& tree, const CChannelStore& store, const CNameCodec& names) {
    for (int nSat = kFirstSatIndex; nSat <= store.GetSatelliteCount() + 1; ++nSat) {
        const SSAT_INFO* sat = store.GetSatellite(static_cast<BYTE>(nSat));
        if (sat == nullptr)
            continue;
        QTreeWidgetItem* satItem =
            AddItem(tree, nullptr, SatelliteItemLabel(names, nSat, *sat), {nSat, -1});
        const WORD nCount = store.GetTransponderCountOf(static_cast<BYTE>(nSat));
        for (int nTp = 1; nTp <= nCount; ++nTp) {
            if (const STP_INFO* tp =
                    store.GetTransponder(static_cast<BYTE>(nSat), static_cast<BYTE>(nTp)))
                AddItem(tree, satItem, TransponderLabel(*tp), {nSat, nTp});
        }
        AddItem(tree, satItem, QCoreApplication::translate("SatelliteTree", kNewTransponderLabel),
                {nSat, 0});
    }
    AddItem(tree, nullptr, QCoreApplication::translate("SatelliteTree", kNewSatelliteLabel),
            {0, -1});
}

void RelabelSatellites(QTreeWidget& tree, const CChannelStore& store, const CNameCodec& names) {
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = tree.topLevelItem(i);
        const int nSat = IdsOf(item).nSat;
        if (const SSAT_INFO* sat = nSat > 0 ? store.GetSatellite(BYTE(nSat)) : nullptr)
            item->setText(0, SatelliteItemLabel(names, nSat, *sat));
    }
}

STreeIds IdsOf(const QTreeWidgetItem* item) {
    if (item == nullptr)
        return {};
    return {item->data(0, kSatRole).toInt(), item->data(0, kTpRole).toInt()};
}

QTreeWidgetItem* FindItem(const QTreeWidget& tree, const STreeIds& ids) {
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        QTreeWidgetItem* root = tree.topLevelItem(i);
        if (IdsOf(root).nSat != ids.nSat)
            continue;
        if (ids.nTp < 0)
            return root;
        for (int k = 0; k < root->childCount(); ++k)
            if (IdsOf(root->child(k)) == ids)
                return root->child(k);
    }
    return nullptr;
}
