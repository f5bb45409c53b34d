#include "ui/conditions/TListaViste.h"

#include "core/conditions/TGruppo.h"

ludo::TCondizione& TListaViste::Mostrata() const {
    return *Viste.at(static_cast<std::size_t>(Corrente)).Condizione;
}

void TListaViste::Precedente() {
    if (Corrente > 0) --Corrente;
}

void TListaViste::Successivo() {
    if (Corrente < Numero() - 1) ++Corrente;
}

bool TListaViste::Elimina() {
    if (Numero() <= 1) return false;
    Viste.erase(Viste.begin() + Corrente);
    if (Corrente >= Numero()) Corrente = Numero() - 1;
    return true;
}

void TListaVisteC::ImpostaOggetto(ludo::TCondizione& oggetto) {
    oggetto_ = &oggetto;
    gruppo_ = dynamic_cast<ludo::TGruppo*>(&oggetto);
    Viste.clear();
    Corrente = 0;
    if (Singolo()) {
        Viste.push_back({oggetto.Copia()});
        return;
    }
    for (const auto& membro : gruppo_->Elenco) Viste.push_back({membro->Copia()});
    if (Vuota()) Aggiungi();
}

void TListaVisteC::Aggiungi() {
    if (Singolo()) return;
    Viste.push_back({ludo::CreaCondizione(gruppo_->CodiceMembri, gruppo_->Proprietario)});
    Ultimo();
}

void TListaVisteC::Scrivi() const {
    if (Singolo()) {
        oggetto_->Assegna(*Viste.front().Condizione);
        return;
    }
    gruppo_->Elenco.clear();
    for (const TVista& vista : Viste) gruppo_->Elenco.push_back(vista.Condizione->Copia());
}
