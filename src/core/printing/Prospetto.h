#pragma once
// The system report ("Prospetto del Sistema"): a paper summary of the system
// for the people who play it together — general information, participants,
// comment, the coupon with forecast and fixed matches, the description of
// every active condition — one copy per participant or as many as asked.
// Laid out here in millimetres; the window measures the texts in its fonts
// and draws what the pages hold.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/conditions/TCondizione.h"
#include "core/printing/Tabulato.h"
#include "core/system/Costi.h"

namespace ludo {

class T_Sistema;

inline constexpr char MsgImpossibileStampareProspetto[] = "Impossibile Stampare il Prospetto del Sistema";
inline constexpr char TitoloProspettoSistema[] = "Prospetto del Sistema";
inline constexpr int MassimoCopieProspetto = 100;
// The coupon and the information grid are drawn at this many mm per screen pixel.
inline constexpr double ScalaProspetto = 0.34;

// What the report dialog asks for.
struct OpzioniProspetto {
    bool Informazioni = true;
    bool Schedina = true;
    bool Condizioni = true;
    bool Tabulato = false;
    bool CopiaPerPartecipante = true;  // with more than one participant; else Copie
    int Copie = 1;
};

// The conditions the development uses, in code order, once prepared: none
// when the settings leave them out.
std::vector<const TCondizione*> CondizioniInUso(T_Sistema& sistema);

// One copy per participant is possible only with more than one.
bool CopiePerPartecipante(const T_Sistema& sistema, const OpzioniProspetto& opzioni);
int NumeroCopie(const T_Sistema& sistema, const OpzioniProspetto& opzioni);
// "Prospetto del Sistema", then with several copies "     Copia per " and
// the participant's name, or "     Copia Nº " and the copy (1-based).
std::string TitoloCopia(const T_Sistema& sistema, const OpzioniProspetto& opzioni, int copia);

// "  Sistema Integrale  ", "  Sistema Condizionato Ridotto a garanzia di 1 Sei", …
std::string TestoTipoSistema(const T_Sistema& sistema, bool condizioni);

// The texts of the report of a system, the same for every copy.
struct ContenutoProspetto {
    std::string intestazione;         // program, version and publisher
    std::vector<std::string> titoli;  // one per copy
    bool informazioni = false;
    GrigliaDaStampare griglia;  // 3 rows × 2 columns of general information
    int partecipanti = 1;
    std::vector<std::string> nomi;  // empty when the names are not given
    std::vector<std::string> commento;
    bool schedina = false;
    std::string fisse;     // "Partite Fisse :  3  7"
    std::string concorso;  // "Concorso Nº 12"
    std::array<GrigliaDaStampare, 2> coupon;  // matches 1..16 and 17..32
    RigheDescrizione condizioni;  // empty when not printed
};

// oggi: the date as the report prints it.
ContenutoProspetto PreparaProspetto(T_Sistema& sistema, const OpzioniProspetto& opzioni,
                                    const std::string& oggi, FormatoNumeri formato = {});

// The fonts of the report.
enum class FontProspetto { Intestazione, Titolo, Sezione, Normale, Condizioni };

// What the window measures, in millimetres.
struct MisureProspetto {
    double larghezzaPagina = 0;
    double altezzaPagina = 0;
    double altezzaPiede = 0;  // the page footer's line
    std::function<double(const std::string&, FontProspetto)> larghezza;
    std::function<double(FontProspetto)> altezza;  // one line
};

struct TestoProspetto {
    double x = 0;
    double y = 0;
    std::string testo;
    FontProspetto font = FontProspetto::Normale;
    bool operator==(const TestoProspetto&) const = default;
};

struct PaginaProspetto {
    std::vector<TestoProspetto> testi;
    std::vector<CellaGriglia> celle;  // in the Normale font
};

// The pages of one copy (0-based): every section starts on a new page (at
// 5 mm) when it would run into the footer, and so does each line of the
// condition list.
std::vector<PaginaProspetto> ImpaginaProspetto(const ContenutoProspetto& contenuto, int copia,
                                               const MisureProspetto& misure);

// Items separated by ", " in lines no wider than `larghezza`; an item wider
// than a line stands alone on its own.
std::vector<std::string> RigheACapo(const std::vector<std::string>& voci, double larghezza,
                                    const std::function<double(const std::string&)>& misura);

}  // namespace ludo
