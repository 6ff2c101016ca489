#include "status_text.h"

#include <QCoreApplication>

#include <iterator>

namespace {

constexpr const char* kStatusTexts[] = {
    QT_TRANSLATE_NOOP("StatusText", "Satellite TV %1  Radio %2  Terrestrial TV %3  Radio %4"),
    QT_TRANSLATE_NOOP("StatusText", "%1 of %2"),
    QT_TRANSLATE_NOOP("StatusText", "Opened %1"),
    QT_TRANSLATE_NOOP("StatusText", "Saved %1"),
    QT_TRANSLATE_NOOP("StatusText", "Received %1"),
    QT_TRANSLATE_NOOP("StatusText", "Cut %1"),
    QT_TRANSLATE_NOOP("StatusText", "Pasted %1 before %2"),
    QT_TRANSLATE_NOOP("StatusText", "Nothing pasted: no services of this list are cut"),
    QT_TRANSLATE_NOOP("StatusText", "Deleted %1"),
    QT_TRANSLATE_NOOP("StatusText", "Moved %1 to %2"),
    QT_TRANSLATE_NOOP("StatusText", "Exported %1 to %2"),
    QT_TRANSLATE_NOOP("StatusText", "Undone: %1"),
    QT_TRANSLATE_NOOP("StatusText", "Redone: %1"),
    QT_TRANSLATE_NOOP("StatusText", "%1 has no %2: the name stays as it was"),
};
static_assert(std::size(kStatusTexts) == std::size_t(EStatus::Refused) + 1,
              "one text per status, in the order of EStatus");

QString TextOf(EStatus status) {
    return QCoreApplication::translate("StatusText",
                                       kStatusTexts[static_cast<std::size_t>(status)]);
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
                      nServices == 1 ? QCoreApplication::translate("StatusText", "1 service")
                                     : QCoreApplication::translate("StatusText", "%1 services",
                                                                   nullptr, nServices)
                                           .arg(nServices),
                      arg2);
}

QString StatusCounts(int nSatTv, int nSatRadio, int nTerrTv, int nTerrRadio) {
    return TextOf(EStatus::Counts).arg(nSatTv).arg(nSatRadio).arg(nTerrTv).arg(nTerrRadio);
}
