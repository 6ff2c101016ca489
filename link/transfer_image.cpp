#include "transfer_image.h"

bool HasTransferableData(const CChannelStore& store) {
    const bool bTables = store.GetSatelliteCount() > 0 && store.GetTransponderCount() > 0 &&
                         store.GetNetworkCount() > 0;
    const bool bServices = store.GetSatTvCount() > 0 || store.GetSatRadioCount() > 0 ||
                           store.GetTerrTvCount() > 0 || store.GetTerrRadioCount() > 0;
    return bTables && bServices;
}

std::vector<BYTE> BuildTransferImage(CChannelStore& store) {
    std::vector<BYTE> image(store.GetImageSize());
    store.SortSatListsByTransponder();
    const UINT nLength = store.BuildImage(image.data());
    store.SortSatListsByNumber();
    image.resize(nLength);
    return image;
}

bool ParseReceivedImage(CChannelStore& store, const std::vector<BYTE>& image) {
    if (!store.SetImage(image.data(), static_cast<UINT>(image.size())))
        return false;
    const BOOL bParsed = store.ParseImage(FALSE);
    store.FreeImage();
    return bParsed != FALSE;
}
