#pragma once
// Reading slips aloud: the columns of a list, cut into slips of six, are
// spoken number by number, one number each tick of a timer. The recording
// "vocal.Wav" holds the numbers 1..32 one after the other; the table below
// says where each is spoken. The dictation itself knows no sound and no
// clock: the window plays what each tick says and keeps its timer running
// exactly while the dictation is in progress.

#include <array>
#include <filesystem>
#include <vector>

#include "core/checking/Spoglio.h"
#include "core/columns/ListaColonne.h"
#include "core/io/FileWav.h"

namespace ludo {

inline constexpr char MsgFileVocale[] = "Impossibile Caricare il File Vocale";
inline constexpr char NomeFileVocale[] = "vocal.Wav";

// Where number n is in the recording, in milliseconds: it is played from Da
// to A - CodaVoce (the tail of each stretch is left silent).
struct TrattoVoce {
    int Da;
    int A;
};
inline constexpr int CodaVoce = 30;
inline constexpr std::array<TrattoVoce, 32> TabellaVoce = {{
    {200, 700},     {700, 1200},    {1200, 1700},   {1700, 2200},   {2200, 2700},   {2700, 3200},
    {3200, 3700},   {3700, 4200},   {4200, 4700},   {4700, 5200},   {5200, 5700},   {5700, 6200},
    {6200, 6700},   {6700, 7300},   {7300, 7800},   {7800, 8300},   {8300, 9000},   {9000, 9500},
    {9500, 10100},  {10100, 10700}, {10700, 11300}, {11300, 11900}, {11900, 12400}, {12400, 13100},
    {13100, 13900}, {13900, 14600}, {14600, 15400}, {15400, 16100}, {16100, 16800}, {16800, 17250},
    {17300, 18020}, {18100, 18780},
}};

// The stretch played for number n (1..32): Da(n) .. A(n) - CodaVoce.
TrattoVoce TrattoNumero(int numero);

// "vocal.Wav" of the WAV sub-folder of the program folder; when it is not
// there, that of the installed default content (a program folder made by an
// older version has none), when that one exists.
std::filesystem::path PercorsoFileVocale(const std::filesystem::path& cartellaProgramma,
                                         const std::filesystem::path& predefiniti = {});
// The recording, when it can be read and reaches the end of number 32;
// otherwise Errore(MsgFileVocale).
io::SuonoWav CaricaFileVocale(const std::filesystem::path& file);

// The pause between two numbers in tenths of a second, and the timer's
// interval it gives: a second plus the pause.
inline constexpr int PausaMinima = 1;
inline constexpr int PausaMassima = 50;
inline constexpr int PausaIniziale = 5;
int IntervalloTimer(int decimi);

class TDettatura {
public:
    enum class Stato { Fermo, InCorso, InPausa };

    // What one tick did: the number spoken and its cell in the slip shown
    // (column 1..6, position 1..), then whether another slip is to be shown
    // (its highlight cleared), and the state the dictation is left in.
    struct Passo {
        int Numero = 0;  // 0: nothing to speak (an empty column)
        int Colonna = 0;
        int Posizione = 0;
        bool NuovaSchedina = false;
        Stato Dopo = Stato::Fermo;
    };

    explicit TDettatura(const ListaColonne& lista);

    [[nodiscard]] int NumeroSchedine() const { return static_cast<int>(schedine_.size()); }
    [[nodiscard]] const TSchedinaVin& SchedinaCorrente() const;
    [[nodiscard]] std::vector<Colonna> ColonneCorrenti() const;

    // The range of slips read, 1..NumeroSchedine(), first never above last.
    [[nodiscard]] int Dalla() const { return dalla_; }
    [[nodiscard]] int Alla() const { return alla_; }
    // The first slip: never above the last one (it is set back to it); the
    // current slip becomes it. The value kept is returned.
    int ImpostaDalla(int schedina);
    // The last slip: never below the first one. The value kept is returned.
    int ImpostaAlla(int schedina);

    bool PausaDopoSchedina = true;

    [[nodiscard]] Stato StatoCorrente() const { return stato_; }
    [[nodiscard]] bool TimerAttivo() const { return stato_ == Stato::InCorso; }
    [[nodiscard]] int Schedina() const { return schedina_; }
    [[nodiscard]] int ColonnaCorrente() const { return colonna_; }
    [[nodiscard]] int NumeroCorrente() const { return numero_; }

    // Play: a paused dictation goes on where it was; otherwise the current
    // slip is read again from its first number. True when the slip is to be
    // shown again (highlight cleared). Nothing happens without slips.
    bool Avvia();
    // Pause toggles: a paused dictation waits, pressed again it goes on.
    void Pausa();
    // Stop: the dictation ends and the current slip goes back to the first of
    // the range.
    void Ferma();

    // Speaks the current number and moves on to the next one: the next
    // column, the next slip of the range (pausing there when asked), or the
    // end of the range, which stops the dictation.
    Passo Tick();

private:
    void FineSchedina(Passo& passo);

    std::vector<TSchedinaVin> schedine_;
    int dalla_ = 1;
    int alla_ = 1;
    int schedina_ = 1;
    int colonna_ = 1;
    int numero_ = 1;
    Stato stato_ = Stato::Fermo;
};

}  // namespace ludo
