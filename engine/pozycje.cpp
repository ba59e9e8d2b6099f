#include "pozycje.h"

#include "czas.h"
#include "ksiezyc.h"
#include "planety.h"
#include "pluton_dlugi.h"
#include "slonce.h"

#include <cmath>

namespace obliczenia {

namespace {

// Rates of the heliocentric (or, for the Sun, geocentric) motion: dL, dB in
// 1e-4 rad per day, dR in 1e-4 AU per day.
struct TTempa {
  double dL = 0.0, dB = 0.0, dR = 0.0;
};

TTempa TempaSlonca(double T) {
  const double m = DwaPi * Frac(0.9931266 + 99.9973604 * T);
  return {172.00 + 5.75 * std::sin(m), 0.0, 2.87 * std::cos(m)};
}

TTempa TempaCiala(double T, int cialo) {
  auto anomalia = [T](double a, double b) { return DwaPi * Frac(a + b * T); };
  switch (cialo) {
  case CialoMerkury: {
    const double m = anomalia(0.4855407, 415.2014314);
    const double c1 = std::cos(m), s1 = std::sin(m);
    const double c2 = c1 * c1 - s1 * s1, s2 = 2.0 * s1 * c1;
    const double c3 = c2 * c1 - s2 * s1, s3 = s2 * c1 + c2 * s1;
    const double c4 = c2 * c2 - s2 * s2, s4 = 2.0 * s2 * c2;
    return {714.00 + 292.66 * c1 + 71.96 * c2 + 18.16 * c3 + 4.61 * c4 + 3.81 * s2 + 2.43 * s3 +
                1.08 * s4,
            73.40 * c1 + 29.82 * c2 + 10.22 * c3 + 3.28 * c4 - 40.44 * s1 - 16.55 * s2 - 5.56 * s3 -
                1.72 * s4,
            55.94 * s1 + 11.36 * s2 + 2.60 * s3};
  }
  case CialoWenus: {
    const double m = anomalia(0.1400197, 162.5494552);
    return {280.00 + 3.79 * std::cos(m), 9.54 * std::cos(m) - 13.57 * std::sin(m),
            1.37 * std::sin(m)};
  }
  case CialoZiemia:
    return TempaSlonca(T);
  case CialoMars: {
    const double m = anomalia(0.0538553, 53.1662736);
    const double c1 = std::cos(m), s1 = std::sin(m), c2 = c1 * c1 - s1 * s1;
    return {91.50 + 17.07 * c1 + 2.03 * c2, 0.83 * c1 + 2.80 * s1, 12.98 * s1 + 1.21 * c2};
  }
  case CialoJowisz: {
    const double m = anomalia(0.0565314, 8.4302963);
    return {14.50 + 1.41 * std::cos(m), 0.33 * std::sin(m), 3.66 * std::sin(m)};
  }
  case CialoSaturn: {
    const double m = anomalia(0.8829867, 3.3947688);
    return {5.84 + 0.65 * std::cos(m), 0.24 * std::cos(m), 3.09 * std::sin(m)};
  }
  case CialoUran: {
    const double m = anomalia(0.3967117, 1.1902849);
    return {2.05 + 0.19 * std::cos(m), -0.03 * std::sin(m), 1.86 * std::sin(m)};
  }
  case CialoNeptun: {
    const double m = anomalia(0.7214906, 0.6068526);
    return {1.04 + 0.02 * std::cos(m), 0.03 * std::sin(m), 0.27 * std::sin(m)};
  }
  case CialoPluton: {
    const double m = anomalia(0.0385795, 0.4026667);
    const double c1 = std::cos(m), s1 = std::sin(m);
    const double c2 = c1 * c1 - s1 * s1, s2 = 2.0 * s1 * c1;
    const double c3 = c2 * c1 - s2 * s1;
    return {0.69 + 0.34 * c1 + 0.12 * c2 + 0.05 * c3, -0.08 * c1 - 0.17 * s1 - 0.09 * s2,
            6.66 * s1 + 1.64 * s2};
  }
  default:
    return {};
  }
}

// Apparent ecliptic longitude and latitude and the declination of a
// geocentric ecliptic vector of the mean equinox of date.
struct TPozornie {
  double Dlug, Szer, Deklinacja;
};

TPozornie Pozornie(const TObrotyDaty& o, const TWektor& ekl) {
  const TWektor rown = Nutacja(o, EklNaRown(o, ekl));
  const TBiegunowe e = Biegunowe(RownNaEkl(o, rown));
  const TBiegunowe r = Biegunowe(rown);
  return {e.Dlug, e.Szer, r.Szer};
}

// The point number of body k, or 0 for the Earth.
int PunktCiala(int k) {
  if (k == CialoSlonce) {
    return Slonce;
  }
  if (k <= CialoWenus) {
    return k + 2;
  }
  return k == CialoZiemia ? 0 : k + 1;
}

void SzeregCiala(int k, double T, double& L, double& B, double& R) {
  switch (k) {
  case CialoMerkury:
    MercurySeries(T, L, B, R);
    break;
  case CialoWenus:
    VenusSeries(T, L, B, R);
    break;
  case CialoMars:
    MarsSeries(T, L, B, R);
    break;
  case CialoJowisz:
    JupiterSeries(T, L, B, R);
    break;
  case CialoSaturn:
    SaturnSeries(T, L, B, R);
    break;
  case CialoUran:
    UranusSeries(T, L, B, R);
    break;
  case CialoNeptun:
    NeptuneSeries(T, L, B, R);
    break;
  case CialoPluton:
    PlutoSeries(T, L, B, R);
    break;
  default:
    L = B = R = 0.0;
    break;
  }
}

constexpr double MinutyPozniej = 0.0375; // 54 minutes in days

} // namespace

TGeocentryczne Geocentryczne(double T, double L, double B, double R, double LS, double BS,
                             double RS, int cialo, TTrybGeocentryczny tryb) {
  if (cialo == CialoZiemia) {
    return {};
  }
  TTempa tc, ts;
  if (tryb != TTrybGeocentryczny::Geometryczny) {
    ts = TempaSlonca(T);
    tc = TempaCiala(T, cialo);
  }
  const TPozycjaIPredkosc c = PozycjaIPredkosc(R, B, L, tc.dR, tc.dB, tc.dL);
  const TPozycjaIPredkosc s = PozycjaIPredkosc(RS, BS, LS, ts.dR, ts.dB, ts.dL);
  TGeocentryczne g;
  g.Wektor = {c.Pozycja.x + s.Pozycja.x, c.Pozycja.y + s.Pozycja.y, c.Pozycja.z + s.Pozycja.z};
  g.Odleglosc =
      std::sqrt(g.Wektor.x * g.Wektor.x + g.Wektor.y * g.Wektor.y + g.Wektor.z * g.Wektor.z);
  const double tau = 0.00578 * g.Odleglosc * 1e-4;
  if (tryb == TTrybGeocentryczny::CzasSwiatla) {
    g.Wektor.x -= tau * c.Predkosc.x;
    g.Wektor.y -= tau * c.Predkosc.y;
    g.Wektor.z -= tau * c.Predkosc.z;
  } else if (tryb == TTrybGeocentryczny::CzasSwiatlaIAberracja) {
    g.Wektor.x -= tau * (c.Predkosc.x + s.Predkosc.x);
    g.Wektor.y -= tau * (c.Predkosc.y + s.Predkosc.y);
    g.Wektor.z -= tau * (c.Predkosc.z + s.Predkosc.z);
  }
  return g;
}

TDeklinacjaPunktu DeklinacjaPunktu(double lambda, double T, const TObrotyDaty& obroty) {
  constexpr double Rok = 365.2425;
  const int rok = DataZMJD(T * DniWStuleciu + MJDEpokiJ2000).Rok;
  const double mjd0 = ObliczMJD(20, 3, rok, 12.0);
  double t = lambda / DwaPi * Rok;
  double ls = 0.0, bs = 0.0, rs = 1.0;
  // Each step removes the remaining difference of at most half a revolution;
  // the cap only guards against a non-finite longitude.
  for (int krok = 0; krok < 50; ++krok) {
    SunSeries((mjd0 + t - MJDEpokiJ2000) / DniWStuleciu, ls, bs, rs);
    double d = std::remainder(lambda - ls, DwaPi);
    if (d <= -Pi) {
      d += DwaPi;
    }
    if (std::fabs(d) <= 1.43e-5) {
      break;
    }
    t += d / DwaPi * Rok;
  }
  const TGeocentryczne g =
      Geocentryczne(T, 0.0, 0.0, 0.0, ls, bs, rs, CialoSlonce, TTrybGeocentryczny::Geometryczny);
  const TPozornie p = Pozornie(obroty, g.Wektor);
  return {p.Deklinacja, p.Szer};
}

TDeklinacjaPunktu DeklinacjaPunktu(double lambda, double T) {
  return DeklinacjaPunktu(lambda, T, ObrotyDaty(T));
}

bool CzyRetro(double dlug1, double dlug2) {
  auto zakres = [](double s) {
    s = std::fmod(s, 360.0);
    return s < 0.0 ? s + 360.0 : s;
  };
  dlug1 = zakres(dlug1);
  dlug2 = zakres(dlug2);
  if (dlug1 > 350.0 && dlug2 < 10.0) {
    return false;
  }
  if (dlug2 > 350.0 && dlug1 < 10.0) {
    return true;
  }
  return dlug1 >= dlug2;
}

void ObliczPozycje(const TMomentUrodz& moment, TPozycjeCial& p) {
  const TDataUT ut = RozbijDate(moment);
  const double mjd = ObliczMJD(ut.Dzien, ut.Miesiac, ut.Rok, ut.Godziny);
  const double tUrodz = T2000ZMJD(mjd);
  const bool plutonZSzeregu = tUrodz > -1.1 && tUrodz < 1.0;

  for (int przebieg = 0; przebieg < 2; ++przebieg) {
    const bool pierwszy = przebieg == 0;
    const double T = T2000ZMJD(pierwszy ? mjd : mjd + MinutyPozniej);
    const TObrotyDaty obroty = ObrotyDaty(T);
    double ls, bs, rs;
    SunSeries(T, ls, bs, rs);
    auto zapisz = [&](int punkt, const TPozornie& poz) {
      (pierwszy ? p.DlugEkl : p.DlugEklPozniej)[punkt] = poz.Dlug;
      (pierwszy ? p.Deklinacja : p.DeklinacjaPozniej)[punkt] = poz.Deklinacja;
      if (pierwszy) {
        p.SzerEkl[punkt] = poz.Szer;
      }
    };
    const int ostatnie = plutonZSzeregu ? CialoPluton : CialoNeptun;
    for (int k = CialoSlonce; k <= ostatnie; ++k) {
      if (k == CialoZiemia) {
        continue; // only the other bodies' reference point
      }
      double l, b, r;
      SzeregCiala(k, T, l, b, r);
      const TGeocentryczne g =
          Geocentryczne(T, l, b, r, ls, bs, rs, k, TTrybGeocentryczny::CzasSwiatlaIAberracja);
      zapisz(PunktCiala(k), Pozornie(obroty, g.Wektor));
    }
    // The Moon: no light time or aberration.
    const TKsiezyc ks = MoonSeries(T);
    zapisz(Ksiezyc, Pozornie(obroty, Kartezjanskie(ks.R, ks.Szer, ks.Dlug)));
    zapisz(WezelPolnocny, {ks.Wezel, ks.SzerWezla, ks.DeklinacjaWezla});
  }

  for (int i = 1; i <= 13; ++i) {
    p.Retro[i] = false;
  }
  for (int i = Merkury; i <= Pluton; ++i) {
    p.Retro[i] = CzyRetro(NaStopnie(p.DlugEkl[i]), NaStopnie(p.DlugEklPozniej[i]));
  }
  for (int i = Slonce; i <= WezelPolnocny; ++i) {
    p.DlugEkl[i] = NaStopnieZakres(p.DlugEkl[i]);
    p.DlugEklPozniej[i] = NaStopnieZakres(p.DlugEklPozniej[i]);
    p.SzerEkl[i] = NaStopnie(p.SzerEkl[i]);
    p.Deklinacja[i] = NaStopnie(p.Deklinacja[i]);
    p.DeklinacjaPozniej[i] = NaStopnie(p.DeklinacjaPozniej[i]);
  }

  auto naprzeciw = [](double s) { return s + 180.0 >= 360.0 ? s + 180.0 - 360.0 : s + 180.0; };
  p.DlugEkl[WezelPoludniowy] = naprzeciw(p.DlugEkl[WezelPolnocny]);
  p.DlugEklPozniej[WezelPoludniowy] = naprzeciw(p.DlugEklPozniej[WezelPolnocny]);
  p.SzerEkl[WezelPoludniowy] = -p.SzerEkl[WezelPolnocny];
  p.Deklinacja[WezelPoludniowy] = -p.Deklinacja[WezelPolnocny];
  p.DeklinacjaPozniej[WezelPoludniowy] = -p.DeklinacjaPozniej[WezelPolnocny];

  if (!plutonZSzeregu) {
    const TPlutonDlugookresowy pl = PlutonDlugookresowy(ut.Rok, ut.Miesiac, ut.Dzien, ut.Godziny);
    p.DlugEkl[Pluton] = pl.Dlug;
    p.DlugEklPozniej[Pluton] = pl.Dlug;
    p.SzerEkl[Pluton] = pl.Szer;
    p.Deklinacja[Pluton] = pl.Deklinacja;
    p.DeklinacjaPozniej[Pluton] = pl.DeklinacjaPozniej;
    p.Retro[Pluton] = pl.Retro; // the theory's own 33-minute step
  }

  if (moment.CzasNieznany) {
    for (int i = Ascendent; i <= IC; ++i) {
      p.DlugEkl[i] = p.DlugEklPozniej[i] = p.SzerEkl[i] = 0.0;
      p.Deklinacja[i] = p.DeklinacjaPozniej[i] = 0.0;
    }
    return;
  }
  const TObrotyDaty obroty = ObrotyDaty(tUrodz);
  for (int i = Ascendent; i <= IC; ++i) {
    const TDeklinacjaPunktu d = DeklinacjaPunktu(p.DlugEkl[i], tUrodz, obroty);
    p.DlugEkl[i] = NaStopnieZakres(p.DlugEkl[i]);
    p.Deklinacja[i] = NaStopnie(d.Deklinacja);
    p.SzerEkl[i] = NaStopnie(d.Szer);
    const TDeklinacjaPunktu dp = DeklinacjaPunktu(p.DlugEklPozniej[i], tUrodz, obroty);
    p.DlugEklPozniej[i] = NaStopnieZakres(p.DlugEklPozniej[i]);
    p.DeklinacjaPozniej[i] = NaStopnie(dp.Deklinacja);
  }
}

} // namespace obliczenia
