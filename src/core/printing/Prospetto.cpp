#include "core/printing/Prospetto.h"

#include <algorithm>
#include <bit>
#include <numeric>

#include "core/conditions/TCondizioniSistema.h"
#include "core/system/StatoPrincipale.h"
#include "core/system/T_Sistema.h"
#include "core/system/Versione.h"

namespace ludo {
namespace {

constexpr double Sinistra = 10;       // mm from the left edge
constexpr double InizioPagina = 5.0;  // where a continued page starts
constexpr double PassoRientro = 6;    // mm per level of groups and boards
constexpr double DistanzaGriglie = 5;
// The cells of the general information, in screen pixels.
constexpr int LarghezzaInformazioni = 270;
constexpr int AltezzaCella = 20;
// The coupon grids: number, home, away, forecast and "Picch." columns.
constexpr std::array<int, 5> ColonneSchedina = {22, 90, 90, 26, 40};

bool ConPicchetti(const T_Sistema& sistema) {
    const auto& p = sistema.Dati->Picchetti;
    return std::any_of(p.begin(), p.end(), [](double v) { return v > 0; });
}

GrigliaDaStampare GrigliaInformazioni(const T_Sistema& sistema, bool condizioni, const std::string& oggi,
                                      FormatoNumeri formato) {
    const auto& d = *sistema.Dati;
    std::string costi = TestoColonneFinali(sistema, formato);
    if (sistema.NumeroPartecipanti > 1 && !d.Colonne.Vuota()) {
        const int numeri = NumeroNumeri(*d.Colonne.begin());
        const double totale = PrezzoColonnaDi(numeri, d.Config) * static_cast<double>(d.Colonne.Conteggio());
        costi += "  Costo Totale : " + std::string(SimboloValuta(d.Config)) + " " +
                 TestoImporto(totale, d.Config.Euro, formato);
    }
    GrigliaDaStampare g;
    g.larghezzeColonne = {LarghezzaInformazioni, LarghezzaInformazioni};
    g.altezzeRighe = {AltezzaCella, AltezzaCella, AltezzaCella};
    g.celle = {
        {"  Nome del Sistema : " + NomeSenzaEstensione(sistema.NomeFile.string()), "  Stampato il : " + oggi},
        {"  Partite Selezionate : " + std::to_string(std::popcount(d.Pronostico)) +
             "   Fisse : " + std::to_string(std::popcount(d.Fisse)) + "       ",
         TestoTipoSistema(sistema, condizioni)},
        {TestoColonneIniziali(sistema, formato), costi},
    };
    return g;
}

GrigliaDaStampare GrigliaSchedina(const T_Sistema& sistema, int prima, bool picchetti) {
    const auto& d = *sistema.Dati;
    GrigliaDaStampare g;
    const std::size_t colonne = picchetti ? ColonneSchedina.size() : ColonneSchedina.size() - 1;
    g.larghezzeColonne.assign(ColonneSchedina.begin(), ColonneSchedina.begin() + static_cast<long>(colonne));
    g.celle.push_back({"Nº", "Casa", "Trasferta", "Pron.", "Picch."});
    g.celle.back().resize(colonne);
    for (int n = prima; n < prima + NumeroPartite / 2; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        const Colonna bit = Colonna{1} << i;
        const std::string segno = (d.Fisse & bit) != 0 ? "F" : (d.Pronostico & bit) != 0 ? "X" : "";
        std::vector<std::string> riga{std::to_string(n), d.Coupon.Squadre[i].Casa, d.Coupon.Squadre[i].Ospite, segno};
        if (picchetti) riga.push_back(TestoPicchetto(d.Picchetti[i]));
        g.celle.push_back(std::move(riga));
    }
    g.altezzeRighe.assign(g.celle.size(), AltezzaCella);
    return g;
}

std::string PartiteFisse(Colonna fisse) {
    std::string testo = "Partite Fisse :";
    for (int n = 1; n <= 32; ++n) {
        if (((fisse >> (n - 1)) & 1U) != 0) testo += "  " + std::to_string(n);
    }
    return testo;
}

double AltezzaGriglia(const GrigliaDaStampare& g, double scala) {
    return std::accumulate(g.altezzeRighe.begin(), g.altezzeRighe.end(), 0.0,
                           [scala](double t, int h) { return t + (h + 1) * scala; });
}

double LarghezzaGriglia(const GrigliaDaStampare& g, double scala) {
    return std::accumulate(g.larghezzeColonne.begin(), g.larghezzeColonne.end(), 0.0,
                           [scala](double t, int w) { return t + (w + 1) * scala; });
}

// Places texts and cells down the pages of one copy.
class Impaginatore {
  public:
    explicit Impaginatore(const MisureProspetto& m) : m_(m) { pagine_.emplace_back(); }

    // Room for `altezza` more millimetres, on a new page when the footer is near.
    void Spazio(double altezza) {
        if (y_ + altezza <= m_.altezzaPagina - m_.altezzaPiede - 1) return;
        pagine_.emplace_back();
        y_ = InizioPagina;
    }
    void Testo(double x, double y, std::string testo, FontProspetto font) {
        pagine_.back().testi.push_back({x, y, std::move(testo), font});
    }
    void Centrato(std::string testo, double y, FontProspetto font) {
        const double x = XCentrata(m_.larghezzaPagina, m_.larghezza(testo, font));
        Testo(x, y, std::move(testo), font);
    }
    void Griglia(const GrigliaDaStampare& g, double x) {
        auto celle = CelleGriglia(g, 0, static_cast<int>(g.celle.size()),
                                  static_cast<int>(g.larghezzeColonne.size()), 0, ScalaProspetto, y_, x,
                                  m_.larghezza(" ", FontProspetto::Normale), m_.altezza(FontProspetto::Normale));
        auto& dest = pagine_.back().celle;
        dest.insert(dest.end(), celle.begin(), celle.end());
    }
    // A caption and items wrapped after it, from x.
    void Voci(double x, const std::string& didascalia, const std::vector<std::string>& voci, FontProspetto font) {
        const double h = m_.altezza(font);
        const double dopo = x + m_.larghezza(didascalia + " ", font);
        auto righe = RigheACapo(voci, m_.larghezzaPagina - Sinistra - dopo,
                                [&](const std::string& t) { return m_.larghezza(t, font); });
        if (righe.empty()) righe.emplace_back();
        for (std::size_t i = 0; i < righe.size(); ++i) {
            Spazio(h);
            if (i == 0) Testo(x, y_, didascalia, font);
            if (!righe[i].empty()) Testo(dopo, y_, righe[i], font);
            y_ += h;
        }
    }

    double& y() { return y_; }
    std::vector<PaginaProspetto> Pagine() && { return std::move(pagine_); }

  private:
    const MisureProspetto& m_;
    std::vector<PaginaProspetto> pagine_;
    double y_ = 0;
};

void SezioneInformazioni(Impaginatore& p, const ContenutoProspetto& c, const MisureProspetto& m) {
    const double hSezione = m.altezza(FontProspetto::Sezione);
    const double hGriglia = AltezzaGriglia(c.griglia, ScalaProspetto);
    p.Spazio(hSezione + 1 + hGriglia);
    p.Testo(Sinistra, p.y(), "Informazioni Generali sul Sistema", FontProspetto::Sezione);
    p.y() += hSezione + 1;
    p.Griglia(c.griglia, Sinistra);
    p.y() += 3 * AltezzaCella * ScalaProspetto + 10;
}

void SezionePartecipanti(Impaginatore& p, const ContenutoProspetto& c, const MisureProspetto& m) {
    const double h = m.altezza(FontProspetto::Normale);
    p.Spazio(h);
    p.Testo(Sinistra, p.y(), "Numero di Partecipanti al Sistema : " + std::to_string(c.partecipanti),
            FontProspetto::Normale);
    p.y() += h + 1;
    if (!c.nomi.empty()) p.Voci(Sinistra, "Nomi dei Partecipanti :", c.nomi, FontProspetto::Normale);
    p.y() += 5;
}

void SezioneCommento(Impaginatore& p, const ContenutoProspetto& c, const MisureProspetto& m) {
    const double h = m.altezza(FontProspetto::Normale);
    const double hSezione = m.altezza(FontProspetto::Sezione);
    p.Spazio(hSezione + 1 + h);
    p.Testo(Sinistra, p.y(), "Commento", FontProspetto::Sezione);
    p.y() += hSezione + 1;
    for (const auto& riga : c.commento) {
        p.Spazio(h);
        p.Testo(Sinistra, p.y(), riga, FontProspetto::Normale);
        p.y() += h;
    }
    p.y() += 5;
}

void SezioneSchedina(Impaginatore& p, const ContenutoProspetto& c, const MisureProspetto& m) {
    const double h = m.altezza(FontProspetto::Normale);
    p.Spazio(2 * h + 3 + AltezzaGriglia(c.coupon[0], ScalaProspetto));
    p.Testo(Sinistra, p.y(), c.fisse, FontProspetto::Normale);
    p.y() += h + 2;
    p.Testo(Sinistra, p.y(), c.concorso, FontProspetto::Normale);
    p.y() += h + 1;
    p.Griglia(c.coupon[0], Sinistra);
    p.Griglia(c.coupon[1], Sinistra + LarghezzaGriglia(c.coupon[0], ScalaProspetto) + DistanzaGriglie);
    p.y() += AltezzaGriglia(c.coupon[0], ScalaProspetto) + 10;
}

void SezioneCondizioni(Impaginatore& p, const ContenutoProspetto& c, const MisureProspetto& m) {
    const double hSezione = m.altezza(FontProspetto::Sezione);
    p.Spazio(hSezione + 3 + m.altezza(FontProspetto::Condizioni));
    p.Centrato("Elenco delle condizioni del sistema", p.y(), FontProspetto::Sezione);
    p.y() += hSezione + 3;
    for (const auto& riga : c.condizioni)
        p.Voci(Sinistra + PassoRientro * riga.Rientro, riga.Didascalia, riga.Voci, FontProspetto::Condizioni);
}

}  // namespace

std::vector<const TCondizione*> CondizioniInUso(T_Sistema& sistema) {
    auto& d = *sistema.Dati;
    sistema.PreparaCondizioni();
    d.Condizioni.ImpostaPercorsi();
    std::vector<const TCondizione*> attive;
    if (!d.Destinazione.UsaCondizionamenti) return attive;
    for (int i = 0; i < d.Condizioni.NumeroAttive(); ++i) {
        // A condition that passes every column (an empty board) conditions nothing.
        if (!d.Condizioni.Attiva(i).SempreSoddisfatta()) attive.push_back(&d.Condizioni.Attiva(i));
    }
    return attive;
}

bool CopiePerPartecipante(const T_Sistema& sistema, const OpzioniProspetto& opzioni) {
    return opzioni.CopiaPerPartecipante && sistema.NumeroPartecipanti > 1;
}

int NumeroCopie(const T_Sistema& sistema, const OpzioniProspetto& opzioni) {
    if (CopiePerPartecipante(sistema, opzioni)) return sistema.NumeroPartecipanti;
    return std::clamp(opzioni.Copie, 1, MassimoCopieProspetto);
}

std::string TitoloCopia(const T_Sistema& sistema, const OpzioniProspetto& opzioni, int copia) {
    std::string titolo = TitoloProspettoSistema;
    if (NumeroCopie(sistema, opzioni) <= 1) return titolo;
    const auto indice = static_cast<std::size_t>(copia - 1);
    if (CopiePerPartecipante(sistema, opzioni) && sistema.SpecificaNomi &&
        indice < sistema.NomiPartecipanti.size())
        return titolo + "     Copia per " + sistema.NomiPartecipanti[indice];
    return titolo + "     Copia Nº " + std::to_string(copia);
}

std::string TestoTipoSistema(const T_Sistema& sistema, bool condizioni) {
    const DefDest& dest = sistema.Dati->Destinazione;
    std::string testo = "  Sistema ";
    if (!condizioni && !dest.SviluppoRidotto) return testo + "Integrale  ";
    if (condizioni) testo += "Condizionato ";
    if (dest.SviluppoRidotto)
        testo += "Ridotto a garanzia di " + std::to_string(dest.VinciteMultiple) +
                 (dest.Garanzia == 6 ? " Sei" : " Sette");
    return testo;
}

ContenutoProspetto PreparaProspetto(T_Sistema& sistema, const OpzioniProspetto& opzioni, const std::string& oggi,
                                    FormatoNumeri formato) {
    auto& d = *sistema.Dati;
    const auto attive = CondizioniInUso(sistema);
    const bool condizioni = !attive.empty();

    ContenutoProspetto c;
    c.intestazione = std::string(NomeProgramma) + " " + TestoVersione() + " per Linux - Sistemi per il Totogol";
    for (int copia = 1; copia <= NumeroCopie(sistema, opzioni); ++copia)
        c.titoli.push_back(TitoloCopia(sistema, opzioni, copia));
    c.informazioni = opzioni.Informazioni;
    c.griglia = GrigliaInformazioni(sistema, condizioni, oggi, formato);
    c.partecipanti = sistema.NumeroPartecipanti;
    if (sistema.SpecificaNomi) {
        const auto n = std::min(sistema.NomiPartecipanti.size(), static_cast<std::size_t>(c.partecipanti));
        c.nomi.assign(sistema.NomiPartecipanti.begin(), sistema.NomiPartecipanti.begin() + static_cast<long>(n));
    }
    c.commento = sistema.Commento;
    while (!c.commento.empty() && c.commento.back().empty()) c.commento.pop_back();
    c.schedina = opzioni.Schedina;
    c.fisse = PartiteFisse(d.Fisse);
    c.concorso = "Concorso Nº " + std::to_string(d.Coupon.Concorso);
    const bool picchetti = ConPicchetti(sistema);
    c.coupon = {GrigliaSchedina(sistema, 1, picchetti), GrigliaSchedina(sistema, NumeroPartite / 2 + 1, picchetti)};
    if (opzioni.Condizioni && condizioni) {
        for (const TCondizione* a : attive) a->Stampa(c.condizioni, 0);
    }
    return c;
}

std::vector<PaginaProspetto> ImpaginaProspetto(const ContenutoProspetto& c, int copia, const MisureProspetto& m) {
    Impaginatore p(m);
    p.Centrato(c.intestazione, 1, FontProspetto::Intestazione);
    p.Centrato(c.titoli.at(static_cast<std::size_t>(copia)), 10, FontProspetto::Titolo);
    p.y() = 10 + m.altezza(FontProspetto::Titolo) + 10;
    if (c.informazioni) SezioneInformazioni(p, c, m);
    if (c.partecipanti > 1) SezionePartecipanti(p, c, m);
    if (!c.commento.empty()) SezioneCommento(p, c, m);
    if (c.schedina) SezioneSchedina(p, c, m);
    if (!c.condizioni.empty()) SezioneCondizioni(p, c, m);
    return std::move(p).Pagine();
}

std::vector<std::string> RigheACapo(const std::vector<std::string>& voci, double larghezza,
                                    const std::function<double(const std::string&)>& misura) {
    std::vector<std::string> righe;
    std::string riga;
    const auto aggiungi = [&](const std::string& pezzo) {
        if (!riga.empty() && misura(riga + pezzo) > larghezza) {
            righe.push_back(riga);
            riga.clear();
        }
        riga += pezzo;
    };
    for (std::size_t i = 0; i < voci.size(); ++i) {
        const std::string voce = voci[i] + (i + 1 < voci.size() ? ", " : "");
        if (misura(voce) <= larghezza) {
            aggiungi(voce);
            continue;
        }
        // Too wide for any line: word by word.
        for (std::size_t inizio = 0; inizio < voce.size();) {
            const auto blank = voce.find(' ', inizio);
            const auto fine = blank == std::string::npos ? voce.size() : blank + 1;
            aggiungi(voce.substr(inizio, fine - inizio));
            inizio = fine;
        }
    }
    if (!riga.empty()) righe.push_back(riga);
    return righe;
}

}  // namespace ludo
