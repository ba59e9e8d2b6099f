#pragma once
// The description tables of the interpretation texts. A missing row is no
// error: the result is then empty.
#include "magazyn.h"

#include <optional>

namespace kartoteka {

using TOpis = TWynik<std::optional<QString>>;

TOpis OpisStopnia(const TMagazyn& mag, int stopien);
TOpis OpisPlanetyWZnaku(const TMagazyn& mag, int idPlanety, int nrZnaku);
TOpis OpisPlanetyWDomu(const TMagazyn& mag, int idPlanety, int nrDomu);
// Natal aspect, lower point number first.
TOpis OpisAspektu(const TMagazyn& mag, int idPlanety1, int idPlanety2);
TOpis OpisAspektuPorown(const TMagazyn& mag, int planeta1, int planeta2, int aspekt);
TOpis OpisDomuPorown(const TMagazyn& mag, int planeta1, int dom);

} // namespace kartoteka
