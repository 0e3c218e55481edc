#pragma once
// The live night on the world map: how much daylight each point of the map
// has at an instant, from where the Sun stands then.

#include <QDateTime>
#include <array>
#include <cstdint>

namespace zv {

// Day, the three twilights (the Sun's centre up to 6, 12 and 18 degrees
// below the horizon) and night.
enum class SkyLight : std::uint8_t { Day, CivilTwilight, NauticalTwilight, AstronomicalTwilight, Night };
inline constexpr int kSkyLights = 5;

// Fills a picture of the whole map, width x height pixels in the picture's
// projection (720 x 320, or a multiple of it), each pixel with the colour of
// the light at its centre: pixels[y * stride + x] = colours[light].
void ShadeMap(const QDateTime& instant, int width, int height,
              const std::array<std::uint32_t, kSkyLights>& colours, std::uint32_t* pixels,
              std::ptrdiff_t stride);

}  // namespace zv
