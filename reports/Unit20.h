#pragma once

#include "reportform.h"

class Dataset;

// The detailed period report by workers: per worker, a line per product
// mark, kind of operation, stage and colour with hours, defects, quantity
// and amount, and under it the worker's table of piecework, maintenance
// work and average piecework (day and night) with the price of an hour.
class TForm20 : public ReportForm
{
    Q_OBJECT
public:
    explicit TForm20(QObject *parent = nullptr);

    Dataset *w_Report;
    Report::Element *QRLabel1; // the title
};

extern TForm20 *Form20;
