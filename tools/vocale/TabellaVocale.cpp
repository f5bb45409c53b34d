// Prints where each number is spoken in the recording "vocal.Wav", one line
// per number: the number, the start and the end of its stretch in
// milliseconds. The build makes the recording from these lines.
#include <iostream>

#include "core/checking/Dettatura.h"

int main() {
    for (int n = 1; n <= 32; ++n) {
        const ludo::TrattoVoce t = ludo::TrattoNumero(n);
        std::cout << n << ' ' << t.Da << ' ' << t.A << '\n';
    }
    return 0;
}
