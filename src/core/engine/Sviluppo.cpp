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

constexpr std::size_t kBlocco = 1000;
constexpr int kRinfrescoRiduzione = 501;
constexpr int kRinfresco = 201;

// The destination column file, written through a 1000-mask buffer into a
// temporary file that replaces the target when closed.
class FileDestinazione {
public:
    explicit FileDestinazione(std::filesystem::path file)
        : file_(std::move(file)), temporaneo_(file_.string() + ".parziale"),
          out_(temporaneo_, std::ios::binary | std::ios::trunc) {
        buffer_.reserve(4 * kBlocco);
    }
    [[nodiscard]] bool Aperto() const { return static_cast<bool>(out_); }
    void Aggiungi(Colonna c) {
        for (int i = 0; i < 4; ++i) buffer_.push_back(static_cast<char>(c >> (8 * i)));
        ++scritte_;
        if (buffer_.size() == 4 * kBlocco) svuota();
    }
    bool Chiudi() {
        svuota();
        out_.close();
        std::error_code ec;
        if (!out_.fail()) std::filesystem::rename(temporaneo_, file_, ec);
        if (out_.fail() || ec) {
            std::filesystem::remove(temporaneo_, ec);
            return false;
        }
        return true;
    }
    [[nodiscard]] std::int64_t Scritte() const { return scritte_; }

private:
    void svuota() {
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
    }
    std::filesystem::path file_;
    std::filesystem::path temporaneo_;
    std::ofstream out_;
    std::vector<char> buffer_;
    std::int64_t scritte_ = 0;
};

class Sviluppatore {
public:
    Sviluppatore(T_Sistema& s, InterfacciaSviluppo& f)
        : s_(s), d_(*s.Dati), f_(f), dest_(d_.Destinazione),
          versoFile_(!dest_.DestinazioneMemoria && dest_.SviluppoRidotto),
          riduci_(dest_.SviluppoRidotto && !dest_.RiduzioneOttimizzata),
          accoda_(!riduci_),
          riduttore_(d_.Colonne,
                     {dest_.SviluppoRidotto, dest_.RiduzioneOttimizzata, dest_.DistanzaMinima, dest_.Garanzia,
                      dest_.DistMin},
                     contatori_) {}

    EsitoSviluppo Esegui() {
        const auto inizio = std::chrono::steady_clock::now();
        const bool memoria = dest_.DestinazioneMemoria || versoFile_;
        d_.Colonne.Svuota();
        s_.PreparaCondizioni();
        d_.Condizioni.RegistraErrori = false;
        senzaFiltro_ = !dest_.UsaCondizionamenti || d_.Condizioni.SempreVera();
        d_.Sviluppato = true;
        if (!memoria) {
            file_ = std::make_unique<FileDestinazione>(PercorsoFileColonne(s_, dest_.FileDestinazione));
            if (!file_->Aperto()) {
                f_.Errore(MsgSalvareFileCombinazioni);
                file_.reset();
                d_.Sviluppato = false;
                return esito_;
            }
        }
        esegui_passi();
        if (file_) {
            if (!file_->Chiudi()) {
                f_.Errore(MsgSalvareFileCombinazioni);
                d_.Sviluppato = false;
            }
            s_.ColonnePrecedenti = static_cast<std::int32_t>(file_->Scritte());
            esito_.Finali = file_->Scritte();
        }
        d_.ColonneSviluppate = static_cast<std::int32_t>(d_.Colonne.Conteggio());
        esito_.ColonneSviluppate = d_.ColonneSviluppate;
        riduzioneOttimizzata();
        if (versoFile_) scriviRidotte();
        if (memoria) {
            s_.ColonnePrecedenti = static_cast<std::int32_t>(d_.Colonne.Conteggio());
            if (!versoFile_) esito_.Finali = static_cast<std::int64_t>(d_.Colonne.Conteggio());
        }
        if (s_.InRicalcolo) f_.CalcoloTerminato(esito_.Finali);
        esito_.Secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
        if (!s_.InRicalcolo) f_.Stato("Elaborazione Terminata.   Tempo Impiegato : " + TestoTempo(esito_.Secondi));
        return esito_;
    }

private:
    [[nodiscard]] std::int64_t kept() const {
        return file_ ? file_->Scritte() : static_cast<std::int64_t>(d_.Colonne.Conteggio());
    }

    void esegui_passi() {
        const int passi = std::max<int>(1, dest_.VinciteMultiple);
        for (int passo = 1; passo <= passi && !esito_.Annullato; ++passo) {
            contatori_ = {};
            contatore_ = 0;
            f_.Stato(passi >= 2 ? "Elaborazione in Corso... Passo " + std::to_string(passo) : "Elaborazione in Corso...");
            const bool completo = d_.Sorgente.SorgentePronostico ? passoPronostico(passo) : passoFile(passo);
            if (!completo) return;
            if (passo == 1 && riduci_) smaltisci();
        }
        f_.AggiornaCond(esito_.Totale, kept(), true, contatori_.Esaminate);
        if (riduci_) f_.AggiornaCondRid(esito_.Totale, contatori_.Accettate, true, kept(), contatori_.Esaminate);
        esito_.Esaminate = contatori_.Esaminate;
        esito_.Accettate = riduci_ ? contatori_.Accettate : kept();
    }

    bool passoPronostico(int passo) {
        esito_.Totale = static_cast<std::int64_t>(ColonneIntegrali(d_.Pronostico));
        const bool completo = senzaFiltro_ && accoda_ && !file_
                                  ? GeneraTutte()
                                  : GeneraColonne(d_.Pronostico, 8, f_, [&](Colonna c) { colonnaSviluppata(c, passo); });
        if (!completo) {
            esito_.Annullato = true;
            esito_.EnumerazioneInterrotta = true;
            d_.Colonne.Svuota();
        }
        return completo;
    }

    bool passoFile(int passo) {
        std::ifstream in(PercorsoFileColonne(s_, d_.Sorgente.FileSorgente), std::ios::binary);
        if (!in) {
            f_.Errore(MsgCaricareFileCombinazioni);
            esito_.Annullato = true;
            return false;
        }
        in.seekg(0, std::ios::end);
        esito_.Totale = static_cast<std::int64_t>(in.tellg()) / 4;
        in.seekg(0);
        std::vector<char> blocco(4 * kBlocco);
        for (std::int64_t restanti = esito_.Totale; restanti > 0;) {
            const auto quante = static_cast<std::size_t>(std::min<std::int64_t>(restanti, kBlocco));
            in.read(blocco.data(), static_cast<std::streamsize>(4 * quante));
            if (static_cast<std::size_t>(in.gcount()) != 4 * quante) {
                d_.Colonne.Svuota();
                f_.Errore(MsgCaricareFileCombinazioni);
                esito_.Annullato = true;
                return false;
            }
            for (std::size_t i = 0; i < quante; ++i) {
                const auto* b = reinterpret_cast<const unsigned char*>(blocco.data() + 4 * i);
                colonnaSviluppata(static_cast<Colonna>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<Colonna>(b[3]) << 24),
                                  passo);
                if (f_.annullato()) {
                    esito_.Annullato = true;
                    return false;
                }
            }
            restanti -= static_cast<std::int64_t>(quante);
        }
        if (riduci_) smaltisci();
        return true;
    }

    // Every column of the forecast goes to the tail of the list: the same
    // counts and refreshes as colonnaSviluppata, kept in locals so the loop
    // does little more than store the columns.
    bool GeneraTutte() {
        auto& lista = d_.Colonne;
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

    void colonnaSviluppata(Colonna c, int passo) {
        if (senzaFiltro_ || d_.Condizioni.Verifica(c)) {
            if (file_) {
                file_->Aggiungi(c);
                ++contatori_.Accettate;
            } else if (accoda_) {
                d_.Colonne.Aggiungi(c);
            } else {
                riduttore_.PassoRiduzione(c, passo);
            }
        }
        ++contatori_.Esaminate;
        ++contatore_;
        if (riduci_ && contatore_ >= kRinfrescoRiduzione) {
            f_.AggiornaCondRid(esito_.Totale, contatori_.Accettate, false, kept(), contatori_.Esaminate);
            contatore_ = 0;
        } else if (!riduci_ && contatore_ >= kRinfresco) {
            f_.AggiornaCond(esito_.Totale, kept(), false, contatori_.Esaminate);
            contatore_ = 0;
        }
    }

    void smaltisci() {
        const bool completo = riduttore_.SmaltisciSospese(f_, [&] {
            f_.AggiornaCondRid(esito_.Totale, contatori_.Accettate, false, kept(), contatori_.Esaminate);
        });
        if (!completo) esito_.Annullato = true;
    }

    void riduzioneOttimizzata() {
        if (!dest_.SviluppoRidotto || !dest_.RiduzioneOttimizzata || d_.Colonne.Vuota() || esito_.Annullato) return;
        const auto n = d_.Colonne.Conteggio();
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
                ? RiduzioneMigliorata(d_.Colonne, distanza, ParametriSviluppo(dest_), f_, progresso).Completa
                : RiduzioneOttimizzata(d_.Colonne, distanza, f_, progresso);
        if (!completa) esito_.Annullato = true;
    }

    void scriviRidotte() {
        if (!dest_.RiduzioneOttimizzata) smaltisci();
        try {
            ScriviFile(d_.Colonne, PercorsoFileColonne(s_, dest_.FileDestinazione));
        } catch (const std::exception&) {
            f_.Errore(MsgSalvareFileCombinazioni);
            d_.Sviluppato = false;
        }
        esito_.Finali = static_cast<std::int64_t>(d_.Colonne.Conteggio());
        d_.Colonne.Svuota();
    }

    T_Sistema& s_;
    DatiSistema& d_;
    InterfacciaSviluppo& f_;
    const DefDest& dest_;
    const bool versoFile_;  // reduced in memory, written to the file at the end
    const bool riduci_;
    const bool accoda_;  // kept columns go straight to the tail of the list
    bool senzaFiltro_ = false;  // every column passes: the test is left out
    ContatoriSviluppo contatori_;
    Riduttore riduttore_;
    std::unique_ptr<FileDestinazione> file_;
    int contatore_ = 0;
    EsitoSviluppo esito_;
};

}  // namespace

std::filesystem::path PercorsoFileColonne(const T_Sistema& s, const std::string& nome) {
    const std::filesystem::path p(nome);
    if (p.has_parent_path()) return p;
    return io::resolvePath(s.Cartella(), std::string("\\") + std::string(io::kColonne) + "\\" + nome);
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

EsitoSviluppo Sviluppa(T_Sistema& sistema, InterfacciaSviluppo& finestra) {
    return Sviluppatore(sistema, finestra).Esegui();
}

EsitoSviluppo CalcoloStimato(T_Sistema& sistema, InterfacciaSviluppo& finestra) {
    auto& d = *sistema.Dati;
    const int n = NumeroNumeri(d.Pronostico);
    const int f = NumeroNumeri(d.Fisse & d.Pronostico);
    const int passo = PassoCampione(Binomiale(n - f, 8 - f));
    d.Colonne.Svuota();
    sistema.PreparaCondizioni();
    d.Condizioni.RegistraErrori = false;
    EsitoSviluppo esito;
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
    sistema.ColonnePrecedenti = static_cast<std::int32_t>(esito.Finali);
    return esito;
}

EsitoSviluppo RicalcoloAutomatico(T_Sistema& sistema, InterfacciaSviluppo& finestra) {
    sistema.InRicalcolo = true;
    finestra.Inizializza();
    const EsitoSviluppo esito =
        sistema.Dati->Destinazione.CalcoloReale ? Sviluppa(sistema, finestra) : CalcoloStimato(sistema, finestra);
    sistema.InRicalcolo = false;
    return esito;
}

}  // namespace ludo
