#include "czcionki.h"
#include "grafika_porown.h"
#include "plotno.h"

namespace grafika {

double DlugoscPunktuPorown(const wykres::TWykresUrodz& wykres, int n) {
  if (n <= 10)
    return wykres.DlugEkl[n];
  return n == 11 ? wykres.Wierzcholek[1] : wykres.Wierzcholek[4] + 180.0;
}

QPicture RysujKoloPorown(TStanGrafikiPorown& stan, const wykres::TWykresUrodz& wykres1,
                         const wykres::TWykresUrodz& wykres2, const TAspektyPorown& aspekty,
                         TProstokatySymboliPorown& prostokatySymboli,
                         TProstokatyKropekPorown& prostokatyKropek) {
  const int S = RozmiarKola;
  const int R0 = Zaokr(S / 2.0);
  const double a = 0.08 * S;
  const double b = 0.14 * S;
  const double cc = 0.14 * S;
  const double w = 0.015 * S;
  const int d = Zaokr(0.4 * w);
  const double R1 = R0 - b;
  const double R2 = R1 - w;
  const double R3 = R2 - a;
  const double R4 = R3 - w;
  const double R5 = R4 - cc;
  const double R6 = R5 - w / 1.5;
  TGeometriaKola& kolo = stan.Kolo;
  const TPaletaWykresu& paleta = stan.Paleta;
  kolo.SrodekX = R0;
  kolo.SrodekY = R0;
  kolo.Obrot = -wykres1.Wierzcholek[1];

  QPicture obraz;
  {
    TPlotno c(obraz, S, S);
    if (!paleta.TrybDruku)
      c.WypelnijProstokat(0, 0, S, S);
    c.UstawStylPedzla(TStylPedzla::Pusty);
    const auto linia = [&](QPoint p, QPoint q) {
      c.PrzesunDo(p.x(), p.y());
      c.LiniaDo(q.x(), q.y());
    };

    for (const double i : {0.0, b, b + w, b + w + a, b + 2 * w + a, b + 2 * w + a + cc,
                           b + 2 * w + a + cc + w / 1.5})
      c.Elipsa(Zaokr(i), Zaokr(i), Zaokr(S - i), Zaokr(S - i));

    c.UstawCzcionkePunkty(CzcionkaSymboli, Zaokr(0.6 * a));
    c.UstawKolorCzcionki(paleta.KolorZnakow);
    int W = c.RozmiarCzcionki();
    int H = c.WysokoscCzcionki();
    for (int s = 1; s <= 12; ++s) {
      const double theta = 30.0 * (s - 1);
      linia(PunktNaKole(kolo, theta, R1), PunktNaKole(kolo, theta, R4));
      for (int k = 1; k <= 5; ++k) {
        const double t = theta + 5 * k;
        const bool parzysty = k % 2 == 0;
        linia(PunktNaKole(kolo, t, parzysty ? R1 : R2 + w / 4), PunktNaKole(kolo, t, R2));
        linia(PunktNaKole(kolo, t, parzysty ? R3 : R4 + w / 4), PunktNaKole(kolo, t, R4));
      }
      const QPoint p = PunktNaKole(kolo, 30.0 * (s - 0.5), R2 - a / 2);
      c.Tekst(p.x() - Zaokr(W / 2.0), p.y() - Zaokr(H / 2.0),
              QString(QLatin1Char(ZnakiZodiaku[s])));
    }

    const int grubaOs = 10;
    for (int j = 1; j <= 6; ++j) {
      if (j == 1)
        c.UstawPioro(paleta.KolorOsiAsc, grubaOs);
      else if (j == 4)
        c.UstawPioro(paleta.KolorOsiMC, grubaOs);
      else
        c.UstawPioro(Qt::black, 1);
      const double wj = wykres1.Wierzcholek[j];
      linia(PunktNaKole(kolo, wj, R4), PunktNaKole(kolo, wj, R5));
      linia(PunktNaKole(kolo, wj + 180, R4), PunktNaKole(kolo, wj + 180, R5));
    }
    for (int j = 1; j <= 6; ++j) {
      const double wj = wykres2.Wierzcholek[j];
      double wciecie = 0;
      if (j == 1) {
        c.UstawPioro(paleta.KolorOsiAsc, 1);
        c.UstawPedzel(paleta.KolorOsiAsc, TStylPedzla::Pelny);
        c.Wielokat({PunktNaKole(kolo, wj, R0), PunktNaKole(kolo, wj + 1.5, 0.92 * R0),
                    PunktNaKole(kolo, wj - 1.5, 0.92 * R0)});
        c.UstawStylPedzla(TStylPedzla::Pusty);
        c.UstawGruboscPiora(grubaOs);
        wciecie = grubaOs / 2.0;
      } else if (j == 4) {
        c.UstawPioro(paleta.KolorOsiMC, grubaOs);
        wciecie = grubaOs / 2.0;
      } else {
        c.UstawPioro(Qt::black, 1);
      }
      linia(PunktNaKole(kolo, wj, R0 - wciecie), PunktNaKole(kolo, wj, R1 + wciecie));
      linia(PunktNaKole(kolo, wj + 180, R0 - wciecie), PunktNaKole(kolo, wj + 180, R1 + wciecie));
    }
    c.UstawPioro(Qt::black, 1);

    c.UstawCzcionkePunkty(CzcionkaSymboli, Zaokr(0.57 * a));
    W = c.RozmiarCzcionki();
    H = c.WysokoscCzcionki();
    TRegulaRozsuwania regula1{
        R4 - H / 3.0 - W / 4.0, double(Zaokr(0.7 * W)), double(Zaokr(0.7 * H)), 0.2 * W, double(W),
        Zaokr(W / 2.0),         Zaokr(H / 2.0)};
    TRegulaRozsuwania regula2 = regula1;
    regula2.PromienStartu = R0 - H / 3.0 - W / 4.0;
    std::vector<QPoint> polozone[2];
    const int przesuniecie = Zaokr(0.1 * W);
    for (int p = 1; p <= 12; ++p) {
      for (int osoba = 0; osoba < 2; ++osoba) {
        const wykres::TWykresUrodz& wyk = osoba == 0 ? wykres1 : wykres2;
        const int e = osoba == 0 ? p : 12 + p;
        const char znak = ZnakiPunktow[p];
        const bool wezel = znak == '>' || znak == '?';
        c.UstawCzcionkePunkty(CzcionkaSymboli, wezel ? Zaokr(0.7 * 0.57 * a) : Zaokr(0.57 * a));
        c.UstawKolorCzcionki(KolorZnakuPunktu(paleta, znak));

        const double rk = osoba == 0 ? R4 + w / 2 : R2 + w / 2;
        const TPudelko k = PudelkoKropki(PunktNaKole(kolo, wyk.DlugEkl[p], rk), d);
        c.UstawPedzel(c.KolorPiora(), TStylPedzla::Pelny);
        c.Elipsa(k.L, k.T, k.R, k.B);
        c.UstawStylPedzla(TStylPedzla::Pusty);
        prostokatyKropek[e] = Ulamki(k.L, k.T, k.R, k.B, S);

        const QPoint xy =
            RozsunZnak(kolo, wyk.DlugEkl[p], polozone[osoba], osoba == 0 ? regula1 : regula2);
        polozone[osoba].push_back(xy);
        const QString tekst{QLatin1Char(znak)};
        prostokatySymboli[e] = Ulamki(xy.x(), xy.y(), xy.x() + c.SzerokoscTekstu(tekst),
                                      xy.y() + c.WysokoscTekstu(tekst), S);
        c.Tekst(xy.x() + przesuniecie, xy.y(), tekst);
      }
    }

    for (int pa = 1; pa <= 12; ++pa) {
      for (int pb = 1; pb <= 12; ++pb) {
        const wykres::TAspekt& asp = aspekty[(pa - 1) * 12 + pb];
        if (WpisZnakuAspektu(asp.Rodzaj) == 0 || asp.Odchylenie > 3)
          continue;
        QColor kolor;
        if (asp.Rodzaj == 7 || asp.Rodzaj == 11)
          kolor = paleta.KolorHarmonijny;
        else if (asp.Rodzaj == 9 || asp.Rodzaj == 15)
          kolor = paleta.KolorNapiety;
        else
          continue;
        const QPoint od = PunktNaKole(kolo, DlugoscPunktuPorown(wykres1, pa), R6);
        const QPoint dokad = PunktNaKole(kolo, DlugoscPunktuPorown(wykres2, pb), R5);
        c.UstawPioro(kolor, 1);
        linia(od, dokad);
        c.UstawPioro(Qt::black, 1);
        c.UstawPedzel(Qt::black, TStylPedzla::Pelny);
        for (const QPoint& q : {od, dokad}) {
          const TPudelko k = PudelkoKropki(q, d);
          c.Elipsa(k.L, k.T, k.R, k.B);
        }
        c.UstawStylPedzla(TStylPedzla::Pusty);
      }
    }
  }
  return obraz;
}

} // namespace grafika
