#include "core/engine/Sviluppo.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>

#include "core/columns/FileColonne.h"
#include "core/columns/GeneraColonne.h"
#include "core/engine/Riduzione.h"
#include "core/engine/RiduzioneMigliorata.h"
#include "core/io/ProgramFolder.h"
#include "core/system/T_Sistema.h"

namespace ludo {
namespace {

constexpr int kRinfrescoRiduzione = 501;
constexpr int kRinfresco = 201;

// What the system holds before a run: a run that keeps nothing new leaves it so.
RisultatoSviluppo risultatoDi(const T_Sistema& s) {
    RisultatoSviluppo r;
    r.Sviluppato = s.Dati->Sviluppato;
    r.ColonneSviluppate = s.Dati->ColonneSviluppate;
    r.ColonnePrecedenti = s.ColonnePrecedenti;
    return r;
}

// One development of the system. The system's conditions and links are
// prepared and used for the tests; the columns kept and the counts go into
// the result, never into the system.
class Sviluppatore {
public:
    Sviluppatore(T_Sistema& s, InterfacciaSviluppo& f, ModoSviluppo modo)
        : s_(s), d_(*s.Dati), f_(f), dest_(d_.Destinazione), ricalcolo_(modo == ModoSviluppo::Ricalcolo),
          versoFile_(!dest_.DestinazioneMemoria && dest_.SviluppoRidotto),
          riduci_(dest_.SviluppoRidotto && !dest_.RiduzioneOttimizzata),
          accoda_(!riduci_),
          riduttore_(Colonne(),
                     {dest_.SviluppoRidotto, dest_.RiduzioneOttimizzata, dest_.DistanzaMinima, dest_.Garanzia,
                      dest_.DistMin},
                     contatori_) {
        esito_.Risultato = risultatoDi(s);
    }

    EsitoSviluppo Esegui() {
        const auto inizio = std::chrono::steady_clock::now();
        const bool memoria = dest_.DestinazioneMemoria || versoFile_;
        auto& r = esito_.Risultato;
        s_.PreparaCondizioni();
        d_.Condizioni.RegistraErrori = false;
        senzaFiltro_ = !dest_.UsaCondizionamenti || d_.Condizioni.SempreVera();
        r.Sviluppato = true;
        if (!memoria) {
            file_ = std::make_unique<FileColonneInScrittura>(PercorsoFileColonne(s_, dest_.FileDestinazione));
            if (!file_->Aperto()) {
                f_.Errore(MsgSalvareFileCombinazioni);
                r.Sviluppato = false;
                return Concludi(inizio);
            }
        }
        EseguiPassi();
        if (file_) {
            // A cancelled run still writes the columns kept so far.
            if (!file_->Conferma()) {
                f_.Errore(MsgSalvareFileCombinazioni);
                r.Sviluppato = false;
            }
            r.ColonnePrecedenti = static_cast<std::int32_t>(file_->Scritte());
            esito_.Finali = file_->Scritte();
        }
        r.ColonneSviluppate = static_cast<std::int32_t>(Colonne().Conteggio());
        esito_.ColonneSviluppate = r.ColonneSviluppate;
        RiduzioneDopoSviluppo();
        if (versoFile_) ScriviRidotte();
        if (memoria) {
            r.ColonnePrecedenti = static_cast<std::int32_t>(Colonne().Conteggio());
            if (!versoFile_) esito_.Finali = static_cast<std::int64_t>(Colonne().Conteggio());
        }
        if (ricalcolo_) f_.CalcoloTerminato(esito_.Finali);
        return Concludi(inizio);
    }

private:
    [[nodiscard]] ListaColonne& Colonne() { return esito_.Risultato.Colonne; }

    EsitoSviluppo Concludi(std::chrono::steady_clock::time_point inizio) {
        esito_.Risultato.Recuperi = d_.Link.Statistiche();
        esito_.Secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
        if (!ricalcolo_) f_.Stato("Elaborazione Terminata.   Tempo Impiegato : " + TestoTempo(esito_.Secondi));
        return std::move(esito_);
    }

    [[nodiscard]] std::int64_t Tenute() {
        return file_ ? file_->Scritte() : static_cast<std::int64_t>(Colonne().Conteggio());
    }

    void EseguiPassi() {
        const int passi = std::max<int>(1, dest_.VinciteMultiple);
        for (int passo = 1; passo <= passi && !esito_.Annullato; ++passo) {
            contatori_ = {};
            contatore_ = 0;
            f_.Stato(passi >= 2 ? "Elaborazione in Corso... Passo " + std::to_string(passo) : "Elaborazione in Corso...");
            const bool completo = d_.Sorgente.SorgentePronostico ? PassoPronostico(passo) : PassoFile(passo);
            if (!completo) return;
            if (passo == 1 && riduci_) Smaltisci();
        }
        f_.AggiornaCond(esito_.Totale, Tenute(), true, contatori_.Esaminate);
        if (riduci_) f_.AggiornaCondRid(esito_.Totale, contatori_.Accettate, true, Tenute(), contatori_.Esaminate);
        esito_.Esaminate = contatori_.Esaminate;
        esito_.Accettate = riduci_ ? contatori_.Accettate : Tenute();
    }

    bool PassoPronostico(int passo) {
        esito_.Totale = static_cast<std::int64_t>(ColonneIntegrali(d_.Pronostico));
        const bool completo = senzaFiltro_ && accoda_ && !file_
                                  ? GeneraTutte()
                                  : GeneraColonne(d_.Pronostico, 8, f_, [&](Colonna c) { ColonnaSviluppata(c, passo); });
        if (!completo) {
            esito_.Annullato = true;
            esito_.EnumerazioneInterrotta = true;
            Colonne().Svuota();
        }
        return completo;
    }

    bool PassoFile(int passo) {
        std::ifstream in(PercorsoFileColonne(s_, d_.Sorgente.FileSorgente), std::ios::binary);
        LetturaFileColonne lettura(in);
        const auto restanti = in ? lettura.Restanti() : std::nullopt;
        if (!restanti) return FileIllegibile(false);
        esito_.Totale = static_cast<std::int64_t>(*restanti);
        for (auto blocco = lettura.Prossime(); !blocco.empty(); blocco = lettura.Prossime()) {
            for (const Colonna c : blocco) {
                ColonnaSviluppata(c, passo);
                if (f_.annullato()) {
                    esito_.Annullato = true;
                    return false;
                }
            }
        }
        if (lettura.Errore()) return FileIllegibile(true);
        if (riduci_) Smaltisci();
        return true;
    }

    // A read that breaks off drops the columns; one that cannot start keeps
    // those of the passes before.
    bool FileIllegibile(bool interrotto) {
        if (interrotto) Colonne().Svuota();
        f_.Errore(MsgCaricareFileCombinazioni);
        esito_.Annullato = true;
        return false;
    }

    // Every column of the forecast goes to the tail of the list: the same
    // counts and refreshes as ColonnaSviluppata, kept in locals so the loop
    // does little more than store the columns.
    bool GeneraTutte() {
        auto& lista = Colonne();
        std::int64_t esaminate = contatori_.Esaminate;
        int contatore = contatore_;
        const bool completo = GeneraColonne(d_.Pronostico, 8, f_, [&](Colonna c) {
            lista.Aggiungi(c);
            ++esaminate;
            if (++contatore >= kRinfresco) {
                f_.AggiornaCond(esito_.Totale, static_cast<std::int64_t>(lista.Conteggio()), false, esaminate);
                contatore = 0;
            }
        });
        contatori_.Esaminate = esaminate;
        contatore_ = contatore;
        return completo;
    }

    void ColonnaSviluppata(Colonna c, int passo) {
        if (senzaFiltro_ || d_.Condizioni.Verifica(c)) {
            if (file_) {
                file_->Aggiungi(c);
                ++contatori_.Accettate;
            } else if (accoda_) {
                Colonne().Aggiungi(c);
            } else {
                riduttore_.PassoRiduzione(c, passo);
            }
        }
        ++contatori_.Esaminate;
        ++contatore_;
        if (riduci_ && contatore_ >= kRinfrescoRiduzione) {
            f_.AggiornaCondRid(esito_.Totale, contatori_.Accettate, false, Tenute(), contatori_.Esaminate);
            contatore_ = 0;
        } else if (!riduci_ && contatore_ >= kRinfresco) {
            f_.AggiornaCond(esito_.Totale, Tenute(), false, contatori_.Esaminate);
            contatore_ = 0;
        }
    }

    void Smaltisci() {
        const bool completo = riduttore_.SmaltisciSospese(f_, [&] {
            f_.AggiornaCondRid(esito_.Totale, contatori_.Accettate, false, Tenute(), contatori_.Esaminate);
        });
        if (!completo) esito_.Annullato = true;
    }

    void RiduzioneDopoSviluppo() {
        if (!dest_.SviluppoRidotto || !dest_.RiduzioneOttimizzata || Colonne().Vuota() || esito_.Annullato) return;
        const auto n = Colonne().Conteggio();
        const bool grande = (dest_.Garanzia == 7 && n > 24000) || (dest_.Garanzia == 6 && n > 300000);
        if (grande && !f_.Conferma(DomandaRiduzioneLenta)) return;
        f_.Stato("Autoriduzione In Corso...");
        const int distanza = 8 - dest_.Garanzia;
        int faseMostrata = 0;
        const auto progresso = [&](int fase, std::size_t tenute, std::size_t coperte, std::size_t totale) {
            if (fase != faseMostrata) f_.Stato("Autoriduzione in Corso : Fase " + std::to_string(fase));
            faseMostrata = fase;
            f_.AggiornaRidOtt(static_cast<std::int64_t>(totale), static_cast<std::int64_t>(tenute), coperte >= totale,
                              static_cast<std::int64_t>(coperte));
        };
        const bool completa =
            dest_.RiduzioneMigliorata
                ? RiduzioneMigliorata(Colonne(), distanza, ParametriSviluppo(dest_), f_, progresso).Completa
                : RiduzioneOttimizzata(Colonne(), distanza, f_, progresso);
        if (!completa) esito_.Annullato = true;
    }

    void ScriviRidotte() {
        if (!dest_.RiduzioneOttimizzata) Smaltisci();
        try {
            ScriviFile(Colonne(), PercorsoFileColonne(s_, dest_.FileDestinazione));
        } catch (const std::exception&) {
            f_.Errore(MsgSalvareFileCombinazioni);
            esito_.Risultato.Sviluppato = false;
        }
        esito_.Finali = static_cast<std::int64_t>(Colonne().Conteggio());
        Colonne().Svuota();
    }

    T_Sistema& s_;
    DatiSistema& d_;
    InterfacciaSviluppo& f_;
    const DefDest& dest_;
    const bool ricalcolo_;
    const bool versoFile_;  // reduced in memory, written to the file at the end
    const bool riduci_;
    const bool accoda_;  // kept columns go straight to the tail of the list
    bool senzaFiltro_ = false;  // every column passes: the test is left out
    ContatoriSviluppo contatori_;
    EsitoSviluppo esito_;  // before the reducer, which works on its column list
    Riduttore riduttore_;
    std::unique_ptr<FileColonneInScrittura> file_;
    int contatore_ = 0;
};

}  // namespace

std::filesystem::path PercorsoFileColonne(const T_Sistema& s, const std::string& nome) {
    return io::resolveGivenName(s.Cartella(), io::kColonne, nome);
}

int PassoCampione(double colonne) {
    if (colonne < 10000) return 1;
    if (colonne < 40000) return 2;
    if (colonne < 200000) return 5;
    if (colonne < 1000000) return 15;
    if (colonne < 3000000) return 20;
    return 50;
}

std::string TestoTempo(double secondi) {
    const auto totale = static_cast<long>(secondi);
    char testo[32];
    std::snprintf(testo, sizeof testo, "%02ld:%02ld:%02ld", totale / 3600, (totale / 60) % 60, totale % 60);
    return testo;
}

EsitoSviluppo Sviluppa(T_Sistema& sistema, InterfacciaSviluppo& finestra, ModoSviluppo modo) {
    return Sviluppatore(sistema, finestra, modo).Esegui();
}

EsitoSviluppo CalcoloStimato(T_Sistema& sistema, InterfacciaSviluppo& finestra) {
    auto& d = *sistema.Dati;
    const int n = NumeroNumeri(d.Pronostico);
    const int f = NumeroNumeri(d.Fisse & d.Pronostico);
    const int passo = PassoCampione(Binomiale(n - f, 8 - f));
    sistema.PreparaCondizioni();
    d.Condizioni.RegistraErrori = false;
    EsitoSviluppo esito;
    esito.Risultato = risultatoDi(sistema);
    esito.Totale = static_cast<std::int64_t>(ColonneIntegrali(d.Pronostico));
    int contatore = 0;
    GeneraCampione(passo, d.Pronostico, [&](Colonna c) {
        ++esito.Esaminate;
        if (d.Condizioni.Verifica(c)) ++esito.Accettate;
        if (++contatore == 300) {
            finestra.AggiornaCond(esito.Totale, esito.Accettate * passo, false, esito.Esaminate * passo);
            contatore = 0;
        }
    });
    esito.Esaminate *= passo;
    esito.Accettate *= passo;
    esito.Finali = esito.Accettate;
    finestra.CalcoloTerminato(esito.Finali);
    esito.Risultato.ColonnePrecedenti = static_cast<std::int32_t>(esito.Finali);
    esito.Risultato.Recuperi = d.Link.Statistiche();
    return esito;
}

EsitoSviluppo RicalcoloAutomatico(T_Sistema& sistema, InterfacciaSviluppo& finestra) {
    finestra.Inizializza();
    return sistema.Dati->Destinazione.CalcoloReale ? Sviluppa(sistema, finestra, ModoSviluppo::Ricalcolo)
                                                   : CalcoloStimato(sistema, finestra);
}

}  // namespace ludo
