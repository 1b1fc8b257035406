#include "program.h"

#include <QCoreApplication>

namespace Program {
namespace {
bool g_end = false;
}

void requestEnd()
{
    g_end = true;
    // Leaves every running event loop, modal windows' loops included.
    QCoreApplication::exit(0);
}

bool endRequested()
{
    return g_end;
}

void resetForTests()
{
    g_end = false;
}

} // namespace Program
