#pragma once

// The most points a velocity scan may take: beyond this a user would never see it end.
inline constexpr long double kMaxScanPoints = 1e7L;

// Refuses (RefusedInput) a grid vMin, vMin + vStep, ... below vMax that would not end or would
// take more than kMaxScanPoints points: a step that is not positive, a step too small to
// change the velocity by repeated addition, or too many steps. An empty grid (vMin >= vMax)
// is accepted whatever the step.
void RefuseEndlessVelocityGrid(long double vMin, long double vMax, long double vStep);
