#include "ui/controls/TFormSaver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolBar>
#include <QToolBox>
#include <QToolButton>
#include <algorithm>
#include <optional>

#include "ui/controls/TGCasSelector.h"
#include "ui/controls/TGListaCartelle.h"
#include "ui/controls/TPronostico.h"

namespace {

QString TestoNumeri(ludo::Colonna colonna) {
    QStringList numeri;
    for (int k = 1; k <= ludo::NumeroNumeri(colonna); ++k) numeri.append(QString::number(ludo::NumeroK(k, colonna)));
    return numeri.join(QLatin1Char(' '));
}

// Numbers of one or two digits, 1..32, separated by blanks.
std::optional<ludo::Colonna> LeggiNumeri(const QString& testo) {
    ludo::Colonna colonna = 0;
    for (const QString& pezzo : testo.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = pezzo.toInt(&ok);
        if (!ok || pezzo.size() > 2 || n < 1 || n > 32) return std::nullopt;
        colonna |= ludo::Colonna{1} << (n - 1);
    }
    return colonna;
}

std::optional<int> LeggiIntero(const QString& testo) {
    bool ok = false;
    const int n = testo.toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

QString Bit(bool acceso) { return acceso ? QStringLiteral("1") : QStringLiteral("0"); }
bool Acceso(const QString& valore) { return valore.endsWith(QLatin1Char('1')); }

template <class W>
W* Come(QWidget* w) {
    return qobject_cast<W*>(w);
}
template <class W>
const W* Come(const QWidget* w) {
    return qobject_cast<const W*>(w);
}

// A checkable tool button plays the speed button.
template <class W>
auto* SpeedButton(W* w) {
    auto* pulsante = Come<QToolButton>(w);
    return pulsante != nullptr && pulsante->isCheckable() ? pulsante : nullptr;
}

// A label with a frame plays the panel.
template <class W>
auto* Pannello(W* w) {
    auto* etichetta = Come<QLabel>(w);
    return etichetta != nullptr && etichetta->frameShape() != QFrame::NoFrame ? etichetta : nullptr;
}

// One stored kind: its name, its value (none when the widget is not of
// this kind) and how a stored value goes back.
struct Tipo {
    const char* nome;
    std::optional<QString> (*valore)(const QWidget*);
    void (*applica)(QWidget*, const QString&);
};

const Tipo kTipi[] = {
    {"TComboBox",
     [](const QWidget* w) -> std::optional<QString> {
         if (auto* c = Come<QComboBox>(w)) return QString::number(c->currentIndex());
         return std::nullopt;
     },
     [](QWidget* w, const QString& v) {
         auto* c = Come<QComboBox>(w);
         const auto indice = LeggiIntero(v);
         if (c != nullptr && indice && *indice >= -1 && *indice < c->count()) c->setCurrentIndex(*indice);
     }},
    {"TDirectoryListBox",
     [](const QWidget* w) -> std::optional<QString> {
         if (auto* l = Come<TGListaCartelle>(w)) return l->Cartella();
         return std::nullopt;
     },
     [](QWidget* w, const QString& v) {
         if (auto* l = Come<TGListaCartelle>(w)) l->setCartella(v);
     }},
    {"TCheckbox",
     [](const QWidget* w) -> std::optional<QString> {
         if (auto* c = Come<QCheckBox>(w)) return Bit(c->isChecked());
         return std::nullopt;
     },
     [](QWidget* w, const QString& v) {
         if (auto* c = Come<QCheckBox>(w)) c->setChecked(Acceso(v));
     }},
    {"TRadioButton",
     [](const QWidget* w) -> std::optional<QString> {
         if (auto* r = Come<QRadioButton>(w)) return Bit(r->isChecked());
         return std::nullopt;
     },
     [](QWidget* w, const QString& v) {
         if (auto* r = Come<QRadioButton>(w)) r->setChecked(Acceso(v));
     }},
    {"TSpeedButton",
     [](const QWidget* w) -> std::optional<QString> {
         if (auto* s = SpeedButton(w)) return Bit(s->isChecked());
         return std::nullopt;
     },
     [](QWidget* w, const QString& v) {
         if (auto* s = SpeedButton(w)) s->setChecked(Acceso(v));
     }},
    {"TEdit",
     [](const QWidget* w) -> std::optional<QString> {
         if (auto* e = Come<QLineEdit>(w)) return e->text();
         return std::nullopt;
     },
     [](QWidget* w, const QString& v) {
         if (auto* e = Come<QLineEdit>(w)) e->setText(v);
     }},
    {"TPanel",
     [](const QWidget* w) -> std::optional<QString> {
         if (auto* p = Pannello(w)) return p->text();
         return std::nullopt;
     },
     [](QWidget* w, const QString& v) {
         if (auto* p = Pannello(w)) p->setText(v);
     }},
    {"TSpinEdit",
     [](const QWidget* w) -> std::optional<QString> {
         if (auto* s = Come<QSpinBox>(w)) return QString::number(s->value());
         return std::nullopt;
     },
     [](QWidget* w, const QString& v) {
         auto* s = Come<QSpinBox>(w);
         const auto valore = LeggiIntero(v);
         if (s != nullptr && valore && *valore >= s->minimum() && *valore <= s->maximum()) s->setValue(*valore);
     }},
    {"TGCasSelector",
     [](const QWidget* w) -> std::optional<QString> {
         if (auto* s = Come<TGCasSelector>(w)) return TestoNumeri(s->Numeri());
         return std::nullopt;
     },
     [](QWidget* w, const QString& v) {
         auto* s = Come<TGCasSelector>(w);
         const auto numeri = LeggiNumeri(v);
         if (s != nullptr && numeri) s->ImpostaNumeri(*numeri);
     }},
    {"TPronostico",
     [](const QWidget* w) -> std::optional<QString> {
         if (auto* p = Come<TPronostico>(w)) return TestoNumeri(p->Colonna());
         return std::nullopt;
     },
     [](QWidget* w, const QString& v) {
         auto* p = Come<TPronostico>(w);
         const auto numeri = LeggiNumeri(v);
         if (p == nullptr || !numeri) return;
         const ludo::Colonna meta = p->Tipo() == TPronostico::tp1_16 ? 0x0000FFFFu : 0xFFFF0000u;
         if ((*numeri & ~meta) == 0) p->ImpostaColonna(*numeri);
     }},
};

const Tipo* TipoDi(const QWidget* w) {
    for (const Tipo& tipo : kTipi)
        if (tipo.valore(w)) return &tipo;
    return nullptr;
}

// A plain container whose children are the window's own controls.
bool Contenitore(const QWidget* w) {
    const QMetaObject* m = w->metaObject();
    for (const QMetaObject* c : {&QWidget::staticMetaObject, &QFrame::staticMetaObject, &QGroupBox::staticMetaObject,
                                 &QTabWidget::staticMetaObject, &QStackedWidget::staticMetaObject,
                                 &QScrollArea::staticMetaObject, &QSplitter::staticMetaObject,
                                 &QToolBox::staticMetaObject, &QToolBar::staticMetaObject})
        if (m == c) return true;
    return false;
}

bool Nominato(const QWidget* w) {
    return !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"));
}

void Raccogli(const QObject& genitore, QList<QWidget*>& componenti) {
    for (QObject* figlio : genitore.children()) {
        auto* w = qobject_cast<QWidget*>(figlio);
        if (w == nullptr || w->isWindow()) continue;
        if (TipoDi(w) != nullptr) {
            if (Nominato(w)) componenti.append(w);
        } else if (Contenitore(w)) {
            Raccogli(*w, componenti);
        }
    }
}

}  // namespace

namespace {
TFormSaver* programma = nullptr;
}  // namespace

TFormSaver* TFormSaver::Programma() { return programma; }

void TFormSaver::ImpostaProgramma(TFormSaver* store) { programma = store; }

QList<QWidget*> TFormSaver::Componenti(const QWidget& finestra) {
    QList<QWidget*> componenti;
    Raccogli(finestra, componenti);
    return componenti;
}

QString TFormSaver::RigaControllo(const QWidget& controllo) {
    const Tipo* tipo = TipoDi(&controllo);
    if (tipo == nullptr) return {};
    return controllo.objectName() + QLatin1Char('*') + QString::fromUtf8(tipo->nome) + QLatin1Char('*') +
           *tipo->valore(&controllo);
}

void TFormSaver::SalvaForm(const QWidget& finestra) {
    auto form = std::find_if(forms_.begin(), forms_.end(), [&](const TDataForm& f) { return f.Nome == finestra.objectName(); });
    if (form == forms_.end()) form = forms_.insert(forms_.end(), TDataForm{finestra.objectName(), {}, {}});
    form->Righe.clear();
    for (QWidget* w : Componenti(finestra)) form->Righe.append(RigaControllo(*w));
    if (finestra.isWindow()) form->Geometria = finestra.saveGeometry();
}

void TFormSaver::RipristinaForm(QWidget& finestra) const {
    const auto form =
        std::find_if(forms_.begin(), forms_.end(), [&](const TDataForm& f) { return f.Nome == finestra.objectName(); });
    if (form == forms_.end()) return;
    if (finestra.isWindow() && !form->Geometria.isEmpty()) finestra.restoreGeometry(form->Geometria);
    const QList<QWidget*> componenti = Componenti(finestra);
    for (const QString& riga : form->Righe) {
        const QString nome = riga.section(QLatin1Char('*'), 0, 0);
        const QString tipo = riga.section(QLatin1Char('*'), 1, 1);
        const QString valore = riga.section(QLatin1Char('*'), 2);
        const auto controllo = std::find_if(componenti.begin(), componenti.end(),
                                            [&](const QWidget* w) { return w->objectName() == nome; });
        const auto voce = std::find_if(std::begin(kTipi), std::end(kTipi),
                                       [&](const Tipo& t) { return tipo == QLatin1String(t.nome); });
        if (controllo != componenti.end() && voce != std::end(kTipi)) voce->applica(*controllo, valore);
    }
}
