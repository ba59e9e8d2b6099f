#include "polecenia.h"

#include <algorithm>
#include <ostream>

namespace wiersz_polecen {

#define POLECENIE(nazwa) extern const TPolecenie nazwa;
#include "lista_polecen.h"
#undef POLECENIE

namespace {

#define POLECENIE(nazwa) &nazwa,
const TPolecenie* const TablicaPolecen[] = {
#include "lista_polecen.h"
};
#undef POLECENIE

void PiszPomocOgolna(std::ostream& wy) {
  wy << NazwaProgramu << " — obliczanie wykresów astrologicznych z wiersza poleceń.\n\n"
     << "Użycie: " << NazwaProgramu << " POLECENIE [OPCJE]\n"
     << "        " << NazwaProgramu << " POLECENIE --help   (opis polecenia)\n\n"
     << "Polecenia:\n";
  for (const TPolecenie* p : TablicaPolecen) {
    std::string nazwa(p->Nazwa);
    nazwa.resize(std::max<std::size_t>(nazwa.size(), 10), ' ');
    wy << "  " << nazwa << "  " << p->Opis << '\n';
  }
  wy << "\nUmowy: długość i szerokość geograficzna w minutach łuku (długość zachodnia\n"
     << "dodatnia, wschodnia ujemna; szerokość północna dodatnia), przesunięcie GMT\n"
     << "w minutach (na wschód od Greenwich dodatnie: czas lokalny = UT + przesunięcie).\n"
     << "Wynik w JSON (UTF-8), tablice w kolejności punktów od 1.\n\n"
     << "Kody wyjścia: 0 — wykonano, 1 — wykresu nie da się obliczyć (np. szerokość\n"
     << "podbiegunowa), 2 — błędne dane lub opcje.\n\n"
     << "Przykłady:\n"
     << "  " << NazwaProgramu
     << " urodz --data 1980-05-17 --czas 14:25 --przes 120 --dlug -1257 --szer 3014\n"
     << "  " << NazwaProgramu
     << " porown --osoba1 \"1980-05-17;14:25;120;-1257;3014\" --osoba2 "
        "\"1975-11-02;;60;-1260;3134\"\n"
     << "  " << NazwaProgramu << " wsadowo < urodzenia.csv > wykresy.jsonl\n";
}

bool CzyPomoc(std::string_view a) {
  return a == "--help" || a == "-h" || a == "pomoc";
}

} // namespace

std::span<const TPolecenie* const> Polecenia() {
  return TablicaPolecen;
}

const TPolecenie* ZnajdzPolecenie(std::string_view nazwa) {
  for (const TPolecenie* p : TablicaPolecen)
    if (p->Nazwa == nazwa)
      return p;
  return nullptr;
}

int ZglosBlad(TKontekst& kontekst, std::string_view komunikat, int kod) {
  kontekst.Bledy << NazwaProgramu << ": " << komunikat << '\n';
  return kod;
}

int Uruchom(const std::vector<std::string>& argumenty, std::istream& we, std::ostream& wy,
            std::ostream& bledy) {
  if (argumenty.empty()) {
    PiszPomocOgolna(bledy);
    return KodBladDanych;
  }
  if (CzyPomoc(argumenty[0])) {
    PiszPomocOgolna(wy);
    return KodSukces;
  }
  TKontekst kontekst{{argumenty.begin() + 1, argumenty.end()}, we, wy, bledy};
  const TPolecenie* polecenie = ZnajdzPolecenie(argumenty[0]);
  if (!polecenie) {
    std::string lista;
    for (const TPolecenie* p : TablicaPolecen)
      lista += (lista.empty() ? "" : ", ") + std::string(p->Nazwa);
    return ZglosBlad(kontekst,
                     "nieznane polecenie „" + argumenty[0] + "”; dostępne: " + lista +
                         " (szczegóły: " + std::string(NazwaProgramu) + " --help).",
                     KodBladDanych);
  }
  if (std::any_of(kontekst.Argumenty.begin(), kontekst.Argumenty.end(),
                  [](const std::string& a) { return a == "--help" || a == "-h"; })) {
    wy << polecenie->Pomoc();
    return KodSukces;
  }
  return polecenie->Wykonaj(kontekst);
}

} // namespace wiersz_polecen
