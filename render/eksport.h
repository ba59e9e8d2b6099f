#pragma once
// All drawings of a chart, recorded at the sizes of the chart windows' image
// controls, and written out as PNG (at those pixel sizes) and SVG.
#include "grafika_porown.h"
#include "rekordy_wykresu.h"
#include "znaki.h"

#include <QPicture>
#include <QSize>
#include <QString>

#include <vector>

namespace grafika {

struct TRysunek {
  QString Nazwa; // file name without extension
  QPicture Obraz;
  QSize Plotno;  // canvas units
  QSize Piksele; // on-screen pixel size
};

// The six natal drawings: kolo, aspekty, domy, planety, planety_w_domach, planety_w_znakach.
std::vector<TRysunek> RysunkiUrodz(TStanGrafiki& stan, const wykres::TWykresUrodz& wykres);
// The twelve comparison drawings.
std::vector<TRysunek> RysunkiPorown(TStanGrafikiPorown& stan, const wykres::TWykresUrodz& wykres1,
                                    const wykres::TWykresUrodz& wykres2,
                                    const TAspektyPorown& aspekty);

// The picture stretched into a white 96-dpi image of its pixel size.
QImage ObrazRastrowy(const TRysunek& rysunek);

// Writes NAME.png and NAME.svg of every drawing into the folder (created when
// missing). On failure returns false and a Polish message in `blad`.
bool ZapiszRysunki(const std::vector<TRysunek>& rysunki, const QString& katalog, QString& blad);

} // namespace grafika
