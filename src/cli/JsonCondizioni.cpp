#include "cli/JsonCondizioni.h"

#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/CondizioniSchema.h"
#include "core/conditions/TPuntiTra.h"
#include "core/conditions/TQuadro.h"

namespace ludo::cli {
namespace {

// Only the values that are not refused: {"3": [stato, livello], …}.
void scriviValori(Json& j, const TabellaMisura& t, int massimo) {
    j.beginObject();
    for (int v = 0; v <= massimo && v < TabellaMisura::NumeroVoci; ++v) {
        const VoceMisura voce = t.Voce(v);
        if (voce.Stato == 0 && voce.Livello == 0) continue;
        j.key(std::to_string(v)).beginArray().value(static_cast<int>(voce.Stato)).value(static_cast<int>(voce.Livello));
        j.endArray();
    }
    j.endObject();
}

void scriviTesto(Json& j, const std::vector<std::string>& righe) {
    j.beginArray();
    for (const auto& r : righe) j.value(r);
    j.endArray();
}

void scriviTabelle(Json& j, TCondizione& c) {
    bool aperto = false;
    c.PerOgniMisura([&](TMisura& m) {
        if (!aperto) j.key("tabelle").beginArray();
        aperto = true;
        scriviMisura(j, m);
    });
    if (aperto) j.endArray();
}

void campiPropri(Json& j, const TCondizione& c) {
    switch (c.Codice) {
        case CodInterruzioni:
        case CodSimmetrie:
        case CodRipetizioni:
            j.key("modo").value(static_cast<int>(c.Modo));
            break;
        case CodFormuleDerivate: {
            j.key("formule").beginArray();
            for (bool f : static_cast<const TFormuleDerivate&>(c).Formule) j.value(f);
            j.endArray();
            break;
        }
        case CodPosizioni: j.key("ordine").value(static_cast<int>(static_cast<const TPosizioni&>(c).Ordine)); break;
        case CodNumeroSequenze:
            j.key("ordine").value(static_cast<int>(static_cast<const TNumeroSequenze&>(c).Ordine));
            break;
        case CodSequela: {
            const auto& p = static_cast<const TSequela&>(c).Parametri;
            j.key("tipo_sequela").value(p.tipo).key("lunghezza").value(p.lunghezza);
            j.key("passo_trovata").value(p.passoTrovata).key("passo_non_trovata").value(p.passoNonTrovata);
            j.key("sequela").beginArray();
            for (auto s : p.sequela) j.value(static_cast<int>(s));
            j.endArray();
            break;
        }
        case CodDistanzaSpecifica: {
            const auto& d = static_cast<const TDistanzaSpecifica&>(c);
            j.key("posizione1").value(d.Posizione1).key("posizione2").value(d.Posizione2);
            break;
        }
        case CodPicchetto: {
            const auto& p = static_cast<const TPicchetto&>(c);
            j.key("tipo").value(p.Tipo == 1 ? "Somma" : "Prodotto").key("partite").beginArray();
            for (int n = 1; n <= 32; ++n) {
                if (p.Partite[static_cast<std::size_t>(n - 1)]) j.value(n);
            }
            j.endArray().key("intervalli");
            scriviIntervalli(j, p.Intervalli);
            break;
        }
        case CodResti: j.key("divisore").value(static_cast<const TResti&>(c).Divisore); break;
        case CodConsecutivita:
            j.key("parita").value(static_cast<const TConsecutivita&>(c).Parita != 0 ? "Pari" : "Dispari");
            break;
        case CodColonnaFiltro: {
            const auto& f = static_cast<const TColonnaFiltro&>(c);
            j.key("numeri");
            scriviNumeri(j, f.Numeri);
            j.key("flag_posizione").value(f.FlagPosizione != 0);
            break;
        }
        case CodSomma: {
            const auto& s = static_cast<const TSomma&>(c);
            j.key("partite");
            scriviNumeri(j, s.Partite);
            j.key("intervalli");
            scriviIntervalli(j, s.Intervalli);
            break;
        }
        case CodQuadro: {
            const auto& q = static_cast<const TQuadro&>(c);
            j.key("predefinito").value(q.Predefinito).key("relazione").value(static_cast<int>(q.Relazione));
            j.key("commento");
            scriviTesto(j, q.Commento);
            break;
        }
        case CodPuntiTra: {
            const auto& p = static_cast<const TPuntiTra&>(c);
            j.key("ultimo").value(p.Ultimo).key("gruppi").beginObject();
            for (int g = 1; g <= TPuntiTra::NumeroGruppi; ++g) {
                const auto& t = p.Gruppi[static_cast<std::size_t>(g)];
                if (t.Numero == 0) continue;
                j.key(std::to_string(g));
                scriviIntervalli(j, t);
            }
            j.endObject();
            break;
        }
        default: break;
    }
}

}  // namespace

void scriviNumeri(Json& j, Colonna maschera) {
    j.beginArray();
    for (int n = 1; n <= 32; ++n) {
        if ((maschera >> (n - 1)) & 1U) j.value(n);
    }
    j.endArray();
}

void scriviMisura(Json& j, const TMisura& m) {
    j.beginObject();
    j.key("da").value(static_cast<int>(m.Da)).key("a").value(static_cast<int>(m.A));
    j.key("link").value(std::string(1, m.Prima.Link)).key("campo").value(static_cast<int>(m.Prima.Campo));
    j.key("primo");
    scriviValori(j, m.Prima, m.Massimo);
    if (m.HaSeconda) {
        j.key("link_secondo").value(std::string(1, m.Seconda.Link));
        j.key("campo_secondo").value(static_cast<int>(m.Seconda.Campo));
        j.key("secondo");
        scriviValori(j, m.Seconda, m.Massimo);
    }
    j.endObject();
}

void scriviIntervalli(Json& j, const TIntervalli& t) {
    j.beginArray();
    for (int i = 0; i < t.Numero && i < TIntervalli::MassimoIntervalli; ++i) {
        const auto& iv = t.Intervalli[static_cast<std::size_t>(i)];
        j.beginObject().key("min").value(iv.Min).key("max").value(iv.Max);
        j.key("stato").value(static_cast<int>(iv.Stato)).key("livello").value(static_cast<int>(iv.Livello));
        j.endObject();
    }
    j.endArray();
}

void scriviCondizione(Json& j, const TCondizione& c) {
    j.beginObject();
    j.key("codice").value(static_cast<int>(c.Codice)).key("nome").value(c.Nome);
    j.key("attivato").value(c.Attivato).key("effettivo").value(c.Effettivo);
    campiPropri(j, c);
    scriviTabelle(j, const_cast<TCondizione&>(c));
    if (const auto* membri = c.Membri()) {
        j.key("membri").beginArray();
        for (const auto& m : *membri) scriviCondizione(j, *m);
        j.endArray();
    }
    j.endObject();
}

void scriviSistema(Json& j, const T_Sistema& s, bool conColonne) {
    const DatiSistema& d = *s.Dati;
    j.beginObject();
    j.key("versione").value(s.VersioneLetta).key("concorso").value(d.Coupon.Concorso);
    j.key("squadre").beginArray();
    for (const auto& p : d.Coupon.Squadre) j.beginArray().value(p.Casa).value(p.Ospite).endArray();
    j.endArray();
    j.key("pronostico");
    scriviNumeri(j, d.Pronostico);
    j.key("fisse");
    scriviNumeri(j, d.Fisse);
    j.key("picchetti").beginArray();
    for (double p : d.Picchetti) j.value(p);
    j.endArray();
    j.key("condizioni").beginArray();
    for (int n = 1; n <= TCondizioniSistema::NumeroCondizioni; ++n) scriviCondizione(j, d.Condizioni.Condizione(n));
    j.endArray();
    j.key("link").beginObject();
    for (std::size_t i = 0; i < d.Link.Link.size(); ++i) {
        j.key(std::string(1, static_cast<char>('A' + i)));
        scriviMisura(j, d.Link.Link[i].ErroriAmmessiNellaLink);
    }
    j.key("totale");
    scriviMisura(j, d.Link.ErroriAmmessiInTotale);
    j.endObject();
    j.key("sorgente").beginObject().key("SorgentePronostico").value(d.Sorgente.SorgentePronostico);
    j.key("FileSorgente").value(d.Sorgente.FileSorgente).endObject();
    const DefDest& t = d.Destinazione;
    j.key("destinazione").beginObject();
    j.key("RicalcoloAutomatico").value(t.RicalcoloAutomatico).key("CalcoloReale").value(t.CalcoloReale);
    j.key("UsaCondizionamenti").value(t.UsaCondizionamenti).key("SviluppoRidotto").value(t.SviluppoRidotto);
    j.key("DestinazioneMemoria").value(t.DestinazioneMemoria).key("DistanzaMinima").value(t.DistanzaMinima);
    j.key("RiduzioneOttimizzata").value(t.RiduzioneOttimizzata).key("Garanzia").value(static_cast<int>(t.Garanzia));
    j.key("DistMin").value(static_cast<int>(t.DistMin)).key("VinciteMultiple").value(static_cast<int>(t.VinciteMultiple));
    j.key("FileDestinazione").value(t.FileDestinazione);
    j.key("RiduzioneMigliorata").value(t.RiduzioneMigliorata);
    j.key("SecondiMigliorata").value(static_cast<int>(t.SecondiMigliorata)).endObject();
    j.key("commento");
    scriviTesto(j, s.Commento);
    j.key("partecipanti");
    scriviTesto(j, s.NomiPartecipanti);
    j.key("numero_partecipanti").value(s.NumeroPartecipanti).key("specifica_nomi").value(s.SpecificaNomi);
    j.key("numero_colonne").value(static_cast<std::int64_t>(d.Colonne.Conteggio()));
    if (conColonne) {
        j.key("colonne").beginArray();
        for (Colonna c : d.Colonne) scriviNumeri(j, c);
        j.endArray();
    }
    j.endObject();
}

}  // namespace ludo::cli
