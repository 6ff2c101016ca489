#include "satellites_xml.h"

#include "list_text.h"
#include "save_file.h"

#include <QXmlStreamReader>

#include <charconv>
#include <limits>

namespace {

// Values that round to 1 ... 65535 of the box's MHz and kS/s.
constexpr long long kLowestThousandth = 500;
constexpr long long kHighestThousandth = 65535499;
constexpr int kWestmost = -kWest / 2;
constexpr int kEastmost = kWest / 2;

std::string Quoted(std::string_view text) {
    return "<" + std::string(text) + ">";
}

// Reads one document; the first fault ends the reading, with its line.
class SatellitesReader {
  public:
    SatellitesReader(std::string_view text, SXmlError& error)
        : m_xml(QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()))),
          m_error(error) {}

    bool Read(std::vector<SXmlSatellite>& satellites) {
        if (!m_xml.readNextStartElement())
            return Malformed();
        if (m_xml.name() != u"satellites")
            return Fail(Quoted(Name()) + " where <satellites> belongs: not a satellites.xml");
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != u"sat")
                return Fail(Quoted(Name()) + " where <sat> belongs");
            if (!ReadSatellite(satellites.emplace_back()))
                return false;
        }
        while (!m_xml.hasError() && !m_xml.atEnd())
            m_xml.readNext(); // what follows the document must be well-formed too
        return !m_xml.hasError() || Malformed();
    }

  private:
    bool ReadSatellite(SXmlSatellite& sat) {
        long long position = 0;
        if (!Number("position", kWestmost, kEastmost,
                    "a position in tenths of a degree from -1800 to 1800", position))
            return false;
        sat.nPosition = static_cast<int>(position);
        sat.strName = m_xml.attributes().value(QLatin1StringView("name")).toString().toStdString();
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != u"transponder")
                return Fail(Quoted(Name()) + " where <transponder> belongs");
            if (!ReadTransponder(sat.transponders.emplace_back()))
                return false;
            m_xml.skipCurrentElement();
        }
        return !m_xml.hasError() || Malformed();
    }

    bool ReadTransponder(SXmlTransponder& tp) {
        constexpr long long kAny = std::numeric_limits<std::uint32_t>::max();
        long long frequency = 0, rate = 0, polarisation = 0, fec = 0, system = 0;
        if (!Number("frequency", kLowestThousandth, kHighestThousandth,
                    "a frequency in kHz that the box holds (1 to 65535 MHz)", frequency) ||
            !Number("symbol_rate", kLowestThousandth, kHighestThousandth,
                    "a symbol rate in symbols per second that the box holds (1 to 65535 kS/s)",
                    rate) ||
            !Number("polarization", POL_HORIZONTAL, POL_CIRCULAR_RIGHT, "0, 1, 2 or 3",
                    polarisation) ||
            !Number("fec_inner", 0, kAny, "a number", fec, true) ||
            !Number("system", 0, kAny, "a number", system, true))
            return false;
        tp.nFrequency = static_cast<std::uint32_t>(frequency);
        tp.nSymbolRate = static_cast<std::uint32_t>(rate);
        tp.bPolarisation = static_cast<BYTE>(polarisation);
        tp.nFec = static_cast<std::uint32_t>(fec);
        tp.bS2 = system != 0;
        return true;
    }

    // The attribute of the current element as a whole number from nMin to nMax; a missing
    // optional one is 0.
    bool Number(const char* name, long long nMin, long long nMax, const char* what,
                long long& value, bool bOptional = false) {
        const QLatin1StringView attribute(name);
        if (!m_xml.attributes().hasAttribute(attribute)) {
            value = 0;
            return bOptional || Fail(Quoted(Name()) + " without " + std::string(name));
        }
        const std::string text = m_xml.attributes().value(attribute).toString().toStdString();
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec != std::errc() || end != text.data() + text.size() || value < nMin || value > nMax)
            return Fail(std::string(name) + "=\"" + text + "\" is not " + what);
        return true;
    }

    std::string Name() const { return m_xml.name().toString().toStdString(); }

    bool Malformed() {
        return Fail(m_xml.hasError() ? "malformed XML: " + m_xml.errorString().toStdString()
                                     : "no <satellites> element");
    }

    bool Fail(std::string text) {
        m_error = {m_xml.lineNumber(), std::move(text)};
        return false;
    }

    QXmlStreamReader m_xml;
    SXmlError& m_error;
};

} // namespace

std::string XmlErrorText(const SXmlError& error) {
    return "line " + std::to_string(error.nLine) + ": " + error.strText;
}

bool ReadSatellitesXml(std::string_view text, std::vector<SXmlSatellite>& satellites,
                       SXmlError& error) {
    std::vector<SXmlSatellite> read;
    if (!SatellitesReader(text, error).Read(read))
        return false;
    satellites = std::move(read);
    return true;
}

bool ReadSatellitesXmlFile(const std::string& path, std::vector<SXmlSatellite>& satellites,
                           std::string& error) {
    std::string text;
    SXmlError xmlError;
    if (!ReadWholeFile(path, text, error))
        return false;
    if (!ReadSatellitesXml(text, satellites, xmlError)) {
        error = path + ": " + XmlErrorText(xmlError);
        return false;
    }
    return true;
}
