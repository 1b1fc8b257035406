#include "startup.h"
#include "Unit1.h"
#include "Unit11.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit5.h"
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
    Form2 = new TForm2(Form1);
    Form4 = new TForm4(Form1);
    Form5 = new TForm5(Form1);
    Form11 = new TForm11(Form1);
    // -- windows: end
    return true;
}

void destroyWindows()
{
    // -- destroy: begin
    delete Form11;
    Form11 = nullptr;
    delete Form5;
    Form5 = nullptr;
    delete Form4;
    Form4 = nullptr;
    delete Form2;
    Form2 = nullptr;
    // -- destroy: end
    delete Form23;
    Form23 = nullptr;
    delete Form1; // owns the data module
    Form1 = nullptr;
    DataModule6 = nullptr;
}

} // namespace Startup
