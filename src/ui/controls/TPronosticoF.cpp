#include "ui/controls/TPronosticoF.h"

void TPronosticoF::setFisse(quint16 valore) {
    if (valore == fisse_ && (Pronostico() & valore) == valore) return;
    fisse_ = valore;
    ScriviPronostico(Pronostico() | valore);
    update();
}

void TPronosticoF::setUsaFisse(bool usa) {
    if (usa == usaFisse_) return;
    usaFisse_ = usa;
    update();
}

ludo::Colonna TPronosticoF::ColonnaFisse() const { return ComeColonna(fisse_); }

void TPronosticoF::CliccaCella(int i) {
    if (!usaFisse_) {
        TPronostico::CliccaCella(i);
        return;
    }
    const auto m = static_cast<quint16>(1u << i);
    if ((fisse_ & m) != 0) {
        fisse_ &= static_cast<quint16>(~m);
        ScriviPronostico(Pronostico() & static_cast<quint16>(~m));
    } else if ((Pronostico() & m) != 0) {
        fisse_ |= m;
    } else {
        ScriviPronostico(Pronostico() | m);
    }
}

QColor TPronosticoF::ColoreCella(int i) const {
    if (Fissa(i)) return Qt::red;
    return TPronostico::ColoreCella(i);
}
