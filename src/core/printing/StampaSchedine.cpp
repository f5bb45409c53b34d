#include "core/printing/StampaSchedine.h"

#include <algorithm>

#include "core/io/Errore.h"
#include "core/system/Versione.h"

namespace ludo {
namespace {

double Passo(const SlipGeometry& g) { return g.distanzaSegniVert + g.AQuadratini; }

bool SoloSpazi(const std::string& testo) {
    return testo.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

const SlipGeometry& GeometriaDi(const SlipPrintSettings& impostazioni, int tipoStampa) {
    return impostazioni.Geometrie[tipoStampa == StampaVerticale ? 1 : 0];
}

std::vector<Quadratino> QuadratiniColonna(Colonna colonna, int posizione, const SlipGeometry& g,
                                          int tipoStampa) {
    std::vector<Quadratino> quadratini;
    const double passo = Passo(g);
    const double striscia = g.DistanzaSegniOriz + g.LQuadratini;
    const bool verticale = tipoStampa == StampaVerticale;
    // The first box of the first strip.
    const double x =
        verticale ? BordoVerticale - g.YPrimaCol : g.XPrimaCol + posizione * g.DistanzaColonne;
    const double y = verticale ? g.XPrimaCol + posizione * g.DistanzaColonne : g.YPrimaCol;
    for (int numero = 1; numero <= 2 * QuadratiniPerStriscia; ++numero) {
        if ((colonna & (Colonna{1} << (numero - 1))) == 0) continue;
        const int i = (numero - 1) % QuadratiniPerStriscia;
        const bool seconda = numero > QuadratiniPerStriscia;
        Rettangolo r;
        if (verticale) {
            r.x1 = x - i * passo;
            r.y1 = seconda ? y + striscia : y;
            r.x2 = r.x1 + g.AQuadratini;
            r.y2 = r.y1 + g.LQuadratini;
        } else {
            r.x1 = seconda ? x + striscia : x;
            r.y1 = y + i * passo;
            r.x2 = r.x1 + g.LQuadratini;
            r.y2 = r.y1 + g.AQuadratini;
        }
        quadratini.push_back({numero, r});
    }
    return quadratini;
}

int NumeroSchedine(std::size_t numColonne, int colonnePerSchedina) {
    if (colonnePerSchedina < 1) colonnePerSchedina = 1;
    const auto per = static_cast<std::size_t>(colonnePerSchedina);
    return static_cast<int>((numColonne + per - 1) / per);
}

std::vector<SchedinaImpaginata> ImpaginaSchedine(const ListaColonne& colonne,
                                                 int colonnePerSchedina, int prima, int ultima,
                                                 double prezzoColonna) {
    std::vector<SchedinaImpaginata> schedine;
    if (colonnePerSchedina < 1) colonnePerSchedina = 1;
    const std::size_t totale = colonne.Conteggio();
    std::size_t indice = prima > 1 ? static_cast<std::size_t>(prima - 1) * colonnePerSchedina : 0;
    auto it = colonne.begin();
    std::advance(it, static_cast<std::ptrdiff_t>(std::min(indice, totale)));
    for (int numero = std::max(prima, 1); numero <= ultima && indice < totale; ++numero) {
        SchedinaImpaginata s;
        s.numero = numero;
        for (int n = 0; n < colonnePerSchedina && indice < totale; ++n) {
            const std::size_t restanti = totale - indice;
            if (colonnePerSchedina > 1 && n == colonnePerSchedina - 1 && restanti == 2) {
                auto ultimaColonna = it;
                ++ultimaColonna;
                if (NumeroNumeri(*ultimaColonna) == 8) break;
            }
            const Colonna c = *it;
            if (!EVuota(c)) s.costo += Binomiale(NumeroNumeri(c), 8) * prezzoColonna;
            s.colonne.push_back(c);
            ++it;
            ++indice;
        }
        schedine.push_back(std::move(s));
    }
    return schedine;
}

LavoroStampaSchedine::LavoroStampaSchedine() {
    RigheCedolina[0] = std::string(NomeProgramma) + " " + TestoVersione();
}

LavoroStampaSchedine LavoroProva(int tipoStampa) {
    LavoroStampaSchedine lavoro;
    for (int i = 0; i < SlipPrintSettings::MaxColonnePerSchedina; ++i)
        lavoro.Colonne.Aggiungi(~Colonna{0});
    lavoro.Prova = true;
    lavoro.TipoStampa = tipoStampa;
    return lavoro;
}

void ControllaIntervallo(int prima, int ultima, int numSchedine) {
    if (prima < 1 || prima > ultima || ultima > numSchedine) throw Errore(MsgSchedineErrate);
}

std::string TestoEtichetta(const LavoroStampaSchedine& lavoro, const SchedinaImpaginata& schedina,
                           const Configurazione& config, std::string_view fileSistema,
                           FormatoNumeri formato) {
    if (lavoro.Prova) return EtichettaProva;
    const std::string costo = TestoValuta(schedina.costo, config, formato);
    if (lavoro.SoloCosto) return "Costo della schedina : " + costo;
    std::string testo = "Schedina Nº " + std::to_string(schedina.numero) + " " + costo;
    if (!lavoro.NomeEsterno) testo = std::string(fileSistema) + " " + testo;
    return testo;
}

TestoSchedina EtichettaSchedina(std::string testo, const SlipGeometry& g, int tipoStampa) {
    if (tipoStampa == StampaVerticale)
        return {std::move(testo), BordoVerticale - g.ScrittaY, g.ScrittaX, false, 0};
    return {std::move(testo), g.ScrittaX, g.ScrittaY, true, BaseEtichetta};
}

ludo::RigheCedolina RigheConRicevitoria(const ludo::RigheCedolina& righe,
                                        const std::array<std::string, 4>& ricevitoria) {
    ludo::RigheCedolina risultato = righe;
    std::size_t riga = 6;
    for (std::size_t i = 6; i <= 9; ++i) risultato[i].clear();
    for (const std::string& dato : ricevitoria) {
        if (!SoloSpazi(dato)) risultato[riga++] = dato;
    }
    return risultato;
}

std::vector<TestoSchedina> TestiCedolina(const ludo::RigheCedolina& righe, const SlipGeometry& g,
                                         int tipoStampa, double altezzaRiga) {
    std::vector<TestoSchedina> testi;
    const double x0 = 6.6 * g.DistanzaColonne + g.XPrimaCol;
    const double b = 13 * Passo(g) + 1.0;
    double scarto = 0;
    for (std::size_t j = 0; j < righe.size(); ++j) {
        if (j == 6) scarto = 2.0;
        if (righe[j].empty()) continue;
        if (j > 6) scarto -= 1.0;
        const double lungo = static_cast<double>(j) * altezzaRiga + x0 + scarto;
        if (tipoStampa == StampaVerticale) {
            testi.push_back({righe[j], BordoVerticale - g.YPrimaCol - b, lungo, false, 0});
        } else {
            testi.push_back({righe[j], lungo, g.YPrimaCol + b + 2.0, true, BaseCedolina});
        }
    }
    return testi;
}

std::vector<FoglioSchedina> FogliSchedine(const LavoroStampaSchedine& lavoro,
                                          const Configurazione& config, int colonnePerSchedina,
                                          bool stampaCedolina, std::string_view fileSistema,
                                          double altezzaRigaCedolina, FormatoNumeri formato) {
    std::vector<FoglioSchedina> fogli;
    if (lavoro.Prova) colonnePerSchedina = SlipPrintSettings::MaxColonnePerSchedina;
    const SlipGeometry& g = GeometriaDi(config.ImpStampa, lavoro.TipoStampa);
    if (stampaCedolina) {
        FoglioSchedina cedolina;
        cedolina.cedolina = true;
        for (int n = 0; n < 2; ++n) {
            auto q = QuadratiniColonna(lavoro.ColonneCedolina[n], n, g, lavoro.TipoStampa);
            cedolina.quadratini.insert(cedolina.quadratini.end(), q.begin(), q.end());
        }
        cedolina.testi =
            TestiCedolina(RigheConRicevitoria(lavoro.RigheCedolina, config.DatiRicevitoria), g,
                          lavoro.TipoStampa, altezzaRigaCedolina);
        fogli.push_back(std::move(cedolina));
    }
    const auto schedine = ImpaginaSchedine(lavoro.Colonne, colonnePerSchedina, lavoro.PrimaSchedina,
                                           lavoro.UltimaSchedina, PrezzoColonna(config));
    for (const SchedinaImpaginata& s : schedine) {
        FoglioSchedina foglio;
        foglio.numero = s.numero;
        for (std::size_t n = 0; n < s.colonne.size(); ++n) {
            auto q = QuadratiniColonna(s.colonne[n], static_cast<int>(n), g, lavoro.TipoStampa);
            foglio.quadratini.insert(foglio.quadratini.end(), q.begin(), q.end());
        }
        if (config.ImpStampa.StampaScritta) {
            foglio.testi.push_back(EtichettaSchedina(
                TestoEtichetta(lavoro, s, config, fileSistema, formato), g, lavoro.TipoStampa));
        }
        fogli.push_back(std::move(foglio));
    }
    return fogli;
}

}  // namespace ludo
