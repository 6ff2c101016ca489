// The option rows of the satellite and transponder panel. The index of a button in its row is
// the value it stands for, except C/KU's ToneBurst, which is stored as 3.
#pragma once

#include "resource.h"

#include <cstddef>

inline constexpr int kCkuRow[] = {IDC_RADIO_CKU_NONE, IDC_RADIO_CKU_0V12V, IDC_RADIO_CKU_TONEBURST};
inline constexpr int kCkuToneBurstValue = 3;
inline constexpr int kLnbPowerRow[] = {IDC_RADIO_LNB_POWER_OFF, IDC_RADIO_LNB_POWER_ON};
inline constexpr int k22KhzRow[] = {IDC_RADIO_22KHZ_OFF, IDC_RADIO_22KHZ_ON};
inline constexpr int k12VRow[] = {IDC_RADIO_0V, IDC_RADIO_12V};
inline constexpr int kToneBurstRow[] = {IDC_RADIO_TONEBURST_OFF, IDC_RADIO_TONEBURST_A,
                                        IDC_RADIO_TONEBURST_B};
inline constexpr int kDiseqcRow[] = {IDC_RADIO_DISEQC_NONE, IDC_RADIO_DISEQC_A, IDC_RADIO_DISEQC_B,
                                     IDC_RADIO_DISEQC_C, IDC_RADIO_DISEQC_D};
inline constexpr int kPolarizationRow[] = {IDC_RADIO_VERTICAL, IDC_RADIO_HORIZONTAL};

struct SOptionRow {
    const int* pIds;
    int nCount;
};

template <std::size_t N> constexpr SOptionRow Row(const int (&ids)[N]) {
    return {ids, static_cast<int>(N)};
}

inline constexpr SOptionRow kOptionRows[] = {
    Row(kCkuRow),       Row(kLnbPowerRow), Row(k22KhzRow),       Row(k12VRow),
    Row(kToneBurstRow), Row(kDiseqcRow),   Row(kPolarizationRow)};
