// The editor's readers of numbers typed into texts.
#pragma once

#include <QString>

// Reads the digits of `text`, at most `maxChars` characters of it (all when 0): '.', ',' and
// ' ' are skipped, any other non-digit ends the scan. "19.2" gives 192, " 1." gives 1, "12a3" 12.
int ParseDecimal(const QString& text, int maxChars);

// Reads a position text into tenths: "19.25" gives 192, "19" gives 190, "1234" gives 12340.
int ParseTenths(const QString& text, int maxChars);
