#pragma once
// Colours of the shared controls. Stored colour values keep the
// blue-green-red byte order of the program's data (0x00BBGGRR).

#include <QColor>
#include <cstdint>

inline QColor ColoreBGR(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

// Selected cells of the forecast controls in most windows.
inline constexpr std::uint32_t kColoreSelezione = 16777088;
// A value accepted, and a value in recovery, in the points control; the
// accepted colour also marks a selected condition panel.
inline constexpr std::uint32_t kColoreAccettato = 16744448;
inline constexpr std::uint32_t kColoreRecupero = 15780004;
