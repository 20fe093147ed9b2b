#pragma once

namespace qf::forms {

// Creates the five windows once, in their fixed order; each handler reaches them by their
// program-wide names. The entry and the tests build the set through this one function.
void createWindowSet();
// Shows the main form, the splash window, as the message loop does when it starts.
void showMainForm();
// Destroys the windows and clears their names, so that a new set can be made.
void destroyWindowSet();

} // namespace qf::forms
