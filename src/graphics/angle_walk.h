// Sampling ellipses and elliptic arcs by angle, in single precision.
#pragma once

#include <cmath>
#include <cstdint>

#include "graphics/single_precision.h"

namespace glavo {

inline constexpr float kQuarterTurn = 1.570796f;  // just below pi / 2
inline constexpr float kRadiansPerDegree = 0.017453289f;

// The most samples one curve takes. A full turn at the dense step takes
// about 11.6 samples per pixel of radius, so this allows radii of some
// 22000 pixels, beyond any real surface; a larger curve stops there instead
// of keeping the user interface waiting for seconds.
inline constexpr std::int32_t kMaxCurveSamples = std::int32_t{1} << 18;

// The angle between two samples of an ellipse with these semi-axes: 0.17 pi
// (thickness 1) or 0.34 pi (any other thickness) over the larger semi-axis,
// taken as a magnitude; the plain constant for a zero radius. Always > 0.
float AngleStep(std::int32_t radiusX, std::int32_t radiusY, std::int32_t thickness);

// Where angle 0 of an arc lies on the screen (y grows downwards).
enum class ArcOrigin {
  kTopClockwise,            // 0 at the top, 90 at the right, 180 at the bottom
  kBottomCounterClockwise,  // 0 at the bottom, 90 at the right, 180 at the top
};

namespace angle_walk_detail {

inline float Scaled(std::int32_t radius, double unit) {
  return Single(static_cast<double>(radius) * unit);
}

// Advances theta by step; false once single precision can no longer move
// it (a huge radius or angle), which would otherwise loop forever, or when
// the curve has taken its last allowed sample.
inline bool Advance(float& theta, float step, std::int32_t& samples) {
  const float next = Single(theta + step);
  if (next == theta || ++samples >= kMaxCurveSamples) return false;
  theta = next;
  return true;
}

}  // namespace angle_walk_detail

// Calls visit(cx, cy) for the offsets from the centre of the samples of the
// quarter ellipse from angle 0 (cx = radiusX, cy = 0) to just below a
// quarter turn, at most kMaxCurveSamples of them.
template <class Visit>
void WalkQuarterEllipse(std::int32_t radiusX, std::int32_t radiusY, std::int32_t thickness,
                        Visit&& visit) {
  using namespace angle_walk_detail;
  const float step = AngleStep(radiusX, radiusY, thickness);
  std::int32_t samples = 0;
  for (float theta = 0.0f; theta <= kQuarterTurn;) {
    visit(Scaled(radiusX, std::cos(static_cast<double>(theta))),
          Scaled(radiusY, std::sin(static_cast<double>(theta))));
    if (!Advance(theta, step, samples)) break;
  }
}

// Calls visit(cx, cy) for the samples of the arc from startAngle to
// stopAngle degrees; a start above the stop adds one full turn to the stop.
// NaN angles draw nothing; at most kMaxCurveSamples samples are taken.
template <class Visit>
void WalkArc(std::int32_t radiusX, std::int32_t radiusY, float startAngle, float stopAngle,
             std::int32_t thickness, ArcOrigin origin, Visit&& visit) {
  using namespace angle_walk_detail;
  if (startAngle > stopAngle) stopAngle = Single(stopAngle + 360.0f);
  const float start = Single(startAngle * kRadiansPerDegree);
  const float stop = Single(stopAngle * kRadiansPerDegree);
  const float step = AngleStep(radiusX, radiusY, thickness);
  const float ySign = origin == ArcOrigin::kTopClockwise ? -1.0f : 1.0f;
  std::int32_t samples = 0;
  for (float theta = start; theta <= stop;) {
    const float xAngle = Single(theta - kQuarterTurn);
    const float yAngle = Single(theta + ySign * kQuarterTurn);
    visit(Scaled(radiusX, std::cos(static_cast<double>(xAngle))),
          Scaled(radiusY, std::sin(static_cast<double>(yAngle))));
    if (!Advance(theta, step, samples)) break;
  }
}

}  // namespace glavo
