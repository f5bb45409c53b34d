#pragma once
// "Dettatura Schedine": reads the columns of a list aloud, number by number
// and slip by slip, so that paper slips can be filled in or checked by ear.
// The slip being read is shown with the number spoken highlighted; play,
// pause and stop drive the reading, one number each second plus the chosen
// pause, optionally waiting after every slip. Nothing is saved.

#include <QDialog>
#include <filesystem>
#include <memory>

#include "core/checking/Dettatura.h"

namespace Ui {
class TFrmDettSche;
}

class LettoreVoce;
class QTimer;

class TFrmDettSche : public QDialog {
    Q_OBJECT
public:
    static inline const QString PaginaGuida = QStringLiteral("dettatura");

    // The columns to read and the recording of the spoken numbers; a
    // recording that cannot be loaded is reported when the window shows.
    TFrmDettSche(const ludo::ListaColonne& colonne, const std::filesystem::path& fileVocale,
                 QWidget* parent = nullptr);
    ~TFrmDettSche() override;

    [[nodiscard]] const ludo::TDettatura& Dettatura() const { return dettatura_; }
    [[nodiscard]] const LettoreVoce& Lettore() const { return *lettore_; }
    [[nodiscard]] bool TimerAttivo() const;
    [[nodiscard]] int Intervallo() const;

    // The timer stops and the recording is closed, however the window closes.
    void done(int risultato) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Collega();
    void PlayClick();
    void PausaClick();
    void StopClick();
    void Tick();
    void SpinMinChange(int valore);
    void SpinMaxChange(int valore);
    void SpinPausaChange(int valore);
    void MostraSchedina();
    // The timer runs exactly while the dictation is in progress.
    void AggiornaStato();

    std::unique_ptr<Ui::TFrmDettSche> ui;
    ludo::TDettatura dettatura_;
    LettoreVoce* lettore_;
    QTimer* timer_;
    bool voceCaricata_ = false;
    bool avvisato_ = false;
};
