#include "core/checking/ArchivioGiocate.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <string>

#include "core/io/AtomicSave.h"
#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"

namespace ludo {
namespace {

double Prezzo(Colonna c, double prezzo) { return static_cast<double>(ColonneIntegrali(c)) * prezzo; }

std::size_t Punti(Colonna c, Colonna vincente) {
    return static_cast<std::size_t>(std::min(NumeriComuni(c, vincente), 8));
}

template <typename T, typename LeggiUno>
bool LeggiSezione(io::BinaryReader& r, std::vector<T>& dove, LeggiUno&& leggiUno) {
    std::int32_t quante = 0;
    if (!r.read(quante)) return false;
    for (std::int32_t i = 0; i < quante; ++i) {
        T elemento{};
        if (!leggiUno(elemento)) return false;
        dove.push_back(std::move(elemento));
    }
    return true;
}

bool LeggiSistema(io::BinaryReader& r, TGiocataSistema& s) {
    std::int32_t colonne = 0;
    if (!r.read(s.Numeri) || !r.read(s.Data) || !r.read(s.Ora) || !r.read(colonne)) return false;
    for (std::int32_t i = 0; i < colonne; ++i) {
        Colonna c = 0;
        if (!r.read(c)) return false;
        s.Colonne.Aggiungi(c);
    }
    return true;
}

}  // namespace

DataOra Adesso() {
    const std::time_t ora = std::time(nullptr);
    const std::tm locale = *std::localtime(&ora);  // read once, on the calling thread
    using namespace std::chrono;
    const year_month_day giorno{year{locale.tm_year + 1900}, month{static_cast<unsigned>(locale.tm_mon + 1)},
                                day{static_cast<unsigned>(locale.tm_mday)}};
    const auto giorni = (sys_days(giorno) - sys_days(year{1899} / December / 30)).count();
    const double secondi = locale.tm_hour * 3600.0 + locale.tm_min * 60.0 + locale.tm_sec;
    return {static_cast<double>(giorni), secondi / 86400.0};
}

std::filesystem::path TArchivioGiocate::Percorso(const std::filesystem::path& cartella) const {
    return io::resolvePath(cartella, std::string(io::kArchivioGiocate)) /
           ("Concorso_" + std::to_string(Concorso) + ".dat");
}

void TArchivioGiocate::Svuota() {
    Schedine.clear();
    Integrali.clear();
    Sistemi.clear();
}

bool TArchivioGiocate::Carica(const std::filesystem::path& cartella) {
    std::ifstream in(Percorso(cartella), std::ios::binary);
    if (!in) {
        Svuota();
        return false;
    }
    return Leggi(in);
}

bool TArchivioGiocate::Leggi(std::istream& in) {
    Svuota();
    io::BinaryReader r(in);
    const bool ok =
        LeggiSezione(r, Schedine,
                     [&](TGiocataSchedina& s) {
                         return std::all_of(s.Colonne.begin(), s.Colonne.end(), [&](Colonna& c) { return r.read(c); });
                     }) &&
        LeggiSezione(r, Integrali, [&](TGiocataIntegrale& g) { return r.read(g.Maschera); }) &&
        LeggiSezione(r, Sistemi, [&](TGiocataSistema& s) { return LeggiSistema(r, s); });
    if (!ok) Svuota();
    return ok;
}

bool TArchivioGiocate::Scrivi(std::ostream& out) const {
    io::BinaryWriter w(out);
    w.write(static_cast<std::int32_t>(Schedine.size()));
    for (const auto& s : Schedine) {
        for (Colonna c : s.Colonne) w.write(c);
    }
    w.write(static_cast<std::int32_t>(Integrali.size()));
    for (const auto& g : Integrali) w.write(g.Maschera);
    w.write(static_cast<std::int32_t>(Sistemi.size()));
    for (const auto& s : Sistemi) {
        w.write(s.Numeri);
        w.write(s.Data);
        w.write(s.Ora);
        w.write(static_cast<std::int32_t>(s.Colonne.Conteggio()));
        for (Colonna c : s.Colonne) w.write(c);
    }
    return w.ok();
}

void TArchivioGiocate::Salva(const std::filesystem::path& cartella) const {
    const auto percorso = Percorso(cartella);
    std::error_code ec;
    std::filesystem::create_directories(percorso.parent_path(), ec);
    if (!io::saveAtomically(percorso, [&](std::ostream& out) { return Scrivi(out); })) {
        throw Errore(MsgErroreScritturaGiocate);
    }
}

void TArchivioGiocate::AggiungiSistema(std::int32_t numeri, const ListaColonne& colonne, DataOra quando) {
    TGiocataSistema sistema;
    sistema.Numeri = numeri;
    sistema.Colonne = colonne;
    sistema.Data = quando.data;
    sistema.Ora = quando.ora;
    Sistemi.push_back(std::move(sistema));
}

double TArchivioGiocate::Costo(double prezzo) const {
    double costo = 0;
    for (const auto& s : Schedine) {
        for (Colonna c : s.Colonne) costo += Prezzo(c, prezzo);
    }
    for (const auto& g : Integrali) costo += Prezzo(g.Maschera, prezzo);
    for (const auto& s : Sistemi) {
        if (!s.Colonne.Vuota()) costo += Prezzo(*s.Colonne.begin(), prezzo) * static_cast<double>(s.Colonne.Conteggio());
    }
    return costo;
}

void TArchivioGiocate::Spoglio(Colonna vincente) {
    PuntiSchedine = {};
    PuntiIntegrali = {};
    PuntiSistemi = {};
    for (const auto& s : Schedine) {
        for (Colonna c : s.Colonne) {
            if (c != 0) ++PuntiSchedine[Punti(c, vincente)];
        }
    }
    for (const auto& g : Integrali) AggiungiEspansa(PuntiIntegrali, g.Maschera, vincente);
    for (auto& s : Sistemi) {
        s.Punti = {};
        for (Colonna c : s.Colonne) ++s.Punti[Punti(c, vincente)];
        for (std::size_t j = 0; j < s.Punti.size(); ++j) PuntiSistemi[j] += s.Punti[j];
    }
}

}  // namespace ludo
