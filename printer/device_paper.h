// The paper fields of a printer's default device mode, as the spooler
// gives them: what the preview's label outline is made from.
#pragma once

#include <cstdint>

namespace vx {

struct DevicePaper {
    std::uint32_t fields = 0;  // which of the fields below are valid
    int orientation = 0;       // 1 portrait, 2 landscape
    int paperSize = 0;         // a standard paper's number, 0 for none
    int paperLength = 0;       // 0.1 mm, overrides the standard paper
    int paperWidth = 0;        // 0.1 mm, overrides the standard paper
};

inline constexpr std::uint32_t kDeviceModeOrientation = 0x1;
inline constexpr std::uint32_t kDeviceModePaperSize = 0x2;
inline constexpr std::uint32_t kDeviceModePaperLength = 0x4;
inline constexpr std::uint32_t kDeviceModePaperWidth = 0x8;

}  // namespace vx
