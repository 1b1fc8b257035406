#pragma once

#include "reportform.h"

class Dataset;

// The period report by workers: per worker and nomenclature group, a line
// per stage, kind of operation and colour with the good quantity and the
// amount; group totals with the worker's maintenance work and average
// piecework; amounts with and without the regional coefficient.
class TForm16 : public ReportForm
{
    Q_OBJECT
public:
    explicit TForm16(QObject *parent = nullptr);

    Dataset *t_Report;
    Report::Element *QRLabel1; // the title
};

extern TForm16 *Form16;
