#pragma once
// "Stampa Archivio": the contests of a range, of every type, with their
// winning columns, printed as a ruled table through the millimetre printer
// on the program's printer or into a PDF file.

#include <QDialog>
#include <memory>

#include "core/archive/ArchivioConcorsi.h"

namespace Ui {
class TFrmStampaArchivio;
}

class CaselleIntervallo;
class SuperficieStampa;

// The printout itself: the title in the title font, the table in a small
// font as the core lays it out, "Pagina Nº" at the foot of every page; a
// failure throws Errore("Impossibile Stampare La Tabella").
void StampaArchivioSu(SuperficieStampa& superficie, const ludo::ArchivioConcorsi& archivio,
                      const ludo::IntervalloRicerca& intervallo);

class TFrmStampaArchivio : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("stampa-archivio");
    static inline const QString NomeFilePdf = QStringLiteral("Archivio.pdf");

    // At first the range is the last season of the archive; later openings
    // take the range printed last.
    explicit TFrmStampaArchivio(const ludo::ArchivioConcorsi& archivio, QWidget* parent = nullptr);
    ~TFrmStampaArchivio() override;

  private:
    void OKBtnClick();
    // False when the printout failed (the message has been shown).
    bool Stampa(const ludo::IntervalloRicerca& intervallo);

    std::unique_ptr<Ui::TFrmStampaArchivio> ui;
    const ludo::ArchivioConcorsi& archivio_;
    CaselleIntervallo* intervallo_;
};
