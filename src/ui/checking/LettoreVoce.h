#pragma once
// Plays one number of the recording "vocal.Wav" at a time: the stretch of
// the number is handed to the sound output, which stops at its end. Asking
// for another number cuts the one playing. Without a sound output nothing is
// heard, but the numbers asked for are still counted.

#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <filesystem>
#include <optional>

#include "core/io/FileWav.h"

class QAudioSink;

class LettoreVoce : public QObject {
    Q_OBJECT
public:
    explicit LettoreVoce(QObject* parent = nullptr);
    ~LettoreVoce() override;

    // Loads the recording; false (and nothing loaded) when it cannot be read.
    bool Apri(const std::filesystem::path& file);
    void Chiudi();
    [[nodiscard]] bool Aperto() const { return suono_.has_value(); }
    // A sound output was found for the recording.
    [[nodiscard]] bool ConUscita() const { return uscita_ != nullptr; }

    // Stops what is playing and plays number n (1..32).
    void Suona(int numero);
    [[nodiscard]] int UltimoNumero() const { return ultimo_; }

private:
    void Ferma();

    std::optional<ludo::io::SuonoWav> suono_;
    QAudioSink* uscita_ = nullptr;
    QBuffer buffer_;
    QByteArray tratto_;
    int ultimo_ = 0;
};
