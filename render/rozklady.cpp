#include "rozklady.h"

#include "czcionki.h"
#include "plotno.h"

#include <algorithm>

namespace grafika {

namespace {

constexpr int MapaKomorek[12] = {1, 7, 10, 4, 5, 11, 2, 8, 9, 3, 6, 12};

void Linia(TPlotno& c, int x1, int y1, int x2, int y2) {
  c.PrzesunDo(x1, y1);
  c.LiniaDo(x2, y2);
}

QPicture RysujRozklad(const TPaletaWykresu& paleta, const std::vector<int>& wartosci,
                      const char* literyKolumn, int W2, int H2) {
  const int hdrH = Zaokr(0.2 * H2);
  const int hdrW = Zaokr(0.1 * W2);
  const double rowH = (H2 - hdrH) / 4.0;
  const double glyphH = 0.7 * rowH;

  TTabela2 kubelki(12);
  GrupujPunkty(wartosci, kubelki);
  const TTabela2 komorki = UlozKomorki(kubelki);
  const TTabela szer = ZmierzKolumny(paleta, komorki, Zaokr(glyphH), 3, W2 - hdrW);

  QPicture obraz;
  {
    TPlotno c(obraz, W2, H2);
    c.UstawStylPedzla(TStylPedzla::Pusty);
    Linia(c, hdrW, 0, W2, 0);
    for (int i = 0; i <= 4; ++i)
      Linia(c, 0, Zaokr(i * rowH) + hdrH, W2, Zaokr(i * rowH) + hdrH);
    Linia(c, 0, hdrH, 0, H2);
    int x = hdrW;
    for (int j = 0; j < 3; ++j) {
      Linia(c, x, 0, x, H2);
      x += szer[j];
    }
    Linia(c, W2, 0, W2, H2);

    c.UstawCzcionkeWysokosc(CzcionkaTekstu, Zaokr(glyphH));
    c.UstawKolorCzcionki(Qt::black);
    x = hdrW;
    for (int j = 0; j < 3; ++j) {
      const QString litera{QLatin1Char(literyKolumn[j])};
      c.Tekst(x + Zaokr((szer[j] - c.SzerokoscTekstu(litera)) / 2.0), Zaokr((rowH - glyphH) / 2),
              litera);
      x += szer[j];
    }
    for (int i = 1; i <= 4; ++i) {
      const QString litera{QLatin1Char("OPZW"[i - 1])};
      c.Tekst(Zaokr((hdrW - c.SzerokoscTekstu(litera)) / 2.0),
              hdrH + Zaokr((i - 1) * rowH + (rowH - glyphH) / 2), litera);
    }

    c.UstawCzcionkeWysokosc(CzcionkaSymboli, Zaokr(glyphH));
    x = hdrW;
    for (int k = 0; k < 12; ++k) {
      if (k == 4 || k == 8)
        x += szer[k / 4 - 1];
      if (komorki[k].empty())
        continue;
      const TPasek pasek = PasekSymboli(paleta, komorki[k], Zaokr(glyphH));
      c.RysujObraz(x, hdrH + Zaokr((k % 4) * rowH + (rowH - glyphH) / 2), pasek.Obraz);
    }
  }
  return obraz;
}

} // namespace

void GrupujPunkty(const std::vector<int>& wartosci, TTabela2& kubelki) {
  kubelki.resize(12);
  for (std::size_t i = 0; i < wartosci.size(); ++i) {
    const int v = wartosci[i];
    if (v >= 1 && v <= 12)
      kubelki[static_cast<std::size_t>(v - 1)].push_back(static_cast<int>(i) + 1);
  }
}

TTabela2 UlozKomorki(const TTabela2& kubelki) {
  TTabela2 komorki(12);
  for (int k = 0; k < 12; ++k)
    komorki[static_cast<std::size_t>(k)] = kubelki[static_cast<std::size_t>(MapaKomorek[k] - 1)];
  return komorki;
}

void DopiszTekst(TPlotno& c, const QString& tekst, const QString& czcionka, int& szerokosc) {
  c.UstawNazweCzcionki(czcionka);
  szerokosc += c.SzerokoscTekstu(tekst);
  const QPoint p = c.PozycjaPiora();
  c.Tekst(p.x(), p.y(), tekst);
}

TPasek PasekSymboli(const TPaletaWykresu& paleta, const TTabela& pozycje, int wysokosc) {
  TPasek pasek;
  {
    TPlotno c(pasek.Obraz, 0, wysokosc);
    c.UstawStylPedzla(TStylPedzla::Pusty);
    c.UstawCzcionkeWysokosc(CzcionkaTekstu, wysokosc);
    c.PrzesunDo(0, 0);
    const QString spacja(QLatin1Char(' '));
    DopiszTekst(c, spacja, CzcionkaTekstu, pasek.Szerokosc);
    for (const int p : pozycje) {
      DopiszTekst(c, spacja, CzcionkaTekstu, pasek.Szerokosc);
      if (p >= 1 && p <= 12) {
        c.UstawKolorCzcionki(KolorZnakuPunktu(paleta, ZnakiPunktow[p]));
        DopiszTekst(c, QString(QLatin1Char(ZnakiPunktow[p])), CzcionkaSymboli, pasek.Szerokosc);
      } else {
        c.UstawKolorCzcionki(paleta.KolorWezlow);
        DopiszTekst(c, p == 13 ? QStringLiteral("ASC") : QStringLiteral("MC"), CzcionkaTekstu,
                    pasek.Szerokosc);
      }
    }
    DopiszTekst(c, spacja, CzcionkaTekstu, pasek.Szerokosc);
    DopiszTekst(c, spacja, CzcionkaTekstu, pasek.Szerokosc);
    c.UstawRozmiar(pasek.Szerokosc, wysokosc);
  }
  return pasek;
}

TTabela ZmierzKolumny(const TPaletaWykresu& paleta, const TTabela2& komorki, int wysokosc,
                      int kolumny, int calosc) {
  TTabela potrzeby;
  for (const TTabela& komorka : komorki)
    potrzeby.push_back(komorka.empty() ? 0 : PasekSymboli(paleta, komorka, wysokosc).Szerokosc);
  return SzerokosciKolumn(potrzeby, kolumny, calosc);
}

TTabela SzerokosciKolumn(const TTabela& potrzeby, int kolumny, int calosc) {
  const std::size_t grupa = potrzeby.size() / static_cast<std::size_t>(kolumny);
  TTabela potrzeba(static_cast<std::size_t>(kolumny), 0);
  for (std::size_t g = 0; g < potrzeba.size(); ++g)
    for (std::size_t i = g * grupa; i < (g + 1) * grupa; ++i)
      potrzeba[g] = std::max(potrzeba[g], potrzeby[i]);

  int T = calosc;
  int n = kolumny;
  int limit = T + 1;
  int udzial = 0;
  for (;;) {
    udzial = Zaokr(static_cast<double>(T) / n);
    bool zmiana = false;
    for (const int p : potrzeba) {
      if (p < limit && p > udzial) {
        T -= p;
        --n;
        zmiana = true;
      }
    }
    if (!zmiana)
      break;
    if (n == 0) {
      udzial = 0;
      break;
    }
    limit = udzial;
  }
  TTabela szer;
  for (const int p : potrzeba)
    szer.push_back(p > udzial ? p : udzial);
  return szer;
}

QPicture RysujPlanetyWZnakach(const TPaletaWykresu& paleta, const wykres::TWykresUrodz& wykres,
                              int W2, int H2) {
  std::vector<int> wartosci;
  for (int p = 1; p <= 12; ++p)
    wartosci.push_back(wykres.PozycjaPunktu[p].Znak);
  wartosci.push_back(wykres.PozycjaDomu[1].Znak);
  return RysujRozklad(paleta, wartosci, "KSZ", W2, H2);
}

QPicture RysujPlanetyWDomach(const TPaletaWykresu& paleta, const wykres::TWykresUrodz& wykres,
                             int W2, int H2) {
  std::vector<int> wartosci;
  for (int p = 1; p <= 12; ++p)
    wartosci.push_back(wykres.DomPunktu[p]);
  return RysujRozklad(paleta, wartosci, "KNU", W2, H2);
}

} // namespace grafika
