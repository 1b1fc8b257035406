#pragma once

#include <QStringList>

namespace Startup {

// Creates the day sheet (which connects and creates the login window), then
// every other window once, in the program's fixed order. False when the
// database cannot be reached: the user has been told and nothing is shown.
bool createWindows(const QStringList &arguments);

// Deletes the windows again (tests, and the end of the program).
void destroyWindows();

} // namespace Startup
