#pragma once

#include <stdexcept>

namespace tubegen {

// A computation that cannot give a meaningful spectrum or half-value layer. The text (Japanese, UTF-8) is
// meant for the user: the window shows it in its warning box, the batch tool on standard error. Nothing is
// written to the spectrum file when it is thrown.
class SpectrumError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace tubegen
