// The commands that view and check columns, from memory or from a file:
// "Visualizza", "Spoglio" and "Spoglio Storico" of the "Colonne" menu.
#include "core/checking/Spoglio.h"
#include "core/columns/FileColonne.h"
#include "core/io/ProgramFolder.h"
#include "ui/checking/TFrmSpoglio.h"
#include "ui/checking/TFrmSpoglioStorico.h"
#include "ui/checking/TFrmVisualizzaColonne.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/system/TFormPrincipa.h"

void TFormPrincipa::VisualizzaMemoriaClick() {
    TFrmVisualizzaColonne finestra(sistema_.Dati->Colonne, this);
    finestra.exec();
}

void TFormPrincipa::VisualizzaFileClick() {
    if (auto colonne = ColonneDaFile(ludo::MsgImpossibileCaricareColonnare)) {
        TFrmVisualizzaColonne finestra(*colonne, this);
        finestra.exec();
    }
}

void TFormPrincipa::SpoglioMemoriaClick() { ApriSpoglio(sistema_.Dati->Colonne); }

void TFormPrincipa::SpoglioFileClick() {
    if (auto colonne = ColonneDaFile(ludo::MsgImpossibileCaricareColonnare))
        ApriSpoglio(std::move(*colonne));
}

void TFormPrincipa::SpoglioStoricoMemoriaClick() { ApriSpoglioStorico(sistema_.Dati->Colonne); }

void TFormPrincipa::SpoglioStoricoFileClick() {
    if (auto colonne = ColonneDaFile(ludo::MsgImpossibileCaricareColonnare))
        ApriSpoglioStorico(std::move(*colonne));
}

std::optional<ludo::ListaColonne> TFormPrincipa::ColonneDaFile(const char* msgErrore) {
    RichiestaFile r;
    r.titolo = QStringLiteral("Seleziona il File Colonnare");
    r.cartella = Cartella(ludo::io::kColonne);
    r.filtro = QStringLiteral("File Colonnare (*.Col)");
    r.estensione = QStringLiteral("Col");
    const QString scelto = ChiediFile(this, r);
    if (scelto.isEmpty()) return std::nullopt;
    ludo::ListaColonne colonne;
    if (!ludo::LeggiFile(colonne, scelto.toStdString(), false)) {
        Informazione(QString::fromUtf8(msgErrore), TFrmMessage::OK, this);
        return std::nullopt;
    }
    return colonne;
}

void TFormPrincipa::ApriSpoglio(ludo::ListaColonne colonne) {
    TFrmSpoglio finestra(sistema_, std::move(colonne), this);
    finestra.exec();
    // An editor opened from "Condizioni Sbagliate" may have changed the system.
    AggiornaStatusLine();
    AggiornaAbilitazioni();
}

void TFormPrincipa::ApriSpoglioStorico(ludo::ListaColonne colonne) {
    TFrmSpoglioStorico finestra(sistema_.Dati->Archivio, sistema_.Dati->Config.Ricerca.Intervallo,
                                sistema_.Cartella(), std::move(colonne), this);
    if (finestra.Analizza()) finestra.exec();
}
