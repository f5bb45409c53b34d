#include "ui/conditions/TFrmAlbero.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "core/conditions/TQuadro.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui_TFrmAlbero.h"

namespace {

const QColor ColoreEvidenziato(0x00, 0x80, 0xFF);  // the highlight blue

}  // namespace

// The drawing: the boxes and lines laid out by the window.
class AreaAlbero : public QWidget {
  public:
    explicit AreaAlbero(TFrmAlbero& albero) : albero_(albero) {
        setObjectName(QStringLiteral("Albero"));
        setAccessibleName(QStringLiteral("Albero Condizioni"));
        setFocusPolicy(Qt::StrongFocus);
        QFont carattere(QStringLiteral("Small Fonts"));
        carattere.setPointSize(6);
        setFont(carattere);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        p.setPen(palette().color(QPalette::WindowText));
        for (const QLine& l : albero_.linee_) p.drawLine(l);
        for (std::size_t i = 0; i < albero_.caselle_.size(); ++i) {
            const TAObj& c = albero_.caselle_[i];
            const bool corrente = c.condizione == albero_.corrente_;
            p.fillRect(c.rettangolo, corrente ? ColoreEvidenziato : palette().color(QPalette::Button));
            p.setPen(palette().color(corrente ? QPalette::HighlightedText : QPalette::ButtonText));
            p.drawRect(c.rettangolo.adjusted(0, 0, -1, -1));
            const QRect testo = c.rettangolo.adjusted(TFrmAlbero::XTesto, 0, -2, 0);
            p.drawText(testo, Qt::AlignLeft | Qt::AlignVCenter,
                       fontMetrics().elidedText(QString::fromStdString(c.condizione->Nome), Qt::ElideRight,
                                                testo.width()));
            if (hasFocus() && static_cast<int>(i) == albero_.scelta_) {
                p.setPen(Qt::DotLine);
                p.drawRect(c.rettangolo.adjusted(-2, -2, 1, 1));
            }
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (const TAObj* c = albero_.CasellaIn(e->position().toPoint())) emit albero_.Scelta(*c->condizione);
    }
    void keyPressEvent(QKeyEvent* e) override {
        const int n = static_cast<int>(albero_.caselle_.size());
        switch (e->key()) {
            case Qt::Key_Up: albero_.scelta_ = std::max(0, albero_.scelta_ - 1); break;
            case Qt::Key_Down: albero_.scelta_ = std::min(n - 1, albero_.scelta_ + 1); break;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (albero_.scelta_ < n) emit albero_.Scelta(*albero_.caselle_[static_cast<std::size_t>(albero_.scelta_)].condizione);
                return;
            default: QWidget::keyPressEvent(e); return;
        }
        update();
    }

  private:
    TFrmAlbero& albero_;
};

TFrmAlbero::TFrmAlbero(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TFrmAlbero>()) {
    ui->setupUi(this);
    area_ = new AreaAlbero(*this);
    ui->ScrollAlbero->setWidget(area_);
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &TFrmAlbero::close);
    AiutoFinestra(*this, QStringLiteral("albero"));
    RicordaFinestra(*this);
}

TFrmAlbero::~TFrmAlbero() = default;

void TFrmAlbero::ImpostaOggetto(ludo::TQuadro& radice, ludo::TQuadro& corrente) {
    radice_ = &radice;
    corrente_ = &corrente;
    Disegna(true);
}

int TFrmAlbero::Disponi(ludo::TCondizione& condizione, int x, int y) {
    caselle_.push_back({&condizione, QRect(x, y, Larghezza, Altezza)});
    int prossima = y + PassoY;
    const auto* membri = condizione.Codice == ludo::CodQuadro ? condizione.Membri() : nullptr;
    if (membri == nullptr || membri->empty()) return prossima;
    // Members start on the board's own row and go downwards.
    const int xGomito = x + Larghezza + (PassoX - Larghezza) / 2;
    const int yBoard = y + Altezza / 2;
    int yMembro = y;
    linee_.emplace_back(x + Larghezza, yBoard, xGomito, yBoard);
    for (const auto& m : *membri) {
        linee_.emplace_back(xGomito, yBoard, xGomito, yMembro + Altezza / 2);
        linee_.emplace_back(xGomito, yMembro + Altezza / 2, x + PassoX, yMembro + Altezza / 2);
        yMembro = Disponi(*m, x + PassoX, yMembro);
    }
    return std::max(prossima, yMembro);
}

void TFrmAlbero::Disegna(bool cancella) {
    if (cancella) {
        caselle_.clear();
        linee_.clear();
    }
    if (radice_ != nullptr && caselle_.empty()) Disponi(*radice_, XInizio, YInizio);
    QRect tutto;
    for (const auto& c : caselle_) tutto |= c.rettangolo;
    area_->resize(tutto.right() + XInizio, tutto.bottom() + YInizio);
    scelta_ = std::clamp(scelta_, 0, std::max(0, static_cast<int>(caselle_.size()) - 1));
    area_->update();
}

const TAObj* TFrmAlbero::CasellaIn(const QPoint& punto) const {
    for (const auto& c : caselle_) {
        if (c.rettangolo.contains(punto)) return &c;
    }
    return nullptr;
}
