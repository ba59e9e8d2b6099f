#pragma once
// The engine's numerical toolkit: angle units and reductions, inverse
// trigonometric helpers, polar and cartesian vectors, the rotation between
// ecliptic and equator, and the nutation of an equatorial vector.
// Angles are radians unless a name says degrees; T is centuries from J2000.

namespace obliczenia {

inline constexpr double Pi = 3.14159265358979323846;
inline constexpr double DwaPi = 6.28318530717958647692;
inline constexpr double SekundWRadianie = 206264.80624709635515;

struct TWektor {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  friend bool operator==(const TWektor&, const TWektor&) = default;
};

struct TBiegunowe {
  double R = 0.0;
  double Szer = 0.0; // -pi/2 .. pi/2
  double Dlug = 0.0; // 0 .. 2pi
};

struct TPozycjaIPredkosc {
  TWektor Pozycja;
  TWektor Predkosc;
};

double NaRadiany(double stopnie);
double NaStopnie(double radiany);
double NaStopnieZakres(double radiany); // degrees in [0, 360)
double Modulo360(double stopnie);       // keeps the sign
double ZakresDwaPi(double radiany);     // [0, 2pi)
double Frac(double x);                  // [0, 1)

double Tangens(double x);
double ArcCos(double x);          // -1 <= x <= 1
double ArcSin(double x);          // -1 <= x <= 1
double Atan2(double y, double x); // (-pi, pi], 0 for (0, 0)

TWektor Kartezjanskie(double r, double szer, double dlug);
TBiegunowe Biegunowe(const TWektor& v);
// Rates in whatever units the caller uses for the velocity.
TPozycjaIPredkosc PozycjaIPredkosc(double r, double szer, double dlug, double dr, double dszer,
                                   double ddlug);

double NachylenieEkliptyki(double t); // degrees
TWektor EklNaRown(double t, const TWektor& v);
TWektor RownNaEkl(double t, const TWektor& v);
// From the mean to the true equator and equinox of date.
TWektor Nutacja(double t, const TWektor& v);

// The same three transforms with their angles computed once for an instant,
// for callers that rotate many vectors of one moment (same results).
struct TObrotyDaty {
  double CosEps = 1.0;
  double SinEps = 0.0;
  double DPsi = 0.0; // nutation in longitude, radians
  double DEps = 0.0; // nutation in obliquity, radians
};
TObrotyDaty ObrotyDaty(double t);
TWektor EklNaRown(const TObrotyDaty& o, const TWektor& v);
TWektor RownNaEkl(const TObrotyDaty& o, const TWektor& v);
TWektor Nutacja(const TObrotyDaty& o, const TWektor& v);

} // namespace obliczenia
