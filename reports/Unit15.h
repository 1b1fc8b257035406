#pragma once

#include "reportform.h"

class Dataset;

// The monthly hours-by-day sheet: one line per worker with the hours of
// each day of the month over all of the worker's hours-sheet rows, and the
// month's total. Printed across an A4 sheet.
class TForm15 : public ReportForm
{
    Q_OBJECT
public:
    explicit TForm15(QObject *parent = nullptr);

    Dataset *H_Tabel;          // parameters mnth (1..12) and yea
    Report::Element *QRLabel33; // the title, "Данные за:" until the caller sets it
};

extern TForm15 *Form15;
