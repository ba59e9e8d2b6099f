#include "domy.h"

#include "czas.h"
#include "katy.h"

#include <cmath>
#include <cstdio>

namespace obliczenia {

namespace {

constexpr double Minuty33 = 33.0 / 1440.0;

double WschodzacyPunkt(double ramc, double eps, double szer) {
  return ZakresDwaPi(
      Atan2(std::cos(ramc), -(std::sin(eps) * Tangens(szer) + std::sin(ramc) * std::cos(eps))));
}

double Srodek(double ramc, double eps) {
  return ZakresDwaPi(Atan2(std::sin(ramc), std::cos(ramc) * std::cos(eps)));
}

// Longitude of the ecliptic point with right ascension r.
double DlugoscZRektascensji(double r, double eps) {
  return ZakresDwaPi(Atan2(std::sin(r), std::cos(r) * std::cos(eps)));
}

double OdlegloscKatow(double a, double b) {
  const double d = std::fabs(a - b);
  return d > Pi ? DwaPi - d : d;
}

struct TCztery {
  double c2, c3, c11, c12;
};

// Placidus: each cusp trisects its semi-arc in right ascension, found by
// fixed-point rounds. Ten rounds settle low latitudes; near the polar circles
// the contraction is slow, so the rounds go on until the step is negligible.
std::optional<TCztery> Placidus(double ramc, double eps, double szer) {
  if (szer == 0.0) {
    szer = 1e-9;
  }
  const double k = std::tan(eps) * Tangens(szer);
  struct TWiersz {
    double Start, F;
    bool Gorna;
  };
  const TWiersz wiersze[4] = {{NaRadiany(120.0), 1.5, false},
                              {NaRadiany(150.0), 3.0, false},
                              {NaRadiany(30.0), 3.0, true},
                              {NaRadiany(60.0), 1.5, true}};
  double wynik[4];
  for (int i = 0; i < 4; ++i) {
    const TWiersz& w = wiersze[i];
    double r = ramc + w.Start;
    for (int runda = 0; runda < 200; ++runda) {
      double x = std::sin(r) * k;
      if (w.Gorna) {
        x = -x;
      }
      if (!(std::fabs(x) <= 1.0)) {
        return std::nullopt;
      }
      const double a = ArcCos(x);
      const double nowe = w.Gorna ? ramc + a / w.F : ramc + Pi - a / w.F;
      const double krok = std::fabs(nowe - r);
      r = nowe;
      if (runda >= 9 && krok < 1e-11) {
        break;
      }
    }
    wynik[i] = DlugoscZRektascensji(r, eps);
  }
  return TCztery{wynik[0], wynik[1], wynik[2], wynik[3]};
}

double KlinPolozenia(double s, double h, double szer, double eps) {
  return ZakresDwaPi(Atan2(std::sin(s), std::cos(s) * std::cos(eps) -
                                            std::sin(h) * Tangens(szer) * std::sin(eps)));
}

TCztery Regiomontanus(double ramc, double eps, double szer) {
  if (szer == 0.0) {
    szer = 1e-8;
  }
  auto klin = [&](double stopnie) {
    const double h = NaRadiany(stopnie);
    return KlinPolozenia(ramc + h, h, szer, eps);
  };
  return {klin(120.0), klin(150.0), klin(30.0), klin(60.0)};
}

TCztery Campanus(double ramc, double eps, double szer) {
  if (szer == 0.0) {
    szer = 1e-8;
  }
  auto klin = [&](double stopnie) {
    const double h = NaRadiany(stopnie);
    double a = std::atan(Tangens(h) * std::cos(szer));
    if (a < 0.0) {
      a += Pi;
    }
    const double s = ramc + a;
    return ZakresDwaPi(Atan2(std::sin(s), std::cos(s) * std::cos(eps) -
                                              std::sin(a) * Tangens(szer) * std::sin(eps)));
  };
  return {klin(120.0), klin(150.0), klin(30.0), klin(60.0)};
}

std::optional<TCztery> Koch(double ramc, double eps, double szer) {
  if (szer == 0.0) {
    szer = 1e-8;
  }
  const double m = Srodek(ramc, eps);
  const double delta = ArcSin(std::sin(eps) * std::sin(m));
  const double x = Tangens(szer) * Tangens(delta);
  if (!(std::fabs(x) <= 1.0)) {
    return std::nullopt;
  }
  const double ad = ArcSin(x);
  const double st30 = NaRadiany(30.0);
  const double st60 = NaRadiany(60.0);
  TCztery c{WschodzacyPunkt(ramc + st30 + ad / 3.0, eps, szer),
            WschodzacyPunkt(ramc + st60 + 2.0 * ad / 3.0, eps, szer),
            WschodzacyPunkt(ramc - st60 - 2.0 * ad / 3.0, eps, szer),
            WschodzacyPunkt(ramc - st30 - ad / 3.0, eps, szer)};
  const double asc = WschodzacyPunkt(ramc, eps, szer);
  if (OdlegloscKatow(c.c11, m) > Pi / 2.0) {
    c.c11 = ZakresDwaPi(c.c11 + Pi);
  }
  if (OdlegloscKatow(c.c12, c.c11) > Pi / 2.0) {
    c.c12 = ZakresDwaPi(c.c12 + Pi);
  }
  if (OdlegloscKatow(c.c2, asc) > Pi / 2.0) {
    c.c2 = ZakresDwaPi(c.c2 + Pi);
  }
  if (OdlegloscKatow(c.c3, c.c2) > Pi / 2.0) {
    c.c3 = ZakresDwaPi(c.c3 + Pi);
  }
  return c;
}

// Cusps and angles of one moment, or the failure.
std::optional<TWierzcholkiDomow> JedenMoment(double jd, double godzinyUT, const TMomentUrodz& m,
                                             char system) {
  const double t = T1900ZJD(jd);
  const double eps = NaRadiany(NachylenieDomow(t));
  double ramc = NaRadiany(KatGwiazdowy(t, godzinyUT, m.Dlug));
  if (ramc == 0.0) {
    ramc = 1e-9;
  }
  return WierzcholkiDomow(ramc, eps, NaRadiany(m.Szer / 60.0), system);
}

} // namespace

double NachylenieDomow(double t) {
  return 23.452294 - 0.0130125 * t - 0.00000164 * t * t + 0.000000503 * t * t * t;
}

std::optional<TWierzcholkiDomow> WierzcholkiDomow(double ramc, double eps, double szer,
                                                  char system) {
  std::optional<TCztery> c;
  switch (system) {
  case 'P':
    c = Placidus(ramc, eps, szer);
    break;
  case 'K':
    c = Koch(ramc, eps, szer);
    break;
  case 'R':
    c = Regiomontanus(ramc, eps, szer);
    break;
  case 'C':
    c = Campanus(ramc, eps, szer);
    break;
  default:
    break;
  }
  if (!c) {
    return std::nullopt;
  }
  TWierzcholkiDomow w;
  const double asc = WschodzacyPunkt(ramc, eps, szer);
  w.MC = Srodek(ramc, eps);
  const double polowa[6] = {asc,
                            c->c2,
                            c->c3,
                            ZakresDwaPi(w.MC + Pi),
                            ZakresDwaPi(c->c11 + Pi),
                            ZakresDwaPi(c->c12 + Pi)};
  for (int i = 0; i < 6; ++i) {
    w.Dom[static_cast<std::size_t>(i + 1)] = polowa[i];
    w.Dom[static_cast<std::size_t>(i + 7)] = ZakresDwaPi(polowa[i] + Pi);
  }
  return w;
}

std::optional<TBladDomow> ObliczDomy(const TMomentUrodz& moment, TPozycjeCial& pozycje,
                                     char system) {
  if (moment.CzasNieznany) {
    for (int i = 1; i <= LiczbaDomow; ++i) {
      pozycje.Domy[i] = 0.0;
      pozycje.DomyPozniej[i] = 0.0;
    }
    for (int p = Ascendent; p <= IC; ++p) {
      pozycje.DlugEkl[p] = 0.0;
      pozycje.DlugEklPozniej[p] = 0.0;
    }
    return std::nullopt;
  }
  const TDataUT ut = RozbijDate(moment);
  const double jd = ObliczJD(ut.Rok, ut.Miesiac, ut.Dzien, ut.Godziny);
  // The second pass is a real moment 33 minutes later, past midnight if need be.
  double godzinyPozniej = ut.Godziny + 33.0 / 60.0;
  if (godzinyPozniej >= 24.0) {
    godzinyPozniej -= 24.0;
  }
  const auto teraz = JedenMoment(jd, ut.Godziny, moment, system);
  const auto pozniej = JedenMoment(jd + Minuty33, godzinyPozniej, moment, system);
  if (!teraz || !pozniej) {
    TBladDomow b;
    b.Rodzaj = (system == 'P' || system == 'K' || system == 'R' || system == 'C')
                   ? TRodzajBleduDomow::BrakWierzcholkow
                   : TRodzajBleduDomow::NieznanySystem;
    b.System = system;
    b.Szerokosc = moment.Szer / 60.0;
    b.GranicaSzerokosci = 90.0 - NachylenieDomow(T1900ZJD(jd));
    return b;
  }
  auto zapisz = [](const TWierzcholkiDomow& w, TTablicaOd1<double, 12>& domy,
                   TTablicaOd1<double, 16>& dlug) {
    for (int i = 1; i <= LiczbaDomow; ++i) {
      domy[i] = NaStopnieZakres(w.Dom[static_cast<std::size_t>(i)]);
    }
    dlug[Ascendent] = w.Dom[1];
    dlug[Descendent] = w.Dom[7];
    dlug[MC] = w.MC;
    dlug[IC] = ZakresDwaPi(w.MC + Pi);
  };
  zapisz(*teraz, pozycje.Domy, pozycje.DlugEkl);
  zapisz(*pozniej, pozycje.DomyPozniej, pozycje.DlugEklPozniej);
  return std::nullopt;
}

std::string OpisBleduDomow(const TBladDomow& blad) {
  if (blad.Rodzaj == TRodzajBleduDomow::NieznanySystem) {
    return std::string("Nieznany system domów: „") + blad.System + "”.";
  }
  const char* nazwa = blad.System == 'K' ? "Kocha" : "Placidusa";
  auto stopnie = [](double s) {
    const double a = std::fabs(s);
    int st = static_cast<int>(a);
    int min = static_cast<int>(std::lround((a - st) * 60.0));
    if (min == 60) {
      min = 0;
      ++st;
    }
    char tekst[32];
    std::snprintf(tekst, sizeof tekst, "%d°%02d′", st, min);
    return std::string(tekst);
  };
  return std::string("Nie można wyznaczyć domów systemem ") + nazwa + " dla szerokości " +
         stopnie(blad.Szerokosc) + (blad.Szerokosc < 0.0 ? " S" : " N") +
         ". Ten system działa tylko do szerokości " + stopnie(blad.GranicaSzerokosci) +
         " na północ i na południe od równika; poza kołami podbiegunowymi wierzchołki "
         "jego domów nie istnieją.";
}

} // namespace obliczenia
