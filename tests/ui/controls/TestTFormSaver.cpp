#include <QtTest>
#include <QtWidgets>

#include "ControlliDiProva.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFormSaver.h"
#include "ui/controls/TGCasSelector.h"
#include "ui/controls/TGGraphpt.h"
#include "ui/controls/TGListaCartelle.h"
#include "ui/controls/TPronostico.h"

namespace {

template <class W>
W* Aggiungi(QWidget* genitore, const QString& nome, W* w) {
    w->setObjectName(nome);
    genitore->layout()->addWidget(w);
    return w;
}

struct Finestra {
    explicit Finestra(const QString& nome, int voci = 3, int massimoSpin = 50) {
        dialogo.setObjectName(nome);
        new QVBoxLayout(&dialogo);
        auto* spin = Aggiungi(&dialogo, QStringLiteral("SpinPausa"), new QSpinBox);
        spin->setRange(1, massimoSpin);
        spin->setValue(5);
        Aggiungi(&dialogo, QStringLiteral("CheckPausa"), new QCheckBox(QStringLiteral("Pausa")))->setChecked(true);
        auto* combo = Aggiungi(&dialogo, QStringLiteral("ComboFormato"), new QComboBox);
        for (int i = 0; i < voci; ++i) combo->addItem(QStringLiteral("Formato %1").arg(i));
        auto* gruppo = Aggiungi(&dialogo, QStringLiteral("GruppoTipo"), new QGroupBox(QStringLiteral("Tipo")));
        new QVBoxLayout(gruppo);
        Aggiungi(gruppo, QStringLiteral("RadioNum"), new QRadioButton(QStringLiteral("Numeriche")))->setChecked(true);
        Aggiungi(gruppo, QStringLiteral("RadioPD"), new QRadioButton(QStringLiteral("Pari Dispari")));
        auto* speed = Aggiungi(&dialogo, QStringLiteral("SpeedP"), new QToolButton);
        speed->setCheckable(true);
        Aggiungi(&dialogo, QStringLiteral("Pulsante"), new QToolButton);  // not checkable: not stored
        Aggiungi(&dialogo, QStringLiteral("PanelCol"), new QLabel(QStringLiteral("0")))->setFrameShape(QFrame::Panel);
        Aggiungi(&dialogo, QStringLiteral("Etichetta"), new QLabel(QStringLiteral("Testo fisso")));
        Aggiungi(&dialogo, QString(), new QLineEdit);  // unnamed: not stored
        auto* selettore = Aggiungi(&dialogo, QStringLiteral("Selettore"), new TGCasSelector);
        selettore->setTotaleNumeri(3);
        Aggiungi(&dialogo, QStringLiteral("Par17_32"), new TPronostico)->setTipo(TPronostico::tp17_32);
        Aggiungi(&dialogo, QStringLiteral("PtPunti"), new TGGraphpt);
        auto* pagine = Aggiungi(&dialogo, QStringLiteral("Pagine"), new QTabWidget);
        auto* pagina = new QWidget;
        new QVBoxLayout(pagina);
        Aggiungi(pagina, QStringLiteral("EditNome"), new QLineEdit(QStringLiteral("Sistema")));
        pagine->addTab(pagina, QStringLiteral("Generale"));
        Aggiungi(&dialogo, QStringLiteral("Percorso"), new TGListaCartelle);
    }

    QDialog dialogo;
};

}  // namespace

class TestTFormSaver : public QObject {
    Q_OBJECT
private slots:
    void storedLinesFollowTheComponentOrder() {
        QTemporaryDir cartella;
        TFormSaver store;
        Finestra f(QStringLiteral("FrmSpoglio"));
        C<TGListaCartelle>(f.dialogo, "Percorso")->setCartella(cartella.path());
        C<TGCasSelector>(f.dialogo, "Selettore")->ImpostaNumeri((1u << 20) | (1u << 2));
        C<TPronostico>(f.dialogo, "Par17_32")->setPronostico(0x8001);
        store.SalvaForm(f.dialogo);

        QCOMPARE(store.Forms().size(), std::size_t{1});
        QCOMPARE(store.Forms()[0].Nome, QStringLiteral("FrmSpoglio"));
        QCOMPARE(store.Forms()[0].Righe,
                 (QStringList{
                     "SpinPausa*TSpinEdit*5", "CheckPausa*TCheckbox*1", "ComboFormato*TComboBox*0",
                     "RadioNum*TRadioButton*1", "RadioPD*TRadioButton*0", "SpeedP*TSpeedButton*0",
                     "PanelCol*TPanel*0", "Selettore*TGCasSelector*3 21",
                     "Par17_32*TPronostico*17 32", "EditNome*TEdit*Sistema",
                     "Percorso*TDirectoryListBox*" + QDir(cartella.path()).absolutePath()}));
    }

    void valuesComeBackOnTheNextOpening() {
        TFormSaver store;
        {
            Finestra f(QStringLiteral("FrmSpoglio"));
            store.RipristinaForm(f.dialogo);  // first opening: designed defaults
            QCOMPARE(C<QSpinBox>(f.dialogo, "SpinPausa")->value(), 5);
            C<QSpinBox>(f.dialogo, "SpinPausa")->setValue(7);
            QTest::keyClick(C<QCheckBox>(f.dialogo, "CheckPausa"), Qt::Key_Space);
            C<QComboBox>(f.dialogo, "ComboFormato")->setCurrentIndex(2);
            C<QRadioButton>(f.dialogo, "RadioPD")->setChecked(true);
            C<QToolButton>(f.dialogo, "SpeedP")->setChecked(true);
            C<QLabel>(f.dialogo, "PanelCol")->setText(QStringLiteral("1.234"));
            C<QLineEdit>(f.dialogo, "EditNome")->setText(QStringLiteral("Prova*con asterisco"));
            C<TGCasSelector>(f.dialogo, "Selettore")->ImpostaNumeri((1u << 31) | 1u);
            C<TPronostico>(f.dialogo, "Par17_32")->setPronostico(0x0004);
            store.SalvaForm(f.dialogo);
        }
        Finestra f(QStringLiteral("FrmSpoglio"));
        store.RipristinaForm(f.dialogo);
        QCOMPARE(C<QSpinBox>(f.dialogo, "SpinPausa")->value(), 7);
        QVERIFY(!C<QCheckBox>(f.dialogo, "CheckPausa")->isChecked());
        QCOMPARE(C<QComboBox>(f.dialogo, "ComboFormato")->currentIndex(), 2);
        QVERIFY(C<QRadioButton>(f.dialogo, "RadioPD")->isChecked());
        QVERIFY(C<QToolButton>(f.dialogo, "SpeedP")->isChecked());
        QCOMPARE(C<QLabel>(f.dialogo, "PanelCol")->text(), QStringLiteral("1.234"));
        QCOMPARE(C<QLineEdit>(f.dialogo, "EditNome")->text(),
                 QStringLiteral("Prova*con asterisco"));
        ludo::Colonna numeri = 0;
        QVERIFY(!C<TGCasSelector>(f.dialogo, "Selettore")->LeggiNumeri(numeri, true));
        QCOMPARE(numeri, (1u << 31) | 1u);  // two numbers in three boxes
        QCOMPARE(C<TPronostico>(f.dialogo, "Par17_32")->Pronostico(), quint16(0x0004));
    }

    void invalidValuesAreIgnored() {
        QTemporaryDir cartella;
        TFormSaver store;
        {
            Finestra f(QStringLiteral("FrmFormati"), 5, 50);
            C<QComboBox>(f.dialogo, "ComboFormato")->setCurrentIndex(4);
            C<QSpinBox>(f.dialogo, "SpinPausa")->setValue(40);
            C<TGListaCartelle>(f.dialogo, "Percorso")->setCartella(cartella.path());
            store.SalvaForm(f.dialogo);
        }
        QVERIFY(cartella.remove());
        Finestra f(QStringLiteral("FrmFormati"), 3, 10);
        const QString cartellaIniziale = C<TGListaCartelle>(f.dialogo, "Percorso")->Cartella();
        store.RipristinaForm(f.dialogo);
        QCOMPARE(C<QComboBox>(f.dialogo, "ComboFormato")->currentIndex(), 0);
        QCOMPARE(C<QSpinBox>(f.dialogo, "SpinPausa")->value(), 5);
        QCOMPARE(C<TGListaCartelle>(f.dialogo, "Percorso")->Cartella(), cartellaIniziale);
    }

    void windowsAreKeptByName() {
        TFormSaver store;
        Finestra a(QStringLiteral("FrmA"));
        Finestra b(QStringLiteral("FrmB"));
        store.SalvaForm(b.dialogo);
        store.SalvaForm(a.dialogo);
        C<QSpinBox>(a.dialogo, "SpinPausa")->setValue(9);
        store.SalvaForm(a.dialogo);
        QCOMPARE(store.Forms().size(), std::size_t{2});
        QCOMPARE(store.Forms()[0].Nome, QStringLiteral("FrmB"));
        QCOMPARE(store.Forms()[1].Righe.first(), QStringLiteral("SpinPausa*TSpinEdit*9"));
    }

    // Every window remembers itself through the program's store: its place,
    // size and values come back at the next opening whatever closed it, and
    // nothing is kept once the program has no store.
    void windowsOpenAgainWhereTheyWereLeft() {
        StoreDiProva store;
        {
            Finestra f(QStringLiteral("FrmStampa"));
            RicordaFinestra(f.dialogo);
            f.dialogo.setGeometry(120, 90, 640, 700);
            f.dialogo.show();
            C<QSpinBox>(f.dialogo, "SpinPausa")->setValue(7);
            f.dialogo.reject();
        }
        Finestra di_nuovo(QStringLiteral("FrmStampa"));
        RicordaFinestra(di_nuovo.dialogo);
        QCOMPARE(C<QSpinBox>(di_nuovo.dialogo, "SpinPausa")->value(), 7);
        QCOMPARE(di_nuovo.dialogo.size(), QSize(640, 700));

        TFormSaver::ImpostaProgramma(nullptr);
        di_nuovo.dialogo.show();
        C<QSpinBox>(di_nuovo.dialogo, "SpinPausa")->setValue(3);
        di_nuovo.dialogo.hide();
        QCOMPARE(store.Forms().front().Righe.first(), QStringLiteral("SpinPausa*TSpinEdit*7"));
        Finestra senzaStore(QStringLiteral("FrmStampa"));
        RicordaFinestra(senzaStore.dialogo);
        QCOMPARE(C<QSpinBox>(senzaStore.dialogo, "SpinPausa")->value(), 5);
    }
};

QTEST_MAIN(TestTFormSaver)
#include "TestTFormSaver.moc"
