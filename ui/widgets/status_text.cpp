#include "status_text.h"

#include <iterator>

namespace {

constexpr const char* kStatusTexts[] = {
    "Satellite TV %1  Radio %2  Terrestrial TV %3  Radio %4",
    "%1 of %2",
    "Opened %1",
    "Saved %1",
    "Received %1",
    "Cut %1",
    "Pasted %1 before %2",
    "Nothing pasted: no services of this list are cut",
    "Deleted %1",
    "Moved %1 to %2",
    "Exported %1 to %2",
    "Undone: %1",
    "Redone: %1",
    "%1 has no %2: the name stays as it was",
};
static_assert(std::size(kStatusTexts) == std::size_t(EStatus::Refused) + 1,
              "one text per status, in the order of EStatus");

QString TextOf(EStatus status) {
    return QString::fromLatin1(kStatusTexts[static_cast<std::size_t>(status)]);
}

} // namespace

QString StatusText(EStatus status, const QString& arg1, const QString& arg2) {
    QString text = TextOf(status);
    if (text.contains(QStringLiteral("%2")))
        return text.arg(arg1, arg2);
    return text.contains(QStringLiteral("%1")) ? text.arg(arg1) : text;
}

QString StatusText(EStatus status, int nServices, const QString& arg2) {
    return StatusText(status,
                      nServices == 1 ? QStringLiteral("1 service")
                                     : QStringLiteral("%1 services").arg(nServices),
                      arg2);
}

QString StatusCounts(int nSatTv, int nSatRadio, int nTerrTv, int nTerrRadio) {
    return TextOf(EStatus::Counts).arg(nSatTv).arg(nSatRadio).arg(nTerrTv).arg(nTerrRadio);
}
