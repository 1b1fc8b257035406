// Painting prepared report pages: on a printer, into a PDF file, in the
// preview window.

#include "report.h"
#include "messages.h"
#include "modal.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolBar>

namespace Report {

QString reportFontFamily()
{
    // Laying out pages needs no fonts: without a GUI application (a
    // command-line tool) the name is only recorded for later painting.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QStringLiteral("Liberation Sans");
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char *candidate : {"Liberation Sans", "Arimo", "DejaVu Sans"})
            if (installed.contains(QLatin1String(candidate), Qt::CaseInsensitive))
                return QString::fromLatin1(candidate);
        return QStringLiteral("Sans Serif");
    }();
    return family;
}

namespace {

// The page's paper with no margins of the device: every position of the
// prepared pages counts from the paper's corner.
QPageLayout fullPaper(const QPageLayout &layout)
{
    QPageLayout paper = layout;
    paper.setMinimumMargins(QMarginsF());
    paper.setMargins(QMarginsF());
    return paper;
}

} // namespace

void Document::paintPage(QPainter &painter, int pageIndex) const
{
    if (pageIndex < 0 || pageIndex >= pages.size())
        return;
    QPaintDevice *device = painter.device();
    const double dotsPerMmX = device->logicalDpiX() / 25.4;
    const double dotsPerMmY = device->logicalDpiY() / 25.4;
    const auto toDevice = [&](const QRectF &mm) {
        return QRectF(mm.left() * dotsPerMmX, mm.top() * dotsPerMmY, mm.width() * dotsPerMmX, mm.height() * dotsPerMmY);
    };

    QVector<QFont> fonts;
    fonts.reserve(styles.size());
    for (const TextStyle &s : styles) {
        QFont f(fontFamily);
        f.setPointSizeF(s.pointSize);
        f.setBold(s.bold);
        fonts << f;
    }

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen thin(Qt::black);
    thin.setWidthF(0.2 * dotsPerMmX);
    const double padding = 0.7 * dotsPerMmX;

    // Fills first, so that frames, lines and texts of a band stay visible.
    for (const PlacedBand &band : pages[pageIndex].bands)
        for (const PlacedItem &item : band.items)
            if (item.kind == PlacedItem::Fill)
                painter.fillRect(toDevice(item.rect()), item.fill());

    int currentFont = -1;
    painter.setPen(thin);
    for (const PlacedBand &band : pages[pageIndex].bands) {
        for (const PlacedItem &item : band.items) {
            const QRectF r = toDevice(item.rect());
            switch (item.kind) {
            case PlacedItem::Fill:
                break;
            case PlacedItem::Line:
                painter.drawLine(QPointF(r.left(), r.top()), QPointF(r.right(), r.top()));
                break;
            case PlacedItem::Frame:
                painter.drawRect(r);
                break;
            case PlacedItem::Text: {
                if (item.text.isEmpty())
                    break;
                if (item.style != currentFont) {
                    currentFont = item.style;
                    painter.setFont(fonts[currentFont]);
                }
                const TextStyle &s = styles[item.style];
                const QRectF inner = r.adjusted(padding, 0, -padding, 0);
                const int flags = int(s.align | Qt::AlignVCenter) | Qt::TextSingleLine;
                const QFontMetricsF metrics(painter.font(), device);
                const double width = metrics.horizontalAdvance(item.text);
                if (width <= inner.width() + 0.5) {
                    painter.drawText(inner, flags, item.text);
                } else if (Number::parse(item.text)) {
                    // A figure is never cut: it prints smaller instead.
                    QFont smaller = painter.font();
                    smaller.setPointSizeF(std::max(4.0, s.pointSize * inner.width() / width * 0.98));
                    painter.setFont(smaller);
                    painter.drawText(inner, flags, item.text);
                    painter.setFont(fonts[currentFont]);
                } else {
                    // A text wider than its cell is cut with an ellipsis, so
                    // that the reader sees that something is missing.
                    painter.drawText(inner, flags, metrics.elidedText(item.text, Qt::ElideRight, inner.width()));
                }
                break;
            }
            }
        }
    }
    painter.restore();
}

bool Document::savePdf(const QString &fileName, QString *error) const
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QPdfWriter writer(fileName);
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("Табель"));
    if (!writer.setPageLayout(fullPaper(pageLayout)))
        return fail(QStringLiteral("Не удалось задать размер страницы для файла %1").arg(fileName));
    QPainter painter;
    if (!painter.begin(&writer))
        return fail(QStringLiteral("Не удалось создать файл %1").arg(QDir::toNativeSeparators(fileName)));
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            writer.newPage();
        paintPage(painter, i);
    }
    if (!painter.end())
        return fail(QStringLiteral("Не удалось записать файл %1").arg(QDir::toNativeSeparators(fileName)));
    if (QFileInfo(fileName).size() <= 0)
        return fail(QStringLiteral("Файл %1 не записан").arg(QDir::toNativeSeparators(fileName)));
    return true;
}

void Document::preview(const QString &title, bool wholePage, QWidget *parent) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(fullPaper(pageLayout));
    printer.setDocName(title);

    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(title.trimmed().isEmpty() ? QStringLiteral("Просмотр отчета") : title.trimmed());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this](QPrinter *target) {
        QPainter painter;
        if (!painter.begin(target))
            return;
        for (int i = 0; i < pages.size(); ++i) {
            if (i > 0)
                target->newPage();
            paintPage(painter, i);
        }
        painter.end();
    });
    if (auto *view = dialog.findChild<QPrintPreviewWidget *>())
        view->setZoomMode(wholePage ? QPrintPreviewWidget::FitInView : QPrintPreviewWidget::FitToWidth);
    if (auto *toolbar = dialog.findChild<QToolBar *>()) {
        toolbar->addSeparator();
        QAction *save = toolbar->addAction(QStringLiteral("Сохранить в PDF…"));
        save->setToolTip(QStringLiteral("Сохранить отчет в файл PDF"));
        QObject::connect(save, &QAction::triggered, &dialog, [this, &dialog, title] {
            QString base = title.trimmed();
            base.replace(QLatin1Char('/'), QLatin1Char('-'));
            base.replace(QLatin1Char(':'), QLatin1Char('-'));
            const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            const QString file = QFileDialog::getSaveFileName(&dialog, QStringLiteral("Сохранить отчет в PDF"),
                                                              QDir(folder).filePath(base + QStringLiteral(".pdf")),
                                                              QStringLiteral("Файлы PDF (*.pdf)"));
            if (file.isEmpty())
                return;
            QString why;
            if (!savePdf(file, &why))
                Msg::error(why);
        });
    }
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    Modal::show(&dialog);
}

} // namespace Report
