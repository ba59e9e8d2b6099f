#pragma once
// Geometric geocentric position of the Sun, mean ecliptic and equinox of date.
namespace obliczenia {

// T: centuries from J2000 ((MJD - 51544.5) / 36525). L, B radians
// (0 <= L < 2pi), R the Earth-Sun distance in AU.
void SunSeries(double T, double& L, double& B, double& R);

} // namespace obliczenia
