#pragma once
// The program's help window: the guide in a browser of its own, opened at
// the page of the window that asked, with back and forward, a search that
// says when the text is not there, and the guide handed to the desktop's
// browser on request.

#include <QDialog>
#include <QUrl>
#include <memory>

namespace Ui {
class TFrmGuida;
}

class TFrmGuida : public QDialog {
    Q_OBJECT
  public:
    TFrmGuida(const QString& fileGuida, QWidget* parent = nullptr);
    ~TFrmGuida() override;

    // Shows a page of the guide: the anchor of a section, empty for the top.
    void MostraPagina(const QString& pagina);
    [[nodiscard]] QString PaginaMostrata() const;
    // Looks for the text from the cursor on (or back), going round the guide
    // once; false, with "Testo non trovato" below, when it is not there.
    bool Cerca(const QString& testo, bool indietro = false);
    // What the line below the text says.
    [[nodiscard]] QString Esito() const;

    static inline const QString MsgNonTrovato = QStringLiteral("Testo non trovato");
    static inline const QString MsgBrowserNonDisponibile = QStringLiteral(
        "Il browser del sistema non è disponibile: la guida resta in questa finestra");

  private:
    void CercaSuccessivo();
    void CercaPrecedente();
    void ApriNelBrowser();
    void AggiornaNavigazione();

    std::unique_ptr<Ui::TFrmGuida> ui;
    QUrl guida_;
};
