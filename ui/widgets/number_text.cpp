#include "number_text.h"

namespace {

bool IsSkipped(QChar c) {
    return c == u'.' || c == u',' || c == u' ';
}

// Characters of `text` a reader looks at: at most maxChars, all when maxChars is 0.
qsizetype ScanLength(const QString& text, int maxChars) {
    return maxChars > 0 ? std::min<qsizetype>(text.size(), maxChars) : text.size();
}

// Long digit runs saturate instead of overflowing; every caller treats such values as too big.
int AppendDigit(int value, QChar c) {
    constexpr int kSaturated = 100'000'000;
    return value >= kSaturated ? kSaturated : value * 10 + (c.unicode() - u'0');
}

} // namespace

int ParseDecimal(const QString& text, int maxChars) {
    int value = 0;
    const qsizetype n = ScanLength(text, maxChars);
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9')
            value = AppendDigit(value, c);
        else if (!IsSkipped(c))
            break;
    }
    return value;
}

int ParseTenths(const QString& text, int maxChars) {
    int integer = 0;
    int points = 0;
    const qsizetype n = ScanLength(text, maxChars);
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            if (points == 0)
                integer = AppendDigit(integer, c);
            else if (points == 1)
                return AppendDigit(integer, c); // the first digit after the point ends the scan
            // digits after a second point are skipped
        } else if (c == u'.') {
            ++points;
        } else if (!IsSkipped(c)) {
            break;
        }
    }
    return AppendDigit(integer, u'0');
}
