#include "kolo.h"

#include "czcionki.h"
#include "plotno.h"

#include <cmath>

namespace grafika {

TProstokatTrafienia Ulamki(int x1, int y1, int x2, int y2, int s) {
  const long double ls = s;
  return {x1 / ls, x2 / ls, y1 / ls, y2 / ls};
}

TPudelko PudelkoKropki(QPoint srodek, int d) {
  return {Zaokr(srodek.x() - d / 2.0), Zaokr(srodek.y() - d / 2.0), Zaokr(srodek.x() + d / 2.0),
          Zaokr(srodek.y() + d / 2.0)};
}

QPoint RozsunZnak(const TGeometriaKola& kolo, double dlugosc,
                  const std::vector<QPoint>& wczesniejsze, const TRegulaRozsuwania& regula) {
  double r = regula.PromienStartu;
  bool ustalony = false;
  for (;;) {
    const QPoint p = PunktNaKole(kolo, dlugosc, r) - QPoint(regula.PolowaW, regula.PolowaH);
    if (ustalony || wczesniejsze.empty())
      return p;
    bool kolizja = false;
    for (auto q = wczesniejsze.rbegin(); q != wczesniejsze.rend(); ++q) {
      if (std::abs(p.x() - q->x()) < regula.LimitX && std::abs(p.y() - q->y()) < regula.LimitY) {
        kolizja = true;
        break;
      }
    }
    if (!kolizja) {
      ustalony = true;
      continue;
    }
    r -= regula.Krok;
    if (r <= regula.Podloga) {
      r = regula.Podloga;
      ustalony = true;
    }
  }
}

QPicture RysujKolo(TStanGrafiki& stan, const wykres::TWykresUrodz& wykres,
                   TProstokatySymboli& prostokatySymboli, TProstokatyKropek& prostokatyKropek) {
  const int S = RozmiarKola;
  const int R0 = Zaokr(S / 2.0);
  const double w1 = 0.1 * S;
  const double w2 = 0.02 * S;
  const int d = Zaokr(0.3 * w2);
  const double Ri = R0 - w1 - w2;
  TGeometriaKola& kolo = stan.Kolo;
  const TPaletaWykresu& paleta = stan.Paleta;
  kolo.SrodekX = R0;
  kolo.SrodekY = R0;
  kolo.Obrot = -wykres.Wierzcholek[1];

  QPicture obraz;
  {
    TPlotno c(obraz, S, S);
    if (!paleta.TrybDruku)
      c.WypelnijProstokat(0, 0, S, S);
    c.UstawStylPedzla(TStylPedzla::Pusty);

    c.Elipsa(0, 0, S, S);
    c.Elipsa(Zaokr(w1), Zaokr(w1), Zaokr(S - w1), Zaokr(S - w1));
    c.Elipsa(Zaokr(w1 + w2), Zaokr(w1 + w2), Zaokr(S - w1 - w2), Zaokr(S - w1 - w2));

    c.UstawCzcionkePunkty(CzcionkaSymboli, Zaokr(0.6 * w1));
    c.UstawKolorCzcionki(paleta.KolorZnakow);
    int W = c.RozmiarCzcionki();
    int H = c.WysokoscCzcionki();
    const auto linia = [&](QPoint a, QPoint b) {
      c.PrzesunDo(a.x(), a.y());
      c.LiniaDo(b.x(), b.y());
    };
    for (int s = 1; s <= 12; ++s) {
      const double theta = 30.0 * (s - 1);
      linia(PunktNaKole(kolo, theta, R0), PunktNaKole(kolo, theta, Ri));
      for (int k = 1; k <= 5; ++k) {
        const double od = k % 2 == 0 ? R0 - w1 : Ri + w2 / 4;
        linia(PunktNaKole(kolo, theta + 5 * k, od), PunktNaKole(kolo, theta + 5 * k, Ri));
      }
      const QPoint p = PunktNaKole(kolo, 30.0 * (s - 0.5), R0 - w1 / 2);
      c.Tekst(p.x() - Zaokr(W / 2.0), p.y() - Zaokr(H / 2.0),
              QString(QLatin1Char(ZnakiZodiaku[s])));
    }

    for (int j = 1; j <= 6; ++j) {
      if (j == 1)
        c.UstawPioro(paleta.KolorOsiAsc, Zaokr(0.005 * S));
      else if (j == 4)
        c.UstawPioro(paleta.KolorOsiMC, Zaokr(0.005 * S));
      else
        c.UstawPioro(Qt::black, 1);
      linia(PunktNaKole(kolo, wykres.Wierzcholek[j], Ri),
            PunktNaKole(kolo, wykres.Wierzcholek[j] + 180, Ri));
    }
    c.UstawPioro(Qt::black, 1);

    c.UstawKolorCzcionki(Qt::black);
    c.UstawCzcionkePunkty(CzcionkaSymboli, Zaokr(0.5 * w1));
    W = c.RozmiarCzcionki();
    H = c.WysokoscCzcionki();
    const TRegulaRozsuwania regula{
        Ri - H / 2.0 - W / 4.0, 0.7 * W,       0.7 * H, 0.2 * W, double(W),
        Zaokr(W / 2.0),         Zaokr(H / 2.0)};
    std::vector<QPoint> polozone;
    for (int p = 1; p <= 12; ++p) {
      const char znak = ZnakiPunktow[p];
      const bool wezel = znak == '>' || znak == '?';
      c.UstawCzcionkePunkty(CzcionkaSymboli, wezel ? Zaokr(0.7 * 0.5 * w1) : Zaokr(0.5 * w1));
      c.UstawKolorCzcionki(KolorZnakuPunktu(paleta, znak));

      const TPudelko k = PudelkoKropki(PunktNaKole(kolo, wykres.DlugEkl[p], Ri + w2 / 2), d);
      c.UstawPedzel(c.KolorPiora(), TStylPedzla::Pelny);
      c.Elipsa(k.L, k.T, k.R, k.B);
      c.UstawStylPedzla(TStylPedzla::Pusty);
      prostokatyKropek[p] = Ulamki(k.L, k.T, k.R, k.B, S);

      const QPoint xy = RozsunZnak(kolo, wykres.DlugEkl[p], polozone, regula);
      polozone.push_back(xy);
      const QString tekst{QLatin1Char(znak)};
      prostokatySymboli[p] = Ulamki(xy.x(), xy.y(), xy.x() + c.SzerokoscTekstu(tekst),
                                    xy.y() + c.WysokoscTekstu(tekst), S);
      c.Tekst(xy.x(), xy.y(), tekst);
    }

    const TPudelko asc = PudelkoKropki(PunktNaKole(kolo, wykres.Wierzcholek[1], Ri), d);
    prostokatyKropek[13] = Ulamki(asc.L, asc.T, asc.R, asc.B, S);
    const TPudelko mc = PudelkoKropki(PunktNaKole(kolo, wykres.Wierzcholek[4] + 180, Ri), d);
    prostokatyKropek[14] = Ulamki(mc.L, mc.T, mc.R, mc.B, S);
  }
  return obraz;
}

} // namespace grafika
