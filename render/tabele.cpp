#include "tabele.h"

#include "czcionki.h"
#include "plotno.h"

#include <algorithm>

namespace grafika {

namespace {

QString Znak(char z) {
  return QString(QLatin1Char(z));
}

bool ZnanyZnak(const wykres::TPozycjaWZnaku& poz) {
  return poz.Znak >= 1 && poz.Znak <= 12;
}

void Linia(TPlotno& c, int x1, int y1, int x2, int y2) {
  c.PrzesunDo(x1, y1);
  c.LiniaDo(x2, y2);
}

} // namespace

QString TekstOrbu(double odchylenie) {
  return QString::number(Zaokr(odchylenie));
}

QPicture RysujTabelePlanet(const TPaletaWykresu& paleta, const wykres::TWykresUrodz& wykres, int W2,
                           int H2) {
  const double rowH = H2 / 16.6;
  const double pad = 0.1 * rowH;
  const double headerLine = H2 / 15.0;
  const double col1 = 0.21 * W2;
  const int textX = Zaokr(col1 + 0.01 * 0.47 * W2);
  QPicture obraz;
  {
    TPlotno c(obraz, W2, H2);
    c.Wielokat({{0, 0}, {W2, 0}, {W2, H2}, {0, H2}});
    Linia(c, 0, Zaokr(headerLine), W2, Zaokr(headerLine));
    Linia(c, Zaokr(col1), Zaokr(headerLine), Zaokr(col1), H2);
    c.UstawStylPedzla(TStylPedzla::Pusty);

    const auto y = [&](int i) { return Zaokr((i + 1) * pad + i * rowH); };
    c.UstawCzcionkeWysokosc(CzcionkaTekstu, Zaokr(rowH));
    c.Tekst(Zaokr(W2 / 20.0), 0, QStringLiteral("Planety"));

    for (int i = 1; i <= 14; ++i) {
      wykres::TPozycjaWZnaku poz;
      if (i <= 12) {
        const char znak = ZnakiPunktow[i];
        c.UstawCzcionkeWysokosc(CzcionkaSymboli, Zaokr(0.85 * rowH));
        c.UstawKolorCzcionki(KolorZnakuPunktu(paleta, znak));
        c.Tekst(Zaokr((col1 - c.SzerokoscTekstu(Znak(znak))) / 2), y(i), Znak(znak));
        poz = wykres.PozycjaPunktu[i];
      } else {
        const QString etykieta = i == 13 ? QStringLiteral("ASC") : QStringLiteral("MC");
        c.UstawCzcionkeWysokosc(CzcionkaTekstu, Zaokr(0.85 * rowH));
        c.UstawKolorCzcionki(paleta.KolorWezlow);
        c.Tekst(Zaokr((col1 - c.SzerokoscTekstu(etykieta)) / 2), y(i), etykieta);
        poz = wykres.PozycjaDomu[i == 13 ? 1 : 10];
      }
      if (!ZnanyZnak(poz))
        continue; // angles of a chart without birth time
      int x = textX;
      c.UstawCzcionkeWysokosc(CzcionkaTekstu, Zaokr(rowH));
      c.UstawKolorCzcionki(Qt::black);
      const QString tekst =
          QStringLiteral("  ") + TekstStopni(true, poz.Stopien) + QLatin1Char(' ');
      c.Tekst(x, y(i), tekst);
      x += c.SzerokoscTekstu(tekst);
      c.UstawCzcionkeWysokosc(CzcionkaSymboli, Zaokr(0.85 * rowH));
      c.UstawKolorCzcionki(paleta.KolorZnakow);
      c.Tekst(x, y(i), Znak(ZnakiZodiaku[poz.Znak]));
      x += Zaokr(1.7 * c.RozmiarCzcionki());
      if (i >= 3 && i <= 10 && wykres.Retro[i]) {
        c.UstawCzcionkeWysokosc(CzcionkaTekstu, Zaokr(rowH));
        c.UstawKolorCzcionki(paleta.KolorRetro);
        c.Tekst(x, y(i), QStringLiteral("R"));
      }
    }
  }
  return obraz;
}

QPicture RysujTabeleDomowUklad(const TPaletaWykresu& paleta, const wykres::TWykresUrodz& wykres,
                               int W2, int H2, const TUkladTabeliDomow& uklad) {
  const double rowH = H2 / uklad.DzielnikWiersza;
  const double pad = 0.1 * rowH;
  const double headerLine = H2 / uklad.DzielnikNaglowka;
  const double col1 = 0.27 * W2;
  const double rest = W2 - col1;
  QPicture obraz;
  {
    TPlotno c(obraz, W2, H2);
    c.UstawStylPedzla(TStylPedzla::Pusty);
    c.Wielokat({{0, 0}, {W2, 0}, {W2, H2}, {0, H2}});
    Linia(c, 0, Zaokr(headerLine), W2, Zaokr(headerLine));
    Linia(c, Zaokr(col1), Zaokr(headerLine), Zaokr(col1), H2);

    const auto y = [&](int i) { return Zaokr((i + 1) * pad + i * rowH); };
    c.UstawCzcionkeWysokosc(CzcionkaTekstu, Zaokr(rowH));
    c.Tekst(Zaokr(W2 / 15.0), 0, QString::fromUtf8(uklad.Naglowek));
    for (int h = 1; h <= uklad.Liczba; ++h) {
      c.UstawCzcionkeWysokosc(CzcionkaTekstu, Zaokr(rowH));
      c.UstawKolorCzcionki(Qt::black);
      const QString numer = QString::number(h);
      c.Tekst(Zaokr((col1 - c.SzerokoscTekstu(numer)) / 2), y(h), numer);
      const wykres::TPozycjaWZnaku& poz = wykres.PozycjaDomu[h];
      if (!ZnanyZnak(poz))
        continue; // no birth time, no cusps
      const int x2 = Zaokr(col1 + 0.1 * rest);
      const QString tekst = TekstStopni(false, poz.Stopien) + QStringLiteral("  ");
      c.Tekst(x2, y(h), tekst);
      const int w = c.SzerokoscTekstu(tekst);
      c.UstawCzcionkeWysokosc(CzcionkaSymboli, Zaokr(0.85 * rowH));
      c.UstawKolorCzcionki(paleta.KolorZnakow);
      c.Tekst(x2 + w, y(h), Znak(ZnakiZodiaku[poz.Znak]));
    }
  }
  return obraz;
}

QPicture RysujTabeleDomow(const TPaletaWykresu& paleta, const wykres::TWykresUrodz& wykres, int W2,
                          int H2) {
  return RysujTabeleDomowUklad(paleta, wykres, W2, H2, UkladDomowUrodz);
}

QPicture RysujTabeleAspektow(const TPaletaWykresu& paleta, const wykres::TWykresUrodz& wykres,
                             int W2, int H2, TPokazaneAspekty& pokazane, long double& ulamekKolumny,
                             long double& ulamekWiersza) {
  const double rowH = H2 / 14.0;
  const double colW = W2 / 13.0;
  const int rowInt = Zaokr(rowH);
  ulamekWiersza = static_cast<long double>(rowH) / H2;
  ulamekKolumny = static_cast<long double>(colW) / W2;
  QPicture obraz;
  {
    TPlotno c(obraz, W2, H2);
    c.UstawStylPedzla(TStylPedzla::Pusty);
    for (int i = 1; i <= 15; ++i)
      Linia(c, 0, Zaokr((i - 1) * rowH), Zaokr(std::min(i, 13) * colW), Zaokr((i - 1) * rowH));
    Linia(c, 0, 0, 0, H2);
    for (int i = 1; i <= 13; ++i)
      Linia(c, Zaokr(i * colW), Zaokr((i - 1) * rowH), Zaokr(i * colW), H2);

    for (int i = 1; i <= 14; ++i) {
      const int m = std::min(i, 13);
      QString etykieta;
      if (i <= 12) {
        etykieta = Znak(ZnakiPunktow[i]);
        c.UstawCzcionkeWysokosc(CzcionkaSymboli, Zaokr(0.8 * rowInt));
        c.UstawKolorCzcionki(KolorZnakuPunktu(paleta, ZnakiPunktow[i]));
      } else {
        etykieta = i == 13 ? QStringLiteral("ASC") : QStringLiteral("MC");
        c.UstawCzcionkeWysokosc(CzcionkaTekstu, Zaokr(0.8 * rowInt));
        c.UstawKolorCzcionki(paleta.KolorWezlow);
      }
      c.Tekst(Zaokr((m - 1) * colW + colW / 2 - c.SzerokoscTekstu(etykieta) / 2.0),
              Zaokr((i - 1) * rowH), etykieta);
    }

    int k = 0;
    for (int kol = 1; kol <= 12; ++kol) {
      for (int wiersz = kol + 1; wiersz <= 14; ++wiersz) {
        ++k;
        pokazane[k].Rodzaj = wykres::BrakAspektu;
        const wykres::TAspekt& aspekt = wykres.Aspekty[k];
        const int wpis = WpisZnakuAspektu(aspekt.Rodzaj);
        if (wpis == 0)
          continue;
        pokazane[k] = aspekt;
        c.UstawCzcionkeWysokosc(CzcionkaSymboli, Zaokr(0.8 * rowInt));
        c.UstawPodkreslenie(false);
        c.UstawKolorCzcionki(KolorAspektu(paleta, aspekt.Rodzaj));
        int x = Zaokr((kol - 1) * colW + 0.3 * colW);
        const int y = Zaokr((wiersz - 1) * rowH);
        c.Tekst(x, y, Znak(ZnakiAspektow[wpis].Znak));
        x += Zaokr(0.3 * colW);
        const int wysokoscZnaku = c.WysokoscCzcionki();
        c.UstawCzcionkeWysokosc(CzcionkaTekstu, Zaokr(0.85 * wysokoscZnaku));
        c.UstawKolorCzcionki(Qt::black);
        c.UstawPodkreslenie(aspekt.Zbliza);
        c.Tekst(x, y, TekstOrbu(aspekt.Odchylenie));
        c.UstawPodkreslenie(false);
      }
    }
  }
  return obraz;
}

} // namespace grafika
