#include "ui/conditions/TFrmCondizionePagine.h"

#include <QAbstractButton>
#include <QButtonGroup>

#include "core/conditions/TMisura.h"
#include "ui/controls/TGGraphpt.h"

void TFrmCondizionePagine::ImpostaPagine(TGGraphpt* controllo,
                                         const QList<QAbstractButton*>& pulsanti) {
    controllo_ = controllo;
    pulsanti_ = new QButtonGroup(this);
    for (int i = 0; i < pulsanti.size(); ++i) {
        pulsanti_->addButton(pulsanti[i], i);
        if (pulsanti[i]->isChecked()) tabella_ = i;
    }
    connect(pulsanti_, &QButtonGroup::idToggled, this, [this](int tabella, bool scelta) {
        if (scelta) TabellaScelta(tabella);
    });
}

void TFrmCondizionePagine::TabellaScelta(int tabella) {
    if (!VisteCaricate()) {
        tabella_ = tabella;
        return;
    }
    MemorizzaPunti(Mostrata());
    tabella_ = tabella;
    CaricaPunti(Mostrata());
    CaricaSpecifici(Mostrata());
}

void TFrmCondizionePagine::CaricaSpecifici(const ludo::TCondizione& vista) {
    controllo_->setPtTotali(TabellaCondizione(vista, tabella_).Massimo + 1);
}

void TFrmCondizionePagine::AzzeraSpecifici(ludo::TCondizione& vista) {
    for (int i = 0; i < pulsanti_->buttons().size(); ++i) {
        if (i == tabella_) continue;
        ludo::TMisura& misura = TabellaCondizione(vista, i);
        misura.Azzera();
        misura.Da = 1;
        misura.A = 32;
    }
}
