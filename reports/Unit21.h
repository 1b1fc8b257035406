#pragma once

#include "reportform.h"

class Dataset;

// The detailed period report by products: per nomenclature group, a line
// per product mark, kind of operation, stage and colour with defects,
// boxes, whole quantity and amount.
class TForm21 : public ReportForm
{
    Q_OBJECT
public:
    explicit TForm21(QObject *parent = nullptr);

    Dataset *i_Report;
    Report::Element *QRLabel1; // the title
};

extern TForm21 *Form21;
