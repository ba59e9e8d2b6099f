#include "katy.h"

#include <cmath>

namespace obliczenia {

double NaRadiany(double stopnie) {
  return stopnie * 0.017453292519943295769;
}

double NaStopnie(double radiany) {
  return radiany * 57.295779513082320877;
}

double NaStopnieZakres(double radiany) {
  double s = std::fmod(NaStopnie(radiany), 360.0);
  if (s < 0.0) {
    s += 360.0;
  }
  return s >= 360.0 ? 0.0 : s;
}

double Modulo360(double stopnie) {
  return stopnie - 360.0 * std::trunc(stopnie / 360.0);
}

double ZakresDwaPi(double radiany) {
  double r = std::fmod(radiany, DwaPi);
  if (r < 0.0) {
    r += DwaPi;
  }
  return r >= DwaPi ? 0.0 : r;
}

double Frac(double x) {
  double f = x - std::trunc(x);
  if (f < 0.0) {
    f += 1.0;
  }
  return f;
}

double Tangens(double x) {
  return std::sin(x) / std::cos(x);
}

double ArcCos(double x) {
  return std::acos(x);
}

double ArcSin(double x) {
  return std::asin(x);
}

double Atan2(double y, double x) {
  const double ax = std::fabs(x);
  const double ay = std::fabs(y);
  if (ax == 0.0 && ay == 0.0) {
    return 0.0;
  }
  double phi = ax > ay ? std::atan(ay / ax) : Pi / 2.0 - std::atan(ax / ay);
  if (x < 0.0) {
    phi = Pi - phi;
  }
  if (y < 0.0) {
    phi = -phi;
  }
  return phi;
}

TWektor Kartezjanskie(double r, double szer, double dlug) {
  const double cb = std::cos(szer);
  return {r * cb * std::cos(dlug), r * cb * std::sin(dlug), r * std::sin(szer)};
}

TBiegunowe Biegunowe(const TWektor& v) {
  const double rho2 = v.x * v.x + v.y * v.y;
  TBiegunowe b;
  b.R = std::sqrt(rho2 + v.z * v.z);
  b.Szer = Atan2(v.z, std::sqrt(rho2));
  b.Dlug = Atan2(v.y, v.x);
  if (b.Dlug < 0.0) {
    b.Dlug += DwaPi;
  }
  return b;
}

TPozycjaIPredkosc PozycjaIPredkosc(double r, double szer, double dlug, double dr, double dszer,
                                   double ddlug) {
  const double cl = std::cos(dlug);
  const double sl = std::sin(dlug);
  const double cb = std::cos(szer);
  const double sb = std::sin(szer);
  TPozycjaIPredkosc w;
  w.Pozycja = {r * cb * cl, r * cb * sl, r * sb};
  w.Predkosc.x = dr * cl * cb - ddlug * r * sl * cb - dszer * r * cl * sb;
  w.Predkosc.y = dr * sl * cb + ddlug * r * cl * cb - dszer * r * sl * sb;
  w.Predkosc.z = dr * sb + dszer * r * cb;
  return w;
}

double NachylenieEkliptyki(double t) {
  return 23.43929111 - (46.8150 * t + 0.00059 * t * t - 0.001813 * t * t * t) / 3600.0;
}

TObrotyDaty ObrotyDaty(double t) {
  const double m = DwaPi * Frac(0.99312619 + 99.99735956 * t - 0.00000044 * t * t);
  const double d = DwaPi * Frac(0.82736186 + 1236.85308708 * t - 0.00000397 * t * t);
  const double f = DwaPi * Frac(0.25909118 + 1342.2278298 * t - 0.00000892 * t * t);
  const double n = DwaPi * Frac(0.34734264 - 5.37260513 * t + 0.00000579 * t * t);
  TObrotyDaty o;
  o.DPsi = (-17.2 * std::sin(n) - 1.319 * std::sin(2.0 * (f - d + n)) -
            0.227 * std::sin(2.0 * (f + n)) + 0.206 * std::sin(2.0 * n) + 0.143 * std::sin(m)) /
           SekundWRadianie;
  o.DEps = (9.203 * std::cos(n) + 0.574 * std::cos(2.0 * (f - d + n)) +
            0.098 * std::cos(2.0 * (f + n)) - 0.090 * std::cos(2.0 * n)) /
           SekundWRadianie;
  const double eps = NaRadiany(NachylenieEkliptyki(t));
  o.CosEps = std::cos(eps);
  o.SinEps = std::sin(eps);
  return o;
}

TWektor EklNaRown(const TObrotyDaty& o, const TWektor& v) {
  return {v.x, o.CosEps * v.y - o.SinEps * v.z, o.SinEps * v.y + o.CosEps * v.z};
}

TWektor RownNaEkl(const TObrotyDaty& o, const TWektor& v) {
  return {v.x, o.CosEps * v.y + o.SinEps * v.z, -o.SinEps * v.y + o.CosEps * v.z};
}

TWektor Nutacja(const TObrotyDaty& o, const TWektor& v) {
  const double c = o.CosEps * o.DPsi;
  const double s = o.SinEps * o.DPsi;
  return {v.x - (c * v.y + s * v.z), v.y + (c * v.x - o.DEps * v.z),
          v.z + (s * v.x + o.DEps * v.y)};
}

TWektor EklNaRown(double t, const TWektor& v) {
  return EklNaRown(ObrotyDaty(t), v);
}

TWektor RownNaEkl(double t, const TWektor& v) {
  return RownNaEkl(ObrotyDaty(t), v);
}

TWektor Nutacja(double t, const TWektor& v) {
  return Nutacja(ObrotyDaty(t), v);
}

} // namespace obliczenia
