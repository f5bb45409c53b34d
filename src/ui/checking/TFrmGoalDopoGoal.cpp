#include "ui/checking/TFrmGoalDopoGoal.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui_TFrmGoalDopoGoal.h"

namespace {

constexpr int PartitePerTabella = 16;

// A goal cell takes up to two digits; '-' and '.' stand for no goal yet.
// Each key typed reaches the table at once, so the eight follow the typing.
class DelegatoGol : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                          const QModelIndex& /*index*/) const override {
        auto* editor = new QLineEdit(parent);
        editor->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("\\d{0,2}|[-.]")), editor));
        auto* delegato = const_cast<DelegatoGol*>(this);
        connect(editor, &QLineEdit::textEdited, delegato,
                [delegato, editor] { emit delegato->commitData(editor); });
        return editor;
    }
};

std::optional<int> LeggiGol(const QTableWidgetItem* cella) {
    bool ok = false;
    const int gol = cella->text().toInt(&ok);
    return ok ? std::optional<int>(gol) : std::nullopt;
}

QString TestoGol(const std::optional<int>& gol) { return gol ? QString::number(*gol) : QString(); }

QTableWidgetItem* CellaFissa(const QString& testo) {
    auto* cella = new QTableWidgetItem(testo);
    cella->setFlags(Qt::ItemIsEnabled);
    return cella;
}

}  // namespace

TFrmGoalDopoGoal::TFrmGoalDopoGoal(const ludo::Schedina& schedina, const ludo::GolSchedina& gol,
                                   QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmGoalDopoGoal>()), gol_(gol) {
    ui->setupUi(this);
    for (std::size_t i = 0; i < ottina_.size(); ++i) {
        ottina_[i] = findChild<QLabel*>(QStringLiteral("Ottina%1").arg(i + 1));
        ottina_[i]->setAccessibleName(QStringLiteral("Ottina Vincente %1").arg(i + 1));
    }
    PreparaTabella(ui->Partite1_16, 1, schedina);
    PreparaTabella(ui->Partite17_32, PartitePerTabella + 1, schedina);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    MostraOttina();
}

TFrmGoalDopoGoal::~TFrmGoalDopoGoal() = default;

void TFrmGoalDopoGoal::PreparaTabella(QTableWidget* tabella, int prima,
                                      const ludo::Schedina& schedina) {
    tabella->setColumnCount(NumeroColonne);
    tabella->setRowCount(PartitePerTabella);
    tabella->setHorizontalHeaderLabels({QStringLiteral("N."), QStringLiteral("Casa"),
                                        QStringLiteral("Ospite"), QStringLiteral("Gol C."),
                                        QStringLiteral("Gol O.")});
    tabella->verticalHeader()->hide();
    tabella->setItemDelegateForColumn(ColGolCasa, new DelegatoGol(tabella));
    tabella->setItemDelegateForColumn(ColGolOspite, new DelegatoGol(tabella));
    tabella->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                             QAbstractItemView::EditKeyPressed);
    tabella->setTabKeyNavigation(false);
    for (int r = 0; r < PartitePerTabella; ++r) {
        const auto i = static_cast<std::size_t>(prima - 1 + r);
        tabella->setItem(r, ColNumero, CellaFissa(QString::number(prima + r)));
        tabella->setItem(r, ColCasa, CellaFissa(QString::fromStdString(schedina.Squadre[i].Casa)));
        tabella->setItem(r, ColOspite,
                         CellaFissa(QString::fromStdString(schedina.Squadre[i].Ospite)));
        tabella->setItem(r, ColGolCasa, new QTableWidgetItem(TestoGol(gol_[i].Casa)));
        tabella->setItem(r, ColGolOspite, new QTableWidgetItem(TestoGol(gol_[i].Ospite)));
        tabella->setRowHeight(r, tabella->fontMetrics().height() + 4);
    }
    tabella->resizeColumnsToContents();
    for (int c : {ColCasa, ColOspite})
        tabella->setColumnWidth(c, std::max(tabella->columnWidth(c), 110));
    // All sixteen matches in sight, without scroll bars.
    tabella->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabella->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int larghezza = 2 * tabella->frameWidth();
    for (int c = 0; c < NumeroColonne; ++c) larghezza += tabella->columnWidth(c);
    tabella->setFixedSize(larghezza, 2 * tabella->frameWidth() +
                                         tabella->horizontalHeader()->sizeHint().height() +
                                         PartitePerTabella * tabella->rowHeight(0));
    tabella->setCurrentCell(0, ColGolCasa);
    connect(tabella, &QTableWidget::itemChanged, this,
            [this, prima](QTableWidgetItem* cella) { CellaCambiata(cella, prima); });
}

void TFrmGoalDopoGoal::CellaCambiata(QTableWidgetItem* cella, int prima) {
    if (cella->column() != ColGolCasa && cella->column() != ColGolOspite) return;
    auto& partita = gol_[static_cast<std::size_t>(prima - 1 + cella->row())];
    (cella->column() == ColGolCasa ? partita.Casa : partita.Ospite) = LeggiGol(cella);
    MostraOttina();
    emit VincenteCambiata(Vincente());
}

void TFrmGoalDopoGoal::MostraOttina() {
    const ludo::Colonna vincente = Vincente();
    std::size_t i = 0;
    for (int n = 1; n <= 32 && i < ottina_.size(); ++n) {
        if ((vincente & (ludo::Colonna{1} << (n - 1))) != 0)
            ottina_[i++]->setText(QString::number(n));
    }
}
