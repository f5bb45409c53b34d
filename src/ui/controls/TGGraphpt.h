#pragma once
// Points control: edits the accepted values of one measure of a condition.
// A row of boxes, one per value, shows each value refused, accepted or in
// recovery (with its recovery level below); clicks cycle the state. The
// control shows the measure's points table ("Pnt."), its consecutiveness
// table ("Con.") or the group page ("Tra"), and the link letter of the
// table shown. It works on its own copy of the tables: CaricaMisura and
// SalvaMisura move them in and out of a TMisura.
// From the keyboard: Left and Right (Home, End) move the current value,
// scrolling when needed; Space cycles its state as a click does; Up and
// Down raise and lower its recovery level.

#include <QList>
#include <QString>
#include <QWidget>

#include "core/conditions/TMisura.h"

class QComboBox;
class QLabel;
class QSpinBox;
class QToolButton;

class TGGraphpt : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int PtTotali READ PtTotali WRITE setPtTotali)
    Q_PROPERTY(int PtVisibili READ PtVisibili WRITE setPtVisibili)
    Q_PROPERTY(int PtIniziale READ PtIniziale WRITE setPtIniziale)
    Q_PROPERTY(int YBoxPt READ YBoxPt WRITE setYBoxPt)
    Q_PROPERTY(int LBoxPt READ LBoxPt WRITE setLBoxPt)
    Q_PROPERTY(int ABoxPt READ ABoxPt WRITE setABoxPt)
    Q_PROPERTY(int YBtn READ YBtn WRITE setYBtn)
    Q_PROPERTY(int ABtn READ ABtn WRITE setABtn)
    Q_PROPERTY(int ARec READ ARec WRITE setARec)
    Q_PROPERTY(int YTra READ YTra WRITE setYTra)
    Q_PROPERTY(int YLink READ YLink WRITE setYLink)
    Q_PROPERTY(bool TipoPunti READ TipoPunti WRITE setTipoPunti)
    Q_PROPERTY(bool TipoCons READ TipoCons WRITE setTipoCons)
    Q_PROPERTY(bool TipoCampo READ TipoCampo WRITE setTipoCampo)
    Q_PROPERTY(bool LinkTra READ LinkTra WRITE setLinkTra)
    Q_PROPERTY(bool Testo READ Testo WRITE setTesto)
    Q_PROPERTY(bool Bordo READ Bordo WRITE setBordo)
    Q_PROPERTY(bool RecVisibili READ RecVisibili WRITE setRecVisibili)
    Q_PROPERTY(QString Titolo READ Titolo WRITE setTitolo)
    Q_PROPERTY(bool Modificato READ Modificato WRITE setModificato)
public:
    enum Pagina { PaginaPunti, PaginaCons, PaginaCampo };
    Q_ENUM(Pagina)

    static constexpr int LivelloMassimo = 99;
    static constexpr int RitardoRipetizione = 500;    // ms before a held arrow repeats
    static constexpr int IntervalloRipetizione = 45;  // ms between repeats

    explicit TGGraphpt(QWidget* parent = nullptr);

    [[nodiscard]] int PtTotali() const { return ptTotali_; }
    void setPtTotali(int n);
    [[nodiscard]] int PtVisibili() const { return ptVisibili_; }
    void setPtVisibili(int n);
    // The first value shown when the control is loaded.
    [[nodiscard]] int PtIniziale() const { return ptIniziale_; }
    void setPtIniziale(int n);
    [[nodiscard]] int YBoxPt() const { return yBoxPt_; }
    void setYBoxPt(int n) { Imposta(yBoxPt_, n); }
    [[nodiscard]] int LBoxPt() const { return lBoxPt_; }
    void setLBoxPt(int n) { Imposta(lBoxPt_, n); }
    [[nodiscard]] int ABoxPt() const { return aBoxPt_; }
    void setABoxPt(int n) { Imposta(aBoxPt_, n); }
    [[nodiscard]] int YBtn() const { return yBtn_; }
    void setYBtn(int n) { Imposta(yBtn_, n); }
    [[nodiscard]] int ABtn() const { return aBtn_; }
    void setABtn(int n) { Imposta(aBtn_, n); }
    [[nodiscard]] int ARec() const { return aRec_; }
    void setARec(int n) { Imposta(aRec_, n); }
    [[nodiscard]] int YTra() const { return yTra_; }
    void setYTra(int n) { Imposta(yTra_, n); }
    [[nodiscard]] int YLink() const { return yLink_; }
    void setYLink(int n) { Imposta(yLink_, n); }
    [[nodiscard]] bool TipoPunti() const { return tipoPunti_; }
    void setTipoPunti(bool b) { ImpostaPagine(tipoPunti_, b); }
    [[nodiscard]] bool TipoCons() const { return tipoCons_; }
    void setTipoCons(bool b) { ImpostaPagine(tipoCons_, b); }
    [[nodiscard]] bool TipoCampo() const { return tipoCampo_; }
    void setTipoCampo(bool b) { ImpostaPagine(tipoCampo_, b); }
    [[nodiscard]] bool LinkTra() const { return linkTra_; }
    void setLinkTra(bool b) { Imposta(linkTra_, b); }
    [[nodiscard]] bool Testo() const { return testo_; }
    void setTesto(bool b) { Imposta(testo_, b); }
    [[nodiscard]] bool Bordo() const { return bordo_; }
    void setBordo(bool b) { Imposta(bordo_, b); }
    [[nodiscard]] bool RecVisibili() const { return recVisibili_; }
    void setRecVisibili(bool b) { Imposta(recVisibili_, b); }
    [[nodiscard]] QString Titolo() const { return titolo_; }
    void setTitolo(const QString& titolo);
    [[nodiscard]] bool Modificato() const { return modificato_; }
    void setModificato(bool modificato) { modificato_ = modificato; }

    // Copies both tables, their link letters and groups and the range Da..A
    // into the control (a recovery level 0 becomes 1) and scrolls back to
    // PtIniziale. Modificato is left as it is.
    void CaricaMisura(const ludo::TMisura& misura);
    // The reverse copy; a link letter outside A..Z is stored as 'A'.
    void SalvaMisura(ludo::TMisura& misura) const;
    // Both tables refuse everything, link 'A', no group, range 1..32; marks
    // the control modified.
    void Azzera();

    [[nodiscard]] Pagina PaginaCorrente() const { return pagina_; }
    void MostraPagina(Pagina pagina);
    [[nodiscard]] int PrimoVisibile() const { return primo_; }
    // The value the keyboard acts on.
    [[nodiscard]] int ValoreCorrente() const { return corrente_; }
    // The box of value v, empty when v is not shown.
    [[nodiscard]] QRect RettangoloValore(int v) const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // After every change made by the user.
    void Cambiato();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    template <class T>
    void Imposta(T& campo, const T& valore) {
        if (campo == valore) return;
        campo = valore;
        Ridisponi();
    }
    void ImpostaPagine(bool& campo, bool valore);
    [[nodiscard]] bool Offerta(Pagina pagina) const;
    [[nodiscard]] int NumeroPagine() const;

    [[nodiscard]] ludo::TabellaMisura& TabellaMostrata();
    [[nodiscard]] const ludo::TabellaMisura& TabellaMostrata() const;
    [[nodiscard]] bool Scorre() const { return ptVisibili_ < ptTotali_; }
    [[nodiscard]] int Caselle() const;
    [[nodiscard]] int XCasella(int casella) const;
    [[nodiscard]] int YLivello() const { return yBtn_ + aBtn_ + 1; }
    [[nodiscard]] QRect RettangoloCasella(int casella) const;

    QToolButton* CreaFreccia(const QString& nome, Qt::ArrowType verso);
    void CreaFrecceLivello();
    // Places the children after a change of layout, page or scroll position.
    void Ridisponi();
    void AggiornaCaselleCollegamento();
    void Scorri(int passo);
    void CambiaLivello(int casella, int passo);
    // Refused, accepted, in recovery (when levels are shown), refused again.
    void CiclaStato(int valore);
    // Makes v the current value, scrolling it into view.
    void VaiA(int valore);
    void Modifica();

    int ptTotali_ = 8;
    int ptVisibili_ = 8;
    int ptIniziale_ = 0;
    int yBoxPt_ = 20;
    int lBoxPt_ = 18;
    int aBoxPt_ = 18;
    int yBtn_ = 46;
    int aBtn_ = 13;
    int aRec_ = 14;
    int yTra_ = 30;
    int yLink_ = 74;
    bool tipoPunti_ = true;
    bool tipoCons_ = false;
    bool tipoCampo_ = false;
    bool linkTra_ = true;
    bool testo_ = true;
    bool bordo_ = true;
    bool recVisibili_ = true;
    QString titolo_;
    bool modificato_ = false;

    ludo::TabellaMisura prima_;
    ludo::TabellaMisura seconda_;
    std::int16_t da_ = 1;
    std::int16_t a_ = 32;
    Pagina pagina_ = PaginaPunti;
    Pagina paginaValori_ = PaginaPunti;  // the table shown, kept on the group page
    int primo_ = 0;
    int corrente_ = 0;

    QToolButton* btnPunti_;
    QToolButton* btnCons_;
    QToolButton* btnCampo_;
    QToolButton* sinistra_;
    QToolButton* destra_;
    QList<QToolButton*> su_;
    QList<QToolButton*> giu_;
    QLabel* etichettaLink_;
    QComboBox* link_;
    QLabel* etichettaTra_;
    QSpinBox* tra_;
};
