#include "czcionki.h"
#include "grafika_porown.h"
#include "plotno.h"

namespace grafika {

namespace {

QString Znak(char z) {
  return QString(QLatin1Char(z));
}

void Linia(TPlotno& c, int x1, int y1, int x2, int y2) {
  c.PrzesunDo(x1, y1);
  c.LiniaDo(x2, y2);
}

struct TSiatka {
  double rowH, colW;
  int rowInt;
};

TSiatka SiatkaTrzynascie(int W2, int H2, long double& ulamekKolumny, long double& ulamekWiersza) {
  TSiatka s{H2 / 13.0, W2 / 13.0, 0};
  s.rowInt = Zaokr(0.9 * s.rowH);
  ulamekWiersza = static_cast<long double>(s.rowH) / H2;
  ulamekKolumny = static_cast<long double>(s.colW) / W2;
  return s;
}

void LinieSiatki(TPlotno& c, const TSiatka& s, int H2) {
  for (int i = 1; i <= 14; ++i)
    Linia(c, 0, Zaokr((i - 1) * s.rowH), Zaokr(13 * s.colW), Zaokr((i - 1) * s.rowH));
  Linia(c, 0, 0, 0, H2);
  for (int i = 1; i <= 13; ++i)
    Linia(c, Zaokr(i * s.colW), 0, Zaokr(i * s.colW), H2);
}

// Sets the label font and colour; returns the label of a grid point, where
// `naGlifie` says up to which point the label is a glyph (the rest ASC, MC).
QString Etykieta(TPlotno& c, const TPaletaWykresu& paleta, const TSiatka& s, int punkt,
                 int naGlifie) {
  if (punkt <= naGlifie) {
    c.UstawCzcionkeWysokosc(CzcionkaSymboli, Zaokr(0.8 * s.rowInt));
    c.UstawKolorCzcionki(KolorZnakuPunktu(paleta, ZnakiPunktow[punkt]));
    return Znak(ZnakiPunktow[punkt]);
  }
  c.UstawCzcionkeWysokosc(CzcionkaTekstu, Zaokr(0.8 * s.rowInt));
  c.UstawKolorCzcionki(paleta.KolorWezlow);
  return punkt == naGlifie + 1 ? QStringLiteral("ASC") : QStringLiteral("MC");
}

// Glyph and orb of one aspect in row r, column c (1-based, headers included).
void RysujAspekt(TPlotno& c, const TPaletaWykresu& paleta, const TSiatka& s,
                 const wykres::TAspekt& asp, int wiersz, int kolumna) {
  c.UstawCzcionkeWysokosc(CzcionkaSymboli, Zaokr(0.8 * s.rowInt));
  c.UstawPodkreslenie(false);
  c.UstawKolorCzcionki(KolorAspektu(paleta, asp.Rodzaj));
  const QString znak = Znak(ZnakiAspektow[WpisZnakuAspektu(asp.Rodzaj)].Znak);
  const int t = c.WysokoscTekstu(znak);
  int x = Zaokr((kolumna - 1) * s.colW + 0.3 * s.colW);
  const int y = Zaokr(t / 7.0 + (wiersz - 1) * s.rowH);
  c.Tekst(x, y, znak);
  x += Zaokr(0.4 * s.colW);
  const int wysokoscZnaku = c.WysokoscCzcionki();
  c.UstawCzcionkeWysokosc(CzcionkaTekstu, Zaokr((paleta.TrybDruku ? 0.8 : 0.85) * wysokoscZnaku));
  c.UstawKolorCzcionki(Qt::black);
  c.UstawPodkreslenie(asp.Zbliza);
  c.Tekst(x, y, TekstOrbu(asp.Odchylenie));
  c.UstawPodkreslenie(false);
}

// Grid points 11, 12, 13 are the chart's North Node, Ascendant and Midheaven.
int PunktWykresu(int punktSiatki) {
  return punktSiatki <= 11 ? punktSiatki : (punktSiatki == 12 ? 13 : 15);
}

} // namespace

QPicture RysujTabeleAspektowPorown(TStanGrafikiPorown& stan, const TAspektyPorown& aspekty, int W2,
                                   int H2, long double& ulamekKolumny, long double& ulamekWiersza) {
  const TSiatka s = SiatkaTrzynascie(W2, H2, ulamekKolumny, ulamekWiersza);
  const TPaletaWykresu& paleta = stan.Paleta;
  QPicture obraz;
  {
    TPlotno c(obraz, W2, H2);
    c.UstawStylPedzla(TStylPedzla::Pusty);
    LinieSiatki(c, s, H2);
    c.UstawGruboscPiora(3);
    c.Prostokat(1, 0, Zaokr(s.colW), H2);
    c.Prostokat(1, 0, W2, Zaokr(s.rowH));
    c.UstawGruboscPiora(1);

    for (int i = 1; i <= 12; ++i) {
      const QString e = Etykieta(c, paleta, s, i, 10);
      const int tw = c.SzerokoscTekstu(e);
      const int th = c.WysokoscTekstu(e);
      c.Tekst(Zaokr(i * s.colW + s.colW / 2 - tw / 2.0), Zaokr(th / 7.0), e);
      c.Tekst(Zaokr(s.colW / 2 - tw / 2.0), Zaokr(th / 7.0 + i * s.rowH), e);
    }

    int zapisane = 0;
    for (int k = 1; k <= 144; ++k) {
      const wykres::TAspekt& asp = aspekty[k];
      if (WpisZnakuAspektu(asp.Rodzaj) == 0)
        continue;
      const int r = 2 + (k - 1) / 12;
      const int col = 2 + (k - 1) % 12;
      RysujAspekt(c, paleta, s, asp, r, col);
      stan.ListaAspektowPorown[++zapisane] = {col - 1, r - 1, asp.Rodzaj + 1};
    }
    for (int k = zapisane + 1; k <= 144; ++k)
      stan.ListaAspektowPorown[k] = {};
  }
  return obraz;
}

QPicture RysujTabeleAspektowUrodz(TStanGrafikiPorown& stan, const wykres::TWykresUrodz& wykres1,
                                  const wykres::TWykresUrodz& wykres2, int W2, int H2,
                                  long double& ulamekKolumny, long double& ulamekWiersza) {
  const TSiatka s = SiatkaTrzynascie(W2, H2, ulamekKolumny, ulamekWiersza);
  const TPaletaWykresu& paleta = stan.Paleta;
  QPicture obraz;
  {
    TPlotno c(obraz, W2, H2);
    c.UstawStylPedzla(TStylPedzla::Pusty);
    LinieSiatki(c, s, H2);
    c.UstawGruboscPiora(3);
    for (int i = 1; i <= 13; ++i)
      c.Prostokat(Zaokr((i - 1) * s.colW) + 1, Zaokr((i - 1) * s.rowH), Zaokr(i * s.colW) + 1,
                  Zaokr(i * s.rowH));
    c.UstawGruboscPiora(1);

    for (int i = 1; i <= 13; ++i) {
      const QString e = Etykieta(c, paleta, s, i, 11);
      const int tw = c.SzerokoscTekstu(e);
      const int th = c.WysokoscTekstu(e);
      c.Tekst(Zaokr((i - 1) * s.colW + s.colW / 2 - tw / 2.0), Zaokr(th / 7.0 + (i - 1) * s.rowH),
              e);
    }

    stan.ListaAspektowUrodz1 = {};
    stan.ListaAspektowUrodz2 = {};
    int zapisane[2] = {0, 0};
    for (int col = 1; col <= 11; ++col) {
      for (int r = col + 1; r <= 13; ++r) {
        const int slot = wykres::SlotWykresu(PunktWykresu(col), PunktWykresu(r));
        for (int osoba = 0; osoba < 2; ++osoba) {
          const wykres::TAspekt& asp = (osoba == 0 ? wykres1 : wykres2).Aspekty[slot];
          if (WpisZnakuAspektu(asp.Rodzaj) == 0)
            continue;
          if (osoba == 0)
            RysujAspekt(c, paleta, s, asp, r, col);
          else
            RysujAspekt(c, paleta, s, asp, col, r);
          auto& lista = osoba == 0 ? stan.ListaAspektowUrodz1 : stan.ListaAspektowUrodz2;
          lista[++zapisane[osoba]] = {col, r, asp.Rodzaj + 1};
        }
      }
    }
  }
  return obraz;
}

TTablicaOd1<int, 8> PoliczAspektyPorown(const TAspektyPorown& aspekty) {
  static constexpr int rodzaje[7] = {0, 2, 7, 9, 11, 14, 15};
  TTablicaOd1<int, 8> liczby{};
  for (const wykres::TAspekt& a : aspekty)
    for (int i = 0; i < 7; ++i)
      if (a.Rodzaj == rodzaje[i]) {
        ++liczby[i + 1];
        ++liczby[8];
      }
  return liczby;
}

QPicture RysujSumeAspektow(const TPaletaWykresu& paleta, const TAspektyPorown& aspekty, int W2,
                           int H2) {
  const double rowH = H2 / 9.0;
  const int fontH = Zaokr(0.95 * rowH);
  const double half = W2 / 2.0;
  const TTablicaOd1<int, 8> liczby = PoliczAspektyPorown(aspekty);
  QPicture obraz;
  {
    TPlotno c(obraz, W2, H2);
    c.UstawStylPedzla(TStylPedzla::Pusty);
    for (const int y : {0, Zaokr(rowH), Zaokr(8 * rowH), H2})
      Linia(c, 0, y, W2, y);
    Linia(c, 0, 0, 0, H2);
    Linia(c, W2, 0, W2, H2);
    Linia(c, Zaokr(half), Zaokr(rowH), Zaokr(half), H2);

    c.UstawCzcionkeWysokosc(CzcionkaTekstu, fontH);
    c.UstawKolorCzcionki(Qt::black);
    const QString naglowek = QStringLiteral("Aspekty");
    c.Tekst(Zaokr(W2 / 2.0 - c.SzerokoscTekstu(naglowek) / 2.0), 0, naglowek);
    const QString suma = QStringLiteral("suma");
    c.Tekst(Zaokr(half / 2 - c.SzerokoscTekstu(suma) / 2.0), Zaokr(8 * rowH), suma);

    struct TWiersz {
      char Znak;
      QColor Kolor;
    };
    const TWiersz wiersze[7] = {{'@', paleta.KolorSwiatel},    {'A', paleta.KolorHarmonijny},
                                {'C', paleta.KolorHarmonijny}, {'D', paleta.KolorNapiety},
                                {'E', paleta.KolorHarmonijny}, {'G', paleta.KolorNapiety},
                                {'H', paleta.KolorNapiety}};
    for (int i = 1; i <= 8; ++i) {
      c.UstawCzcionkeWysokosc(CzcionkaTekstu, fontH);
      c.UstawKolorCzcionki(Qt::black);
      const QString liczba = QString::number(liczby[i]);
      const int z = c.SzerokoscTekstu(QStringLiteral("0"));
      c.Tekst(Zaokr(half + half / 1.7 - z / 2.0) - z * (static_cast<int>(liczba.size()) - 1),
              Zaokr(i * rowH), liczba);
      if (i == 8)
        break;
      c.UstawCzcionkeWysokosc(CzcionkaSymboli, Zaokr(0.95 * fontH));
      c.UstawKolorCzcionki(wiersze[i - 1].Kolor);
      const QString znak = Znak(wiersze[i - 1].Znak);
      c.Tekst(Zaokr(half / 2 - c.SzerokoscTekstu(znak) / 2.0),
              Zaokr(c.WysokoscTekstu(znak) / 13.0 + i * rowH), znak);
    }
  }
  return obraz;
}

QPicture RysujTabeleDomowPorown(const TPaletaWykresu& paleta, const wykres::TWykresUrodz& wykres,
                                int W2, int H2) {
  return RysujTabeleDomowUklad(paleta, wykres, W2, H2, UkladDomowPorown);
}

} // namespace grafika
