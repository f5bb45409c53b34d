#include "core/printing/TmmPrinter.h"

namespace ludo {

int TmmPrinter::PixelX(double mm) const {
    return static_cast<int>(PolliciPerMillimetro * mm * risoluzioneX_);
}

int TmmPrinter::PixelY(double mm) const {
    return static_cast<int>(PolliciPerMillimetro * mm * risoluzioneY_);
}

double TmmPrinter::MmX(int pixel) const {
    return pixel / static_cast<double>(risoluzioneX_) / PolliciPerMillimetro;
}

double TmmPrinter::MmY(int pixel) const {
    return pixel / static_cast<double>(risoluzioneY_) / PolliciPerMillimetro;
}

std::string TmmPrinter::PiePagina() { return TestoPagina + std::to_string(pagina_++); }

}  // namespace ludo
