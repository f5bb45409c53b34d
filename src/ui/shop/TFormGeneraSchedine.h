#pragma once
// "Generazione Schedine": random single slips of a chosen format (a fixed
// cost, or a cost drawn between two formats). "Genera e Stampa" prints them
// with only their cost on the label and records each slip in the play
// archive of the contest; the slips of six equal columns can also become the
// system's columns ("Genera in Memoria") or a column file ("Genera su File").

#include <QDialog>
#include <memory>
#include <optional>

#include "core/checking/Ricevitoria.h"
#include "core/system/T_Sistema.h"

namespace Ui {
class TFormGeneraSchedine;
}
class GiocateDelConcorso;
class QLabel;

class TFormGeneraSchedine : public QDialog {
    Q_OBJECT
public:
    static inline const QString PaginaGuida = QStringLiteral("generazione-schedine");

    explicit TFormGeneraSchedine(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFormGeneraSchedine() override;

private:
    void AggiornaForm();
    void MinimoCambiato();
    void MassimoCambiato();
    void MostraRiga(int riga, QLabel* formato, QLabel* costo) const;
    [[nodiscard]] ludo::Tecnica TecnicaScelta() const;
    // The slips of the window's choices, or nothing (the message has been
    // shown).
    [[nodiscard]] std::optional<ludo::SchedineGenerate> Genera();

    void GeneraStampaClick();
    void GeneraMemoriaClick();
    void GeneraFileClick();

    std::unique_ptr<Ui::TFormGeneraSchedine> ui;
    ludo::T_Sistema& sistema_;
    std::unique_ptr<GiocateDelConcorso> giocate_;
};
