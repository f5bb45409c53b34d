#include "ui/checking/LettoreVoce.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include "core/checking/Dettatura.h"
#include "core/io/Errore.h"

namespace {

QAudioFormat Formato(const ludo::io::SuonoWav& suono) {
    QAudioFormat formato;
    formato.setSampleRate(static_cast<int>(suono.Frequenza));
    formato.setChannelCount(suono.Canali);
    formato.setSampleFormat(suono.Bit == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return formato;
}

}  // namespace

LettoreVoce::LettoreVoce(QObject* parent) : QObject(parent) {}

LettoreVoce::~LettoreVoce() { Chiudi(); }

bool LettoreVoce::Apri(const std::filesystem::path& file) {
    Chiudi();
    try {
        suono_ = ludo::CaricaFileVocale(file);
    } catch (const ludo::Errore&) {
        return false;
    }
    const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
    const QAudioFormat formato = Formato(*suono_);
    if (!dispositivo.isNull() && dispositivo.isFormatSupported(formato))
        uscita_ = new QAudioSink(dispositivo, formato, this);
    return true;
}

void LettoreVoce::Chiudi() {
    Ferma();
    delete uscita_;
    uscita_ = nullptr;
    suono_.reset();
}

void LettoreVoce::Ferma() {
    if (uscita_ != nullptr) uscita_->stop();
    buffer_.close();
}

void LettoreVoce::Suona(int numero) {
    ultimo_ = numero;
    if (!suono_ || uscita_ == nullptr) return;
    Ferma();
    const ludo::TrattoVoce t = ludo::TrattoNumero(numero);
    const auto byte = suono_->Tratto(t.Da, t.A);
    tratto_ = QByteArray(reinterpret_cast<const char*>(byte.data()), static_cast<qsizetype>(byte.size()));
    buffer_.setData(tratto_);
    buffer_.open(QIODevice::ReadOnly);
    uscita_->start(&buffer_);
}
