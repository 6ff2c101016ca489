// Writes the bundled sample database: make-sample OUTPUT.zdf
#include "channel_store.h"
#include "sample_db.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-sample OUTPUT.zdf\n";
        return 2;
    }
    CChannelStore store;
    FillSampleStore(store);
    store.SetPathName(argv[1]);
    if (!store.WriteDataFile()) {
        std::cerr << "make-sample: " << argv[1] << ": " << store.GetLastFileError() << "\n";
        return 1;
    }
    return 0;
}
