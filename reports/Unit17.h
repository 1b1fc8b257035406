#pragma once

#include "reportform.h"

class Dataset;

// The period report by products: one group per nomenclature group, a line
// per stage, kind of operation and colour with the boxes and the good
// quantity.
class TForm17 : public ReportForm
{
    Q_OBJECT
public:
    explicit TForm17(QObject *parent = nullptr);

    Dataset *t_Report;
    Report::Element *QRLabel1; // the title
};

extern TForm17 *Form17;
