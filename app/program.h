#pragma once

// The end of the program, asked for by the login window, a failed
// connection or a too old build.
namespace Program {

void requestEnd();
bool endRequested();
void resetForTests();

} // namespace Program
