#include "register/sesja_pliku.h"

#include "register/odcisk_pliku.h"

#include <QFileInfo>
#include <QLockFile>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<QLockFile> nowa_blokada(const QString& sciezka) {
    auto blokada = std::make_unique<QLockFile>(plik_blokady(sciezka));
    // A lock is stale only when its process is gone: a file may stay open
    // for days, and its age says nothing.
    blokada->setStaleLockTime(0);
    return blokada;
}

bool ten_sam(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    return a == b || QFileInfo(a) == QFileInfo(b);
}

}  // namespace

QString plik_blokady(const QString& sciezka) {
    const QFileInfo info(sciezka);
    return info.absolutePath() + u"/."_s + info.fileName() + u".lock"_s;
}

SesjaPliku::SesjaPliku() = default;
SesjaPliku::~SesjaPliku() = default;

SesjaPliku::Wlasciciel SesjaPliku::kto_trzyma(const QString& sciezka) const {
    if (blokada_ && ten_sam(sciezka, plik_)) return {};
    auto blokada = nowa_blokada(sciezka);
    if (blokada->tryLock(0)) return {};
    Wlasciciel w;
    if (blokada->error() != QLockFile::LockFailedError) return w;  // a folder we cannot write
    QString program;
    if (!blokada->getLockInfo(&w.pid, &w.komputer, &program)) w.pid = -1;
    if (w.pid == 0) w.pid = -1;
    return w;
}

void SesjaPliku::trzymaj(const QString& sciezka, bool zablokuj) {
    if (!ten_sam(sciezka, plik_) || !zablokuj) blokada_.reset();
    plik_ = sciezka;
    tylko_do_odczytu_ = !zablokuj;
    if (!zablokuj || blokada_ || sciezka.isEmpty()) return;
    auto blokada = nowa_blokada(sciezka);
    // A folder that cannot take the lock file (read-only media) still lets
    // the file be worked on; the check of its contents before a save remains.
    if (blokada->tryLock(0)) blokada_ = std::move(blokada);
}

SesjaPliku::Otwarcie SesjaPliku::otworz(const QString& sciezka, TablicaPrzelewow& tablica,
                                        bool tylko_do_odczytu) {
    Otwarcie o;
    o.odczyt = czytaj_przelewy(sciezka, tablica);
    if (o.odczyt.stan != WynikOdczytu::ok) {
        zamknij();
        return o;
    }
    o.wersja_inna_niz_nazwa = o.odczyt.wersja != typ_pliku(sciezka);
    trzymaj(sciezka, !tylko_do_odczytu);
    o.tylko_do_odczytu = tylko_do_odczytu;
    wersja_ = o.odczyt.wersja;
    ponad_1000_ = o.odczyt.za_duzo;
    po_pustym_ = o.odczyt.po_pustym;
    odcisk_ = o.odczyt.odcisk;
    return o;
}

void SesjaPliku::zamknij() {
    blokada_.reset();
    plik_.clear();
    wersja_ = 0;
    ponad_1000_ = false;
    po_pustym_ = 0;
    tylko_do_odczytu_ = false;
    odcisk_ = {};
}

int SesjaPliku::wersja_dla(const QString& sciezka) const {
    return ten_sam(sciezka, plik_) && wersja_ != 0 ? wersja_ : typ_pliku(sciezka);
}

SesjaPliku::Zapis SesjaPliku::zapisz(const QString& sciezka_zadana, const TablicaPrzelewow& tablica,
                                     int ilosc, const Pytajacy& pytaj) {
    Zapis z;
    z.sciezka = sciezka_zadana;
    z.wersja = wersja_dla(sciezka_zadana);
    const auto zgoda = [&](Pytanie p, const QString& s = {}, int ile = 0) {
        return pytaj({p, s, ile}) == Decyzja::tak;
    };
    if (z.wersja == 1 && ma_dodatkowe_informacje(tablica, ilosc)) {
        switch (pytaj({Pytanie::format_bez_dodatkowych, z.sciezka, 0})) {
            case Decyzja::tak:
                break;
            case Decyzja::nie: {
                const QString nowa = nazwa_w_wersji_2(z.sciezka);
                if (nowa != z.sciezka && QFileInfo::exists(nowa) &&
                    !zgoda(Pytanie::nadpisanie, nowa))
                    return z;
                z.sciezka = nowa;
                z.wersja = 2;
                break;
            }
            default:
                return z;
        }
    }
    // Nothing is cut or dropped without the user's word.
    if (const int ile = ile_tekstow_za_dlugich(tablica, ilosc, z.wersja);
        ile > 0 && !zgoda(Pytanie::teksty_skrocone, z.sciezka, ile))
        return z;
    const bool ten_plik = ten_sam(z.sciezka, plik_) && QFileInfo::exists(z.sciezka);
    if (ten_plik && ponad_1000_ && !zgoda(Pytanie::ponad_1000, z.sciezka)) return z;
    if (ten_plik && po_pustym_ > 0 && !zgoda(Pytanie::puste_rekordy, z.sciezka, po_pustym_))
        return z;
    if (ten_plik && zmieniony_od(odcisk_, z.sciezka)) {
        switch (pytaj({Pytanie::zmiana_z_zewnatrz, z.sciezka, 0})) {
            case Decyzja::tak:
                break;
            case Decyzja::otworz_ponownie:
                z.stan = Zapis::otworz_ponownie;
                return z;
            default:
                return z;
        }
    }
    if (!zapisz_przelewy(z.sciezka, tablica, ilosc, z.wersja)) {
        z.stan = Zapis::blad_zapisu;
        return z;
    }
    z.stan = Zapis::zapisano;
    trzymaj(z.sciezka, true);
    wersja_ = z.wersja;
    ponad_1000_ = false;
    po_pustym_ = 0;
    odcisk_ = odcisk_pliku(z.sciezka);
    return z;
}
