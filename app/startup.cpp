#include "startup.h"
#include "Unit1.h"
#include "Unit11.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit23.h"
#include "Unit6.h"
#include "Unit15.h"
#include "Unit16.h"
#include "Unit17.h"
#include "Unit18.h"
#include "Unit20.h"
#include "Unit21.h"

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
    Form18 = new TForm18;
    Form21 = new TForm21;
    Form15 = new TForm15;
    Form16 = new TForm16;
    Form17 = new TForm17;
    Form20 = new TForm20;
    // -- windows: end
    return true;
}

void destroyWindows()
{
    // -- destroy: begin
    delete Form20;
    Form20 = nullptr;
    delete Form17;
    Form17 = nullptr;
    delete Form16;
    Form16 = nullptr;
    delete Form15;
    Form15 = nullptr;
    delete Form21;
    Form21 = nullptr;
    delete Form18;
    Form18 = nullptr;
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
