#pragma once
// The display colour type and the program's fixed colours: AM, PM, daylight
// saving, highlight and found entries.

namespace zv {

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kAmColour{224, 224, 224};
inline constexpr Rgb kPmColour{255, 192, 128};
inline constexpr Rgb kDstColour{192, 255, 192};
inline constexpr Rgb kHighlightColour{255, 0, 0};
inline constexpr Rgb kFindColour{0, 255, 0};

}  // namespace zv
