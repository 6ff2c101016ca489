#include "zdf_report.h"

#include "name_codec.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr const char* kListTitles[kListCount] = {"Satellite TV", "Satellite radio",
                                                 "Terrestrial TV", "Terrestrial radio"};
constexpr const char* kListKeys[kListCount] = {"sat_tv", "sat_radio", "terr_tv", "terr_radio"};

const char* StateText(BlockState state) {
    switch (state) {
    case BlockState::Ok:
        return "ok";
    case BlockState::Empty:
        return "empty";
    case BlockState::Bad:
        return "BAD CHECKSUM";
    case BlockState::Unread:
        return "never read";
    case BlockState::Missing:
        return "missing";
    }
    return "";
}

std::string Printf(const char* format, auto... args) {
    char buf[256];
    std::snprintf(buf, sizeof buf, format, args...);
    return buf;
}

QString NameText(const CNameCodec& names, std::string_view name) {
    return QString::fromStdString(names.ToUtf8(name));
}

// A name's text filled with blanks to 16 characters, for a column of names.
std::string NameColumn(const CNameCodec& names, std::string_view name) {
    std::string text = names.ToUtf8(name);
    const auto nChars = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    text.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, kNameSize - 1 - nChars)), ' ');
    return text;
}

std::string MagicText(const QByteArray& file) {
    std::string text;
    for (int i = 0; i < 4 && i < file.size(); ++i) {
        const auto c = static_cast<unsigned char>(file[i]);
        text +=
            (c >= 0x20 && c < 0x7F) ? std::string(1, static_cast<char>(c)) : Printf("\\x%02X", c);
    }
    return text;
}

bool AllZero(const BYTE* p, UINT n) {
    return std::all_of(p, p + n, [](BYTE b) { return b == 0; });
}

// The parse reads a section's blocks until the first one that does not verify; blocks that
// verify after it are never read.
void MarkUnreadBlocks(FileReport& report) {
    for (const SImageSection& s : kImageSections) {
        bool bEnded = false;
        for (int b = s.nFirstBlock; b < s.nFirstBlock + s.nBlocks; ++b) {
            if (bEnded && report.blocks[b] == BlockState::Ok)
                report.blocks[b] = BlockState::Unread;
            bEnded = bEnded || report.blocks[b] != BlockState::Ok;
        }
    }
}

void InspectBlocks(CChannelStore& store, const std::vector<BYTE>& image, FileReport& report) {
    const UINT shift = report.bShifted ? kBlockSize : 0;
    std::vector<BYTE> block(kBlockSize);
    store.SetImage(image.data(), static_cast<UINT>(image.size()));
    for (int b = 0; b < kImageBlocks; ++b) {
        const UINT offset = shift + b * kBlockSize;
        if (offset + kBlockSize > static_cast<UINT>(report.nDecodedBytes))
            report.blocks[b] = BlockState::Missing;
        else if (AllZero(image.data() + offset, kBlockSize))
            report.blocks[b] = BlockState::Empty;
        else
            report.blocks[b] =
                store.VerifyBlock(offset, block.data()) ? BlockState::Ok : BlockState::Bad;
    }
    store.FreeImage();
    MarkUnreadBlocks(report);
}

std::string BlockSummary(const FileReport& report) {
    std::string text;
    for (int b = 0; b < kImageBlocks;) {
        int e = b;
        while (e + 1 < kImageBlocks && report.blocks[e + 1] == report.blocks[b])
            ++e;
        text += (text.empty() ? "" : ", ") + (e == b ? Printf("%d", b) : Printf("%d-%d", b, e)) +
                " " + StateText(report.blocks[b]);
        b = e + 1;
    }
    return text;
}

// ---- record texts ----------------------------------------------------------------------------

std::string LnbText(const SSAT_INFO& sat) {
    if (sat.bLnbType < kLnbTypeUser)
        return kLnbTypeNames[sat.bLnbType];
    return Printf("user %u MHz", sat.wLnbFreq);
}

std::string CLnbText(const SSAT_INFO& sat) {
    if (sat.bCLnb == kCLnbUser)
        return Printf("user %u MHz", sat.wCLnbFreq);
    if (sat.bCLnb <= 1)
        return kCLnbNames[0];
    if (sat.bCLnb <= 4)
        return kCLnbNames[sat.bCLnb - 2];
    return Printf("value %u", sat.bCLnb);
}

std::string ToneBurstText(const SSAT_INFO& sat) {
    switch ((sat.bSwitch >> SW_TONEBURST_SHIFT) & 3) {
    case 0:
        return "off";
    case 1:
        return "Sat A";
    case 2:
        return "Sat B";
    }
    return "value 3";
}

std::string DiseqcText(const SSAT_INFO& sat) {
    if (sat.bDiseqc == 0)
        return "none";
    if (sat.bDiseqc <= 4)
        return std::string(1, static_cast<char>('A' + sat.bDiseqc - 1));
    return Printf("value %u", sat.bDiseqc);
}

std::string CkuText(const SSAT_INFO& sat) {
    return sat.bCkuSwitch == 0 ? "none" : sat.bCkuSwitch == 1 ? "0V/12V" : "ToneBurst";
}

const char* OnOff(bool b) {
    return b ? "on" : "off";
}

std::string FecText(const STP_INFO& tp) {
    const int fec = tp.attribute >> 4;
    return fec < static_cast<int>(std::size(kFecNames)) ? kFecNames[fec] : Printf("value %d", fec);
}

char Polarisation(const STP_INFO& tp) {
    return (tp.attribute & 1) ? 'H' : 'V';
}

std::vector<std::string> FlagNames(WORD wFlags) {
    std::vector<std::string> names;
    for (const auto& [mask, name] : kFlagNames) {
        if (wFlags & mask)
            names.push_back(name);
    }
    return names;
}

// Calls visit(sat, tp) for every transponder, satellites in index order.
template <class Visit> void ForEachTransponder(const CChannelStore& store, Visit visit) {
    for (int s = 0; s < store.GetSatelliteCount(); ++s) {
        const BYTE nSat = static_cast<BYTE>(kFirstSatIndex + s);
        for (int t = 1; t <= store.GetTransponderCountOf(nSat); ++t) {
            if (const STP_INFO* tp = store.GetTransponder(nSat, static_cast<BYTE>(t)))
                visit(*tp);
        }
    }
}

template <class Visit> void ForEachMux(const CChannelStore& store, Visit visit) {
    for (int m = 1; m <= kMaxMuxes; ++m) {
        if (const STP_INFO* mux = store.GetMux(static_cast<BYTE>(m)))
            visit(*mux);
    }
}

template <class Visit> void ForEachService(const CChannelStore& store, BYTE nList, Visit visit) {
    for (int row = 0; row < store.GetRowCount(nList); ++row) {
        if (const SSVC_INFO* svc = store.GetService(static_cast<WORD>(row), nList))
            visit(*svc);
    }
}

std::string SatelliteColumn(const CChannelStore& store, const CNameCodec& names, BYTE nSat) {
    return NameColumn(names,
                      nSat == kTerrestrialSatIndex ? "TERRESTRIAL" : store.GetSatelliteName(nSat));
}

} // namespace

bool LoadDataFile(const std::string& path, CChannelStore& store, FileReport& report,
                  std::string& error) {
    store.SetPathName(path);
    if (!store.ReadDataFile()) {
        error = store.GetLastFileError();
        return false;
    }
    // Read again for what the store does not keep: the magic as written and the plain image.
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot open the file: " + file.errorString().toStdString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    report.strMagic = MagicText(bytes);
    report.bShifted = bytes.startsWith("ZEPH");
    report.nHeaderLength = store.GetHeaderLength();
    std::vector<BYTE> encoded(
        bytes.begin() + std::min<qsizetype>(report.nHeaderLength, bytes.size()), bytes.end());
    std::vector<BYTE> image(kImageBufferSize);
    report.nDecodedBytes =
        DecodeImage(encoded.data(), static_cast<int>(encoded.size()), image.data());
    InspectBlocks(store, image, report);
    return true;
}

std::string CheckProblem(const CChannelStore& store) {
    const std::vector<SReadFinding>& findings = store.GetReadFindings();
    return findings.empty() ? std::string() : ReadFindingText(findings.front());
}

void WriteInfo(std::ostream& out, const CChannelStore& store, const FileReport& report) {
    out << "Header:            \"" << report.strMagic << "\", " << report.nHeaderLength
        << " bytes\n"
        << "Image:             " << report.nDecodedBytes << " bytes"
        << (report.bShifted ? ", blocks shifted by one block" : "") << "\n"
        << "Satellites:        " << store.GetSatelliteCount() << "\n"
        << "Transponders:      " << store.GetTransponderCount() << "\n"
        << "MUXes:             " << store.GetMuxCount() << "\n"
        << "Networks:          " << store.GetNetworkCount() << "\n";
    for (BYTE list = 0; list < kListCount; ++list) {
        const std::string label = std::string(kListTitles[list]) + ":";
        out << Printf("%-19s", label.c_str()) << store.GetServiceCount(list) << "\n";
    }
    out << "Blocks:            " << BlockSummary(report) << "\n";
    for (const SReadFinding& finding : store.GetReadFindings())
        out << "Warning:           " << ReadFindingText(finding) << "\n";
}

void WriteDumpText(std::ostream& out, const CChannelStore& store, const CNameCodec& names) {
    out << "Satellites (" << store.GetSatelliteCount() << ")\n";
    for (int s = 0; s < store.GetSatelliteCount(); ++s) {
        const SSAT_INFO& sat = *store.GetSatellite(static_cast<BYTE>(kFirstSatIndex + s));
        out << Printf("  %3u  %s  %-6s", sat.bIndex, NameColumn(names, NameOf(sat.szName)).c_str(),
                      FormatPosition(sat.wPosition).c_str())
            << "  LNB " << LnbText(sat) << ", C-LNB " << CLnbText(sat) << ", LNB power "
            << OnOff(sat.bSwitch & SW_LNB_POWER) << ", 0V/12V " << OnOff(sat.bSwitch & SW_12V)
            << ", 22kHz " << OnOff(sat.bSwitch & SW_22KHZ) << ", ToneBurst " << ToneBurstText(sat)
            << ", DiSEqC " << DiseqcText(sat) << ", C/KU " << CkuText(sat) << "\n";
    }
    out << "\nTransponders (" << store.GetTransponderCount() << ")\n";
    ForEachTransponder(store, [&](const STP_INFO& tp) {
        out << Printf("  sat %3u  tp %3u  %5u MHz %c  %5u kS/s  FEC %-4s  tsid %5u\n", tp.satid,
                      tp.tpid, tp.frequency, Polarisation(tp), tp.symbolrate, FecText(tp).c_str(),
                      tp.tsid);
    });
    out << "\nMUXes (" << store.GetMuxCount() << ")\n";
    ForEachMux(store, [&](const STP_INFO& mux) {
        out << Printf("  mux %3u  %5u MHz  %5u kS/s  tsid %5u\n", mux.tpid, mux.frequency,
                      mux.symbolrate, mux.tsid);
    });
    out << "\nNetworks (" << store.GetNetworkCount() << ")\n";
    for (int i = 0; i < store.GetNetworkCount(); ++i) {
        const SNET_INFO& net = *store.GetNetworkAt(static_cast<WORD>(i));
        out << Printf("  id %3u  %s\n", net.id, names.ToUtf8(NameOf(net.name)).c_str());
    }
    for (BYTE list = 0; list < kListCount; ++list) {
        out << "\n" << kListTitles[list] << " (" << store.GetServiceCount(list) << ")\n";
        ForEachService(store, list, [&](const SSVC_INFO& svc) {
            std::string flags;
            for (const std::string& f : FlagNames(svc.wFlags))
                flags += " " + f;
            out << Printf("  %4u  %s  %s  tp %3u  net %3u %s  sid %5u  video %4u  "
                          "audio %4u%s  pcr %4u ",
                          svc.wNumber, NameColumn(names, NameOf(svc.szName)).c_str(),
                          SatelliteColumn(store, names, svc.bSatIndex).c_str(), svc.bTpIndex,
                          svc.wNetwork,
                          NameColumn(names, store.GetNetworkName(svc.wNetwork)).c_str(),
                          svc.wServiceId, svc.wVideoPid, svc.wAudioPid & AUDIO_PID_MASK,
                          (svc.wAudioPid & AUDIO_DOLBY) ? " Dolby" : "", svc.wPcrPid)
                << (flags.empty() ? " -" : flags) << "\n";
        });
    }
}

void WriteDumpJson(std::ostream& out, const CChannelStore& store, const CNameCodec& names) {
    QJsonArray satellites;
    for (int s = 0; s < store.GetSatelliteCount(); ++s) {
        const SSAT_INFO& sat = *store.GetSatellite(static_cast<BYTE>(kFirstSatIndex + s));
        satellites.append(QJsonObject{
            {"index", sat.bIndex},
            {"name", NameText(names, NameOf(sat.szName))},
            {"position", sat.wPosition},
            {"position_text", QString::fromStdString(FormatPosition(sat.wPosition))},
            {"lnb_type", sat.bLnbType},
            {"lnb", QString::fromStdString(LnbText(sat))},
            {"lnb_freq", sat.wLnbFreq},
            {"c_lnb", sat.bCLnb},
            {"c_lnb_freq", sat.wCLnbFreq},
            {"lnb_power", bool(sat.bSwitch & SW_LNB_POWER)},
            {"v12", bool(sat.bSwitch & SW_12V)},
            {"khz22", bool(sat.bSwitch & SW_22KHZ)},
            {"toneburst", (sat.bSwitch >> SW_TONEBURST_SHIFT) & 3},
            {"diseqc", sat.bDiseqc},
            {"cku_switch", sat.bCkuSwitch},
        });
    }
    QJsonArray transponders;
    ForEachTransponder(store, [&](const STP_INFO& tp) {
        transponders.append(QJsonObject{
            {"sat", tp.satid},
            {"tpid", tp.tpid},
            {"frequency", tp.frequency},
            {"symbolrate", tp.symbolrate},
            {"polarisation", QString(QChar::fromLatin1(Polarisation(tp)))},
            {"fec", tp.attribute >> 4},
            {"tsid", tp.tsid},
        });
    });
    QJsonArray muxes;
    ForEachMux(store, [&](const STP_INFO& mux) {
        muxes.append(QJsonObject{{"mux", mux.tpid},
                                 {"frequency", mux.frequency},
                                 {"symbolrate", mux.symbolrate},
                                 {"tsid", mux.tsid}});
    });
    QJsonArray networks;
    for (int i = 0; i < store.GetNetworkCount(); ++i) {
        const SNET_INFO& net = *store.GetNetworkAt(static_cast<WORD>(i));
        networks.append(QJsonObject{{"id", net.id}, {"name", NameText(names, NameOf(net.name))}});
    }
    QJsonObject services;
    for (BYTE list = 0; list < kListCount; ++list) {
        QJsonArray rows;
        ForEachService(store, list, [&](const SSVC_INFO& svc) {
            QJsonArray flags;
            for (const std::string& f : FlagNames(svc.wFlags))
                flags.append(QString::fromStdString(f));
            rows.append(QJsonObject{
                {"number", svc.wNumber},
                {"name", NameText(names, NameOf(svc.szName))},
                {"sat", svc.bSatIndex},
                {"tpid", svc.bTpIndex},
                {"network", svc.wNetwork},
                {"service_id", svc.wServiceId},
                {"video_pid", svc.wVideoPid},
                {"audio_pid", svc.wAudioPid & AUDIO_PID_MASK},
                {"dolby", bool(svc.wAudioPid & AUDIO_DOLBY)},
                {"pcr_pid", svc.wPcrPid},
                {"flags", flags},
            });
        });
        services[kListKeys[list]] = rows;
    }
    const QJsonObject root{{"satellites", satellites},
                           {"transponders", transponders},
                           {"muxes", muxes},
                           {"networks", networks},
                           {"services", services}};
    out << QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}
