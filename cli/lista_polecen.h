// The subcommands of kosmotyp-oblicz, one line each, in the order --help lists them.
// No include guard: polecenia.cpp includes this list with its own POLECENIE.
POLECENIE(PolecenieUrodz)
POLECENIE(PoleceniePorown)
POLECENIE(PolecenieWsadowo)
POLECENIE(PolecenieStrefa)
POLECENIE(PolecenieDane)
