#include <QTest>
class TestSummaryReports : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(TestSummaryReports)
#include "tst_summary_reports.moc"
