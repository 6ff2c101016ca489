// The service lists' texts as the user reads and types them outside the box: names in UTF-8,
// orbital positions and the lists' names.
#pragma once

#include "records.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

// The lists' names, as zdftool's --list and the CSV files give them.
inline constexpr const char* kListNames[kListCount] = {"satellite-tv", "satellite-radio",
                                                       "terrestrial-tv", "terrestrial-radio"};
std::optional<BYTE> ParseListName(std::string_view text);

// The service flags by name, in the order texts list them. CA comes from the box.
inline constexpr std::pair<WORD, const char*> kFlagNames[] = {
    {FLAG_LOCK, "Lock"}, {FLAG_CA, "CA"},     {FLAG_FAV1, "Fav1"},
    {FLAG_FAV2, "Fav2"}, {FLAG_FAV3, "Fav3"}, {FLAG_FAV4, "Fav4"}};
// The named flags that are set, separated by blanks: "Lock Fav1".
std::string FlagsText(WORD wFlags);

// A West position is kept as 3600 minus its tenths of a degree; 1800 and above are West.
inline constexpr int kWest = 3600;

// Orbital position as the panel writes it: "19.2E", "5.0W"; "invalid (3600)" beyond 3599.
std::string FormatPosition(WORD wPosition);
// The position that FormatPosition wrote; nullopt for any other text.
std::optional<WORD> ParsePosition(std::string_view text);
