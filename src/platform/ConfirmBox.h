#pragma once

#include <string>

namespace qf::platform {

// Asks a Yes/No question in a box modal for the whole program: no icon, Yes the default
// button. Only the two buttons answer it; Escape and the close box do nothing. True for Yes.
bool askYesNo(const std::string& text, const std::string& caption);

} // namespace qf::platform
