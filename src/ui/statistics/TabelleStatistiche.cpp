#include "ui/statistics/TabelleStatistiche.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHeaderView>
#include <QTableWidget>

#include "ui/printing/StampaSuFile.h"
#include "ui/printing/SuperficieStampa.h"

void RiempiTabella(QTableWidget& tabella, const QStringList& intestazioni,
                   const std::vector<QStringList>& righe) {
    tabella.clear();
    tabella.setColumnCount(static_cast<int>(intestazioni.size()));
    tabella.setRowCount(static_cast<int>(righe.size()));
    tabella.setHorizontalHeaderLabels(intestazioni);
    tabella.setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella.verticalHeader()->hide();
    for (int r = 0; r < tabella.rowCount(); ++r) {
        const QStringList& riga = righe[static_cast<std::size_t>(r)];
        for (int c = 0; c < riga.size() && c < tabella.columnCount(); ++c) {
            auto* cella = new QTableWidgetItem(riga[c]);
            cella->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                           : Qt::AlignRight | Qt::AlignVCenter);
            tabella.setItem(r, c, cella);
        }
    }
    tabella.resizeColumnsToContents();
}

void EvidenziaCelle(QTableWidget& tabella, int riga, int primaColonna, int colonne) {
    for (int c = primaColonna; c < primaColonna + colonne; ++c) {
        QTableWidgetItem* cella = tabella.item(riga, c);
        if (cella == nullptr) continue;
        QFont font = cella->font();
        font.setBold(true);
        cella->setFont(font);
        cella->setBackground(QColor(0xff, 0xf2, 0xb3));
    }
}

ludo::GrigliaDaStampare GrigliaConIntestazioni(const QTableWidget& tabella,
                                               const QStringList& intestazioni) {
    ludo::GrigliaDaStampare g = GrigliaDi(tabella);
    std::vector<std::string> testa;
    for (int c = 0; c < tabella.columnCount(); ++c) {
        const QTableWidgetItem* h = tabella.horizontalHeaderItem(c);
        const QString testo =
            c < intestazioni.size() ? intestazioni[c] : (h != nullptr ? h->text() : QString());
        testa.push_back(testo.toStdString());
    }
    g.celle.insert(g.celle.begin(), testa);
    g.altezzeRighe.insert(g.altezzeRighe.begin(), tabella.horizontalHeader()->height());
    return g;
}

void GruppoEsclusivo(std::initializer_list<QAbstractButton*> pulsanti,
                     const std::function<void()>& cambiato) {
    QAbstractButton* primo = *pulsanti.begin();
    auto* gruppo = new QButtonGroup(primo->parent());
    bool premuto = false;
    for (QAbstractButton* b : pulsanti) {
        b->setCheckable(true);
        gruppo->addButton(b);
        premuto = premuto || b->isChecked();
    }
    if (!premuto) primo->setChecked(true);
    QObject::connect(gruppo, &QButtonGroup::buttonToggled, primo,
                     [cambiato](QAbstractButton*, bool giu) {
                         if (giu) cambiato();
                     });
}

bool StampaTabelleFinestra(QWidget* finestra, const std::vector<TabellaDaStampare>& tabelle,
                           const char* messaggio, const QString& nomeFile) {
    QString file;
    if (StampaSuFile()) {
        file = ChiediFileStampa(finestra, nomeFile);
        if (file.isEmpty()) return false;
    }
    const QFont fontTitolo(QStringLiteral("Arial"), 12, QFont::Bold);
    const QFont fontTabella(QStringLiteral("Courier New"), 9);
    return EseguiStampa(
        finestra,
        [&] {
            StampaSu([&](SuperficieStampa& superficie) {
                StampaTabelle(superficie, tabelle, fontTitolo, fontTabella, messaggio);
            });
        },
        messaggio, file);
}
