// Crash safety: a child process commits places with their offsets in a loop and
// is killed with SIGKILL at a random moment; every place it reported committed
// must be there, whole, and the database must pass its integrity check.
#include "katalog_testowy.h"
#include "miejsca.h"
#include "panstwa.h"
#include "przesuniecia.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kartoteka {
namespace {

constexpr char OpcjaDziecka[] = "--dziecko-zapisujace";

// The child: writes one identifier per committed transaction to stdout.
int ZapisujDoSmierci(const QString& katalog) {
  TOpcjeMagazynu opcje;
  opcje.Zasiej = false;
  auto w = OtworzMagazyn(katalog, opcje);
  if (!w.Ok())
    return 3;
  TMagazyn& mag = *w.Wartosc;
  const auto panstwo = ZnajdzPanstwoWgNazwy(mag, "Niemcy").Wartosc;
  if (!panstwo)
    return 4;
  for (int i = 0; i < 1000000; ++i) {
    TEdycjaPrzesuniec e;
    DodajPrzesuniecie(e, 60);
    DodajPrzesuniecie(e, 120);
    auto id = ZapiszMiejsceZPrzesunieciami(mag,
                                           {0, QString("Miejsce %1-%2").arg(getpid()).arg(i), -805,
                                            3151, RodzajZagraniczny, panstwo->IdPanstwa},
                                           e);
    if (!id.Ok())
      return 5;
    const std::string linia = std::to_string(id.Wartosc) + "\n";
    if (write(STDOUT_FILENO, linia.data(), linia.size()) != static_cast<ssize_t>(linia.size()))
      return 6;
  }
  return 0;
}

class Trwalosc : public testy::TKatalogTestowy {};

TEST_F(Trwalosc, ZatwierdzoneWierszePrzetrwajaSIGKILL) {
  {
    auto mag = testy::Otworz(Katalog());
    ASSERT_TRUE(mag);
    ASSERT_TRUE(DodajPanstwo(*mag, "Niemcy").Ok());
  }
  std::mt19937 los(std::random_device{}());
  std::vector<int> potwierdzone;
  for (int proba = 0; proba < 4; ++proba) {
    int rura[2];
    ASSERT_EQ(pipe(rura), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      dup2(rura[1], STDOUT_FILENO);
      close(rura[0]);
      close(rura[1]);
      const std::string k = Katalog().toStdString();
      execl("/proc/self/exe", "test_trwalosc", OpcjaDziecka, k.c_str(),
            static_cast<char*>(nullptr));
      _exit(127);
    }
    close(rura[1]);
    std::string odczyt;
    auto czytaj = [&](int ms) {
      pollfd p{rura[0], POLLIN, 0};
      if (poll(&p, 1, ms) > 0) {
        char bufor[4096];
        const ssize_t n = read(rura[0], bufor, sizeof bufor);
        if (n > 0)
          odczyt.append(bufor, static_cast<std::size_t>(n));
        return n > 0;
      }
      return false;
    };
    // Wait for the first commit, then kill after a random while.
    const auto poczatek = std::chrono::steady_clock::now();
    while (odczyt.find('\n') == std::string::npos &&
           std::chrono::steady_clock::now() - poczatek < std::chrono::seconds(30))
      if (!czytaj(100) && waitpid(pid, nullptr, WNOHANG) != 0)
        break;
    if (odczyt.find('\n') == std::string::npos) {
      kill(pid, SIGKILL);
      int status = 0;
      waitpid(pid, &status, 0);
      close(rura[0]);
      FAIL() << "the child committed nothing, status " << status;
    }
    const auto smierc = std::chrono::steady_clock::now() +
                        std::chrono::milliseconds(std::uniform_int_distribution(20, 400)(los));
    while (std::chrono::steady_clock::now() < smierc)
      czytaj(5);
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    while (czytaj(0)) {
    }
    close(rura[0]);
    // Only whole lines were reported as committed.
    std::size_t poz = 0;
    for (std::size_t nl; (nl = odczyt.find('\n', poz)) != std::string::npos; poz = nl + 1)
      potwierdzone.push_back(std::stoi(odczyt.substr(poz, nl - poz)));

    auto mag = testy::Otworz(Katalog());
    ASSERT_TRUE(mag);
    QSqlQuery q(mag->Baza());
    ASSERT_TRUE(q.exec("PRAGMA integrity_check") && q.next());
    EXPECT_EQ(q.value(0).toString(), "ok");
    int brakuje = 0;
    for (int id : potwierdzone) {
      if (!ZnajdzMiejsce(*mag, id).Wartosc ||
          PrzesunieciaMiejsca(*mag, id).Wartosc != std::vector<int>{60, 120})
        ++brakuje;
    }
    EXPECT_EQ(brakuje, 0) << "of " << potwierdzone.size();
    // No place without its offsets: each transaction is whole or absent.
    ASSERT_TRUE(q.exec("SELECT count(*) FROM Miejsca m WHERE (SELECT count(*) FROM PrzesGMT p "
                       "WHERE p.IdMiejsca = m.IdMiejsca) <> 2") &&
                q.next());
    EXPECT_EQ(q.value(0).toInt(), 0);
    std::printf("próba %d: potwierdzonych %zu\n", proba + 1, potwierdzone.size());
  }
}

} // namespace
} // namespace kartoteka

int main(int argc, char** argv) {
  QCoreApplication aplikacja(argc, argv);
  if (argc == 3 && std::string(argv[1]) == kartoteka::OpcjaDziecka)
    return kartoteka::ZapisujDoSmierci(QString::fromLocal8Bit(argv[2]));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
