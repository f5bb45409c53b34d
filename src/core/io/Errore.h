#pragma once
// The error the core raises for the user: its message is the Italian text
// the window (or ludomatic-cli) shows as it stands.

#include <stdexcept>
#include <string>

namespace ludo {

class Errore : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace ludo
