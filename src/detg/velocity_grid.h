#pragma once

// The most points a velocity scan may take: beyond this a user would never see it end.
inline constexpr long double kMaxScanPoints = 1e7L;

// Refuses (RefusedInput) a grid vMin, vMin + vStep, ... below vMax that would not end or would
// take more than kMaxScanPoints points: a step that is not positive, a step too small to
// change the velocity by repeated addition, or too many steps. An empty grid (vMin >= vMax)
// is accepted whatever the step.
void RefuseEndlessVelocityGrid(long double vMin, long double vMax, long double vStep);

// The most points of one det_g scan: beyond this a user would not wait for it.
inline constexpr long double kMaxDetgScanPoints = 2e5L;

// Refuses (RefusedInput) a det_g scan of more than kMaxDetgScanPoints points, naming the size
// and the fields that set it.
void RefuseOversizedDetgScan(long double vMin, long double vMax, long double vStep);
