#include "dbgrid.h"
#include "dataset.h"

#include <QDate>
#include <QDateTime>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <algorithm>

DatasetModel::DatasetModel(Dataset *dataset, QVector<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns))
{
    setDataset(dataset);
}

void DatasetModel::setDataset(Dataset *dataset)
{
    beginResetModel();
    disconnect(m_reset);
    m_dataset = dataset;
    if (m_dataset)
        m_reset = connect(m_dataset, &Dataset::rowsReset, this, [this] {
            beginResetModel();
            endResetModel();
        });
    endResetModel();
}

int DatasetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_dataset ? 0 : m_dataset->recordCount();
}

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString DatasetModel::displayText(const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        return dt.time() == QTime(0, 0) ? dt.date().toString(QStringLiteral("dd.MM.yyyy"))
                                        : dt.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    }
    default:
        return value.toString();
    }
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    if (!m_dataset || !index.isValid() || index.column() >= m_columns.size())
        return {};
    const GridColumn &col = m_columns[index.column()];
    if (m_style) {
        const QVariant styled = m_style(*m_dataset, index.row(), col.field, role);
        if (styled.isValid())
            return styled;
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return displayText(m_dataset->valueAt(index.row(), col.field));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(col.alignment);
    default:
        return {};
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return m_columns[section].title;
    case Qt::FontRole: {
        QFont f;
        f.setBold(true);
        return f;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

DBGrid::DBGrid(QWidget *parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setHighlightSections(false);
}

void DBGrid::setColumns(QVector<GridColumn> columns)
{
    m_columns = std::move(columns);
    bindDataset(dataset());
}

void DBGrid::setCellStyle(DatasetModel::CellStyle style)
{
    m_style = style;
    if (m_model)
        m_model->setCellStyle(std::move(style));
}

void DBGrid::setDataset(Dataset *dataset)
{
    bindDataset(dataset);
}

void DBGrid::bindDataset(Dataset *dataset)
{
    disconnect(m_current);
    auto *old = m_model;
    m_model = new DatasetModel(dataset, m_columns, this);
    m_model->setCellStyle(m_style);
    setModel(m_model);
    delete old;
    // A column is never narrower than its bold title: the set widths were
    // chosen for a smaller screen font.
    QFont bold = horizontalHeader()->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    for (int i = 0; i < m_columns.size(); ++i) {
        setColumnWidth(i, std::max(m_columns[i].width, metrics.horizontalAdvance(m_columns[i].title) + 12));
        setColumnHidden(i, !m_columns[i].visible);
    }
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (m_syncing || !current.isValid() || !this->dataset())
                    return;
                m_syncing = true;
                this->dataset()->setRecNo(current.row() + 1);
                m_syncing = false;
            });
    if (dataset) {
        m_current = connect(dataset, &Dataset::currentChanged, this, [this] { followDataset(); });
        connect(m_model, &QAbstractItemModel::modelReset, this, [this] { followDataset(); });
    }
    followDataset();
}

void DBGrid::followDataset()
{
    if (m_syncing || !dataset())
        return;
    m_syncing = true;
    const int row = dataset()->recNo() - 1;
    if (row >= 0) {
        int column = 0;
        while (column < m_columns.size() && !m_columns[column].visible)
            ++column;
        const QModelIndex idx = m_model->index(row, column);
        selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(idx);
    } else {
        selectionModel()->clearSelection();
    }
    m_syncing = false;
}

QString DBGrid::cellText(int row, const QString &field) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].field.compare(field, Qt::CaseInsensitive) == 0)
            return m_model->data(m_model->index(row, c), Qt::DisplayRole).toString();
    return {};
}
