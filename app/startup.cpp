#include "startup.h"
#include "Unit1.h"
#include "Unit23.h"
#include "Unit6.h"

#include <QSqlDatabase>

namespace Startup {

bool createWindows(const QStringList &arguments)
{
    Form1 = new TForm1;
    if (!Form1->FormCreate(arguments))
        return false;
    // The other windows, in this order. Each lives until the program ends.
    // -- windows: begin
    // -- windows: end
    return true;
}

void destroyWindows()
{
    // -- destroy: begin
    // -- destroy: end
    delete Form23;
    Form23 = nullptr;
    delete Form1; // owns the data module
    Form1 = nullptr;
    DataModule6 = nullptr;
}

} // namespace Startup
