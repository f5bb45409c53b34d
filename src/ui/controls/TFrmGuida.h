#pragma once
// The program's help window: the guide's pages in a browser of their own,
// opened at the page of the window that asked, with the links between the
// pages, back and forward, a search that says when the text is not there,
// and the page shown handed to the desktop's browser on request.

#include <QDialog>
#include <QUrl>
#include <memory>

namespace Ui {
class TFrmGuida;
}

class TFrmGuida : public QDialog {
    Q_OBJECT
  public:
    // cartellaGuida: the folder of the guide's pages.
    TFrmGuida(const QString& cartellaGuida, QWidget* parent = nullptr);
    ~TFrmGuida() override;

    // Shows a page of the guide: its name ("quadro"), possibly with an
    // anchor ("le-condizioni#intervalli").
    void MostraPagina(const QString& pagina);
    // The page shown, named as MostraPagina takes it.
    [[nodiscard]] QString PaginaMostrata() const;
    // Looks for the text from the cursor on (or back), going round the page
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
    QString cartella_;
};
