// Extra chart options of "urodz" and "porown", one line each: OPCJA_WYKRESU(OpcjaXyz).
// No include guard: opcje_wykresu.cpp includes this list with its own OPCJA_WYKRESU.
OPCJA_WYKRESU(OpcjaDruk)
OPCJA_WYKRESU(OpcjaRysunki)
