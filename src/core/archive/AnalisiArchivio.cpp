#include "core/archive/AnalisiArchivio.h"

#include "core/archive/ArchivioConcorsi.h"

namespace ludo {

// One row per object. The vortex keeps position then arms per vortex; the
// file puts the arms first.
// clang-format off
const std::array<AnalisiArchivio::TabellaFile, AnalisiArchivio::NumeroTabelle> AnalisiArchivio::Tabelle = {{
    {0, 0, "Pari"},      {0, 1, "Dispari"},
    {1, 0, "Globali"},   {1, 1, "Segni Pari"}, {1, 2, "Segni Dispari"},
    {2, 0, "Globali"},   {2, 1, "Segni Pari"}, {2, 2, "Segni Dispari"},
    {3, 0, "Dirette"},   {3, 1, "Inverse"},    {3, 2, "Totali"},
    {4, 0, "Dirette"},   {4, 1, "Inverse"},    {4, 2, "Totali"},
    {5, 1, "Bracci"},    {5, 0, "Posizione"},  {5, 3, "Bracci"},    {5, 2, "Posizione"},
    {6, 0, "Una Prec."}, {6, 1, "Due Prec."},
    {7, 0, "Una Prec."}, {7, 1, "Due Prec."},
    {8, 0, "F.Derivate"},
    {9, 0, "Minima"},    {9, 1, "Massima"},    {9, 2, "Totale"},
}};
// clang-format on

AnalisiArchivio::AnalisiArchivio() {
    InterruzioniSegni.Modo = 1;
    SimmetrieSegni.Modo = 1;
    RipetizioniSegni.Modo = 1;
    for (TCondizione* oggetto : Oggetti()) {
        oggetto->AdattaIntervallo();
        oggetto->AzzeraStatistiche();
    }
}

std::array<TCondizione*, AnalisiArchivio::NumeroOggetti> AnalisiArchivio::Oggetti() {
    return {&PariDispari,     &InterruzioniSegni, &InterruzioniNumeri, &SimmetrieSegni,
            &SimmetrieNumeri, &Vortice,           &RipetizioniSegni,   &RipetizioniNumeri,
            &FormuleDerivate, &DistanzeGlobali};
}

T_FrequenzeRitardi& AnalisiArchivio::Tabella(std::size_t i) {
    const TabellaFile& t = Tabelle.at(i);
    return Oggetti()[t.oggetto]->Statistiche.at(t.statistica).Tutti;
}

const T_FrequenzeRitardi& AnalisiArchivio::Tabella(std::size_t i) const {
    return const_cast<AnalisiArchivio*>(this)->Tabella(i);
}

void AnalisiArchivio::Ricalcola(const ArchivioConcorsi& archivio, Avanzamento& avanzamento) {
    // The cached tables are what an analysis of the whole archive with every
    // contest type would compute.
    IntervalloRicerca tuttoArchivio;
    tuttoArchivio.Tipi = TuttiITipi;
    IntervalloTuttoArchivio(tuttoArchivio, archivio);
    const auto oggetti = Oggetti();
    for (std::size_t i = 0; i < oggetti.size(); ++i) {
        oggetti[i]->AdattaIntervallo();
        oggetti[i]->AnalizzaArchivio(archivio.Concorsi(), tuttoArchivio);
        avanzamento.Progresso(static_cast<std::int64_t>(i + 1),
                              static_cast<std::int64_t>(oggetti.size()));
    }
}

bool AnalisiArchivio::Leggi(io::BinaryReader& in) {
    std::array<T_FrequenzeRitardi, NumeroTabelle> lette;
    for (auto& tabella : lette) {
        if (!tabella.Leggi(in)) return false;
    }
    for (std::size_t i = 0; i < NumeroTabelle; ++i) Tabella(i) = std::move(lette[i]);
    return true;
}

bool AnalisiArchivio::Scrivi(io::BinaryWriter& out) const {
    for (std::size_t i = 0; i < NumeroTabelle; ++i) {
        if (!Tabella(i).Scrivi(out)) return false;
    }
    return out.ok();
}

bool AnalisiArchivio::operator==(const AnalisiArchivio& altra) const {
    for (std::size_t i = 0; i < NumeroTabelle; ++i) {
        if (!(Tabella(i) == altra.Tabella(i))) return false;
    }
    return true;
}

}  // namespace ludo
