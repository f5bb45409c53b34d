#include "core/printing/Tabulato.h"

#include <algorithm>

#include "core/system/Versione.h"

namespace ludo {

MetricheTabulato CalcolaMetriche(const MisureCarattere& misure, int colonnePerSchedina,
                                 const TImpTabulato& imp, double scala) {
    MetricheTabulato m;
    m.passoColonna = misure.larghezza32 + misure.larghezza32 / 3;
    m.altezzaRiga = misure.altezza0 + misure.altezza0 / 5;
    m.larghezzaCella = colonnePerSchedina * m.passoColonna * 1.06;
    m.altezzaCorpo = 8 * m.altezzaRiga * 1.06;
    m.altezzaIntestazione = misure.altezzaSchNum * 1.3;
    m.spaziaturaOrizzontale = imp.SpaziaturaOrizzontale * 10 * scala;
    m.spaziaturaVerticale = imp.SpaziaturaVerticale * 10 * scala;
    return m;
}

std::string TitoloTabulato(const LavoroStampaSchedine& lavoro, std::string_view fileSistema) {
    return "Stampa delle Colonne del Sistema " +
           (lavoro.NomeEsterno ? lavoro.NomeSistema : NomeSenzaEstensione(fileSistema));
}

std::string NomeFileStampa(const LavoroStampaSchedine& lavoro, std::string_view fileSistema) {
    if (lavoro.Prova) return "Taratura.pdf";
    return (lavoro.NomeEsterno ? lavoro.NomeSistema : NomeSenzaEstensione(fileSistema)) + ".pdf";
}

namespace {

CellaTabulato Cella(const SchedinaImpaginata& s, int colonnePerSchedina, const MetricheTabulato& m,
                    double x, double y) {
    CellaTabulato c;
    c.schedina = s.numero;
    const double yCorpo = y + m.altezzaIntestazione;
    c.cornice = {x, y, x + m.larghezzaCella, yCorpo + m.altezzaCorpo};
    c.yLinea = yCorpo;
    c.intestazione = {x, y, x + m.larghezzaCella, yCorpo};
    c.testoIntestazione = (colonnePerSchedina < 4 ? "Nº " : "Sc.Nº ") + std::to_string(s.numero);
    int righe = 0;
    for (Colonna col : s.colonne) righe = std::max(righe, NumeroNumeri(col));
    const double larghezzaBlocco = static_cast<double>(s.colonne.size()) * m.passoColonna;
    const double x0 = x + (m.larghezzaCella - larghezzaBlocco) / 2;
    const double y0 = yCorpo + (m.altezzaCorpo - righe * m.altezzaRiga) / 2;
    for (std::size_t k = 0; k < s.colonne.size(); ++k) {
        int riga = 0;
        for (int numero = 1; numero <= 32; ++numero) {
            if ((s.colonne[k] & (Colonna{1} << (numero - 1))) == 0) continue;
            c.numeri.push_back({std::to_string(numero),
                                x0 + static_cast<double>(k) * m.passoColonna,
                                y0 + riga++ * m.altezzaRiga});
        }
    }
    return c;
}

}  // namespace

Tabulato ImpaginaTabulato(const std::vector<SchedinaImpaginata>& schedine, int colonnePerSchedina,
                          const MetricheTabulato& m, double larghezzaPagina, double altezzaPagina) {
    Tabulato t;
    int pagina = 1;
    t.pagine.emplace_back();
    double x = XInizioTabulato;
    double y = YInizioTabulato;
    const double altezzaRiga = m.altezzaCorpo + m.altezzaIntestazione;
    for (std::size_t i = 0; i < schedine.size(); ++i) {
        t.pagine.back().celle.push_back(Cella(schedine[i], colonnePerSchedina, m, x, y));
        x += m.larghezzaCella + m.spaziaturaOrizzontale;
        if (x + m.larghezzaCella < larghezzaPagina) continue;
        x = XInizioTabulato;
        y += altezzaRiga + m.spaziaturaVerticale;
        if (y + altezzaRiga >= altezzaPagina - MargineBassoTabulato && i + 1 < schedine.size()) {
            t.pagine.back().piede = TestoPagina + std::to_string(pagina++);
            t.pagine.emplace_back();
            y = YNuovaPaginaTabulato;
        }
    }
    t.pagine.back().piede = TestoPagina + std::to_string(pagina);
    return t;
}

std::vector<CellaGriglia> CelleGriglia(const GrigliaDaStampare& griglia, int primaColonna,
                                       int numeroRighe, int numeroColonne, int primaRiga,
                                       double scala, double alto, double sinistra,
                                       double larghezzaBlank, double altezzaTesto) {
    std::vector<CellaGriglia> celle;
    const int ultimaRiga =
        std::min<int>(primaRiga + numeroRighe, static_cast<int>(griglia.altezzeRighe.size()));
    const int ultimaColonna = std::min<int>(primaColonna + numeroColonne,
                                            static_cast<int>(griglia.larghezzeColonne.size()));
    double y = alto;
    for (int r = std::max(primaRiga, 0); r < ultimaRiga; ++r) {
        const double altezza = (griglia.altezzeRighe[r] + 1) * scala;
        double x = sinistra;
        for (int c = std::max(primaColonna, 0); c < ultimaColonna; ++c) {
            const double larghezza = (griglia.larghezzeColonne[c] + 1) * scala;
            std::string testo;
            if (static_cast<std::size_t>(r) < griglia.celle.size() &&
                static_cast<std::size_t>(c) < griglia.celle[r].size()) {
                testo = griglia.celle[r][c];
            }
            celle.push_back(
                {{x, y, x + larghezza, y + altezza},
                 {std::move(testo), x + larghezzaBlank / 2, y + (altezza - altezzaTesto) / 2}});
            x += larghezza;
        }
        y += altezza;
    }
    return celle;
}

std::vector<std::vector<BloccoRighe>> PagineTabella(int righe, int righePerPagina) {
    std::vector<std::vector<BloccoRighe>> pagine;
    if (righePerPagina < 1) righePerPagina = 1;
    pagine.push_back({});
    if (righe <= 0) return pagine;
    pagine.back().push_back({0, std::min(righe, righePerPagina), AltoTabella});
    for (int prima = righePerPagina; prima < righe; prima += righePerPagina) {
        pagine.push_back({{0, 1, AltoIntestazioneTabella},
                          {prima, std::min(righe - prima, righePerPagina), AltoTabella}});
    }
    return pagine;
}

}  // namespace ludo
