#pragma once

// 3.1415 / 180 as a double: the typed angles use this approximation of pi, not pi itself.
inline constexpr double kDegreeToRad = 0.01745277777777778;

// 4 x 3.141592 as a double: the factor of every wave number q = 4 pi sin(theta) / lambda.
inline constexpr double kFourPiApprox = 12.566368;

// Phase velocity (m/s) of a phonon of frequency f (GHz) seen in backscattering at the angle
// theta (rad) with the laser line lambda (nm): (lambda x f) / (2 sin theta).
long double MeasuredPhaseVelocity(long double laserNm, long double freqGHz, long double angleRad);

// The dispersion abscissa 100 q D of a measurement: ((sin theta x (12.566368 x D)) x 100) / lambda,
// D the total film thickness in nm.
long double MeasuredQd100(long double angleRad, long double totalDepthNm, long double laserNm);

// Wave number (1/m) of the det_g scan: 12.566368 x sin(theta) / lambda, lambda in metres.
long double ScanWaveNumber(long double angleRad, long double laserM);
