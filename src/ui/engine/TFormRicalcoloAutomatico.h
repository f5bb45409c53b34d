#pragma once
// The automatic recalculation and its small window "Numero di Colonne".
// Each request develops (or estimates) a copy of the system on a worker
// thread, so the user goes on editing meanwhile; a request made while one
// runs stops it and starts again on the newer system. The result of the
// last request is written back into the system on the user-interface
// thread, and the window shows the count, its change against the previous
// one and "Calcolo completato".

#include <QWidget>
#include <memory>

#include "core/engine/Sviluppo.h"

namespace Ui {
class TFormRicalcoloAutomatico;
}
namespace ludo {
class T_Sistema;
}
class LavoroInParallelo;
class PonteSviluppo;

class TFormRicalcoloAutomatico : public QWidget {
    Q_OBJECT
public:
    static constexpr int PassoGauge = 3;  // points the gauge must grow by to move

    explicit TFormRicalcoloAutomatico(QWidget* parent = nullptr);
    ~TFormRicalcoloAutomatico() override;

    // Recalculates sistema as it stands now, showing the window.
    void Richiedi(ludo::T_Sistema& sistema);
    // Stops any recalculation (the events go on meanwhile) and forgets the
    // one asked for next; nothing is written back.
    void Ferma();
    [[nodiscard]] bool InCorso() const { return inCorso_; }

signals:
    // The result of a recalculation is now the system's.
    void Applicato();

private:
    void Avvia();
    void Finito();
    void Inizializza();
    void Progresso(qint64 totale, qint64 colonne, bool finale, qint64 esaminate);
    void Terminato(qint64 colonne);
    [[nodiscard]] bool Attuale() const;

    std::unique_ptr<Ui::TFormRicalcoloAutomatico> ui;
    LavoroInParallelo* filo_;
    ludo::T_Sistema* sistema_ = nullptr;
    std::unique_ptr<ludo::T_Sistema> copia_;     // being recalculated
    std::unique_ptr<ludo::T_Sistema> prossima_;  // asked for while copia_ ran
    ludo::EsitoSviluppo esito_;                  // of copia_, written by the worker
    PonteSviluppo* ponte_ = nullptr;             // of the run in progress
    std::int32_t precedenti_ = 0;
    bool inCorso_ = false;
    bool annullato_ = false;
};
