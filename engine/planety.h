#pragma once
// Heliocentric positions of the planets from the analytical series:
// T in centuries from J2000 ((MJD - 51544.5) / 36525); L, B radians
// (0 <= L < 2pi), R in AU; mean ecliptic and equinox of date.
#include "katy.h"

namespace obliczenia {

void MercurySeries(double T, double& L, double& B, double& R);
void VenusSeries(double T, double& L, double& B, double& R);
void MarsSeries(double T, double& L, double& B, double& R);

void JupiterSeries(double T, double& L, double& B, double& R);
void SaturnSeries(double T, double& L, double& B, double& R);
void UranusSeries(double T, double& L, double& B, double& R);
void NeptuneSeries(double T, double& L, double& B, double& R);
// The series itself is of B1950.0; the result is precessed to the equinox
// of date like the others. Valid for -1.1 < T < 1.0; callers pick another
// theory outside.
void PlutoSeries(double T, double& L, double& B, double& R);

// Epoch B1950.0 in centuries from J2000.
inline constexpr double TB1950 = -0.500002108;

// An ecliptic vector of the mean equinox of t0 referred to the mean ecliptic
// and equinox of t (IAU 1976 precession; both epochs in centuries from J2000).
TWektor PrecesjaEkliptyczna(double t0, double t, const TWektor& v);

} // namespace obliczenia
