// Reading and writing the data file of a full database. The write is measured with its flush to
// disk (a file system on the disk) and without it (tmpfs, where the flush costs nothing), and
// the in-memory part (build and encode) alone.
#include "full_stores.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

// The full database, loaded once: building it takes far longer than what is measured.
CChannelStore& FullStore() {
    static std::unique_ptr<CChannelStore> store = [] {
        auto s = std::make_unique<CChannelStore>();
        FillFullDatabase(*s);
        return s;
    }();
    return *store;
}

void WriteTo(benchmark::State& state, const QString& folder) {
    QTemporaryDir dir(folder + "/orvane-bench-XXXXXX");
    CChannelStore& store = FullStore();
    store.SetPathName(QDir(dir.path()).filePath("full.zdf").toStdString());
    for (auto _ : state) {
        if (!store.WriteDataFile())
            state.SkipWithError(store.GetLastFileError().c_str());
    }
}

void BM_WriteDataFile_FlushedToDisk(benchmark::State& state) {
    WriteTo(state, QDir::tempPath()); // /tmp: the disk here
}
BENCHMARK(BM_WriteDataFile_FlushedToDisk)->Unit(benchmark::kMillisecond);

void BM_WriteDataFile_NoFlush(benchmark::State& state) {
    if (!QDir("/dev/shm").exists()) {
        state.SkipWithError("no /dev/shm");
        return;
    }
    WriteTo(state, "/dev/shm");
}
BENCHMARK(BM_WriteDataFile_NoFlush)->Unit(benchmark::kMillisecond);

void BM_BuildAndEncode(benchmark::State& state) {
    CChannelStore& store = FullStore();
    std::vector<BYTE> out(kEncodeWorstCase);
    for (auto _ : state) {
        const std::vector<BYTE> image = store.BuildFullImage();
        benchmark::DoNotOptimize(EncodeImage(image.data(), static_cast<int>(image.size()),
                                             out.data(), kEncodeWorstCase));
    }
}
BENCHMARK(BM_BuildAndEncode)->Unit(benchmark::kMillisecond);

void BM_ReadDataFile(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("full.zdf").toStdString();
    FullStore().SetPathName(path);
    FullStore().WriteDataFile();
    CChannelStore store;
    store.SetPathName(path);
    for (auto _ : state) {
        if (!store.ReadDataFile())
            state.SkipWithError(store.GetLastFileError().c_str());
    }
    state.counters["services"] = store.GetSatTvCount() + store.GetSatRadioCount() +
                                 store.GetTerrTvCount() + store.GetTerrRadioCount();
}
BENCHMARK(BM_ReadDataFile)->Unit(benchmark::kMillisecond);

void BM_ReadDataBytes(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("full.zdf").toStdString();
    FullStore().SetPathName(path);
    FullStore().WriteDataFile();
    QFile file(QString::fromStdString(path));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    CChannelStore store;
    for (auto _ : state)
        store.ReadDataBytes(reinterpret_cast<const BYTE*>(bytes.constData()),
                            static_cast<UINT>(bytes.size()));
}
BENCHMARK(BM_ReadDataBytes)->Unit(benchmark::kMillisecond);

} // namespace
