#include "czas.h"

#include <cmath>

namespace obliczenia {

TDataUT RozbijDate(const TMomentUrodz& moment) {
  TDataUT w;
  w.Godziny = (static_cast<double>(moment.Minuty) + moment.KorektaUT) / 60.0;
  w.Dzien = moment.Dzien;
  w.Miesiac = moment.Miesiac;
  w.Rok = moment.Rok;
  if (w.Godziny < 0.0) {
    w.Godziny += 24.0;
    if (--w.Dzien == 0) {
      if (--w.Miesiac == 0) {
        w.Miesiac = 12;
        --w.Rok;
      }
      w.Dzien = DniWMiesiacu(w.Rok, w.Miesiac);
    }
  } else if (w.Godziny >= 24.0) {
    w.Godziny -= 24.0;
    if (++w.Dzien > DniWMiesiacu(w.Rok, w.Miesiac)) {
      w.Dzien = 1;
      if (++w.Miesiac == 13) {
        w.Miesiac = 1;
        ++w.Rok;
      }
    }
  }
  return w;
}

double ObliczMJD(int dzien, int miesiac, int rok, double godziny) {
  int y = rok;
  int m = miesiac;
  if (miesiac <= 2) {
    y = rok - 1;
    m = miesiac + 12;
  }
  double b;
  if (rok * 10000.0 + miesiac * 100.0 + dzien <= 15821004.1) {
    b = std::trunc((y + 4716) / 4.0) - 1181;
  } else {
    b = std::trunc(y / 400.0) - std::trunc(y / 100.0) + std::trunc(y / 4.0);
  }
  return 365.0 * y - 679004.0 + b + std::trunc(30.6001 * (m + 1)) + dzien + godziny / 24.0;
}

TDataUT DataZMJD(double mjd) {
  const double jd = mjd + RoznicaJDiMJD;
  const double a = std::trunc(jd + 0.5);
  double c;
  if (a < 2299161.0) {
    c = a + 1524.0;
  } else {
    const double b = std::trunc((a - 1867216.25) / 36524.25);
    c = a + b - std::trunc(b / 4.0) + 1525.0;
  }
  const double d = std::trunc((c - 122.1) / 365.25);
  const double e = 365.0 * d + std::trunc(d / 4.0);
  const double f = std::trunc((c - e) / 30.6001);
  TDataUT w;
  w.Dzien = static_cast<int>(std::trunc(c - e + 0.5) - std::trunc(30.6001 * f));
  w.Miesiac = static_cast<int>(f - 1.0 - 12.0 * std::trunc(f / 14.0));
  w.Rok = static_cast<int>(d - 4715.0 - std::trunc((7.0 + w.Miesiac) / 10.0));
  w.Godziny = 24.0 * (jd + 0.5 - a);
  return w;
}

double ObliczJD(int rok, int miesiac, int dzien, double godziny) {
  return ObliczMJD(dzien, miesiac, rok, godziny) + RoznicaJDiMJD;
}

double KatGwiazdowy(double t1900, double godzinyUT, int dlug) {
  double theta =
      (6.6460656 + 2400.0513 * t1900 + 0.0000258 * t1900 * t1900 + godzinyUT) * 15.0 - dlug / 60.0;
  theta -= 360.0 * std::trunc(theta / 360.0);
  if (theta < 0.0) {
    theta += 360.0;
  }
  if (theta >= 360.0) { // a tiny negative remainder rounds up to 360
    theta = 0.0;
  }
  return theta;
}

TCzasZegarowy ObliczCzasGwiazdowy(const TMomentUrodz& moment) {
  const TDataUT ut = RozbijDate(moment);
  const double t = T1900ZJD(ObliczJD(ut.Rok, ut.Miesiac, ut.Dzien, ut.Godziny));
  const double godz = KatGwiazdowy(t, ut.Godziny, moment.Dlug) / 15.0;
  int h = static_cast<int>(std::trunc(godz));
  int m = static_cast<int>(std::lround((godz - h) * 60.0));
  if (m == 60) {
    m = 0;
    if (++h == 24) {
      h = 0;
    }
  }
  return TCzasZegarowy{h, m, 0, 0};
}

} // namespace obliczenia
