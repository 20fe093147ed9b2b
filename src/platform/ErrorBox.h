#pragma once

#include <functional>
#include <string>

namespace qf::platform {

// The error box's text: the message, with a period added when the message is not empty and
// its last character sorts after "." in byte order.
std::string errorBoxText(const std::string& message);

// Shows the application-modal error box (caption "Quillfen", stop icon, OK) and returns after OK.
void showErrorBox(const std::string& message);

// Runs a handler bound to a Qt signal or event. An exception escaping it ends the handler at
// the failing step and is reported in the error box; it never reaches Qt's own frames.
void guarded(const std::function<void()>& handler);

} // namespace qf::platform
