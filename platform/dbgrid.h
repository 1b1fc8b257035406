#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>

class Dataset;

// One visible column of a grid over a dataset.
struct GridColumn {
    QString field;
    QString title;
    int width = 64; // pixels; 64 is the toolkit's usual default
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool visible = true;
};

// The rows of a dataset as a table model, in the order the dataset serves
// them. Dates are shown as DD.MM.YYYY, everything else as the server sent it.
class DatasetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Extra roles for a cell (font, colours); an invalid QVariant leaves the default.
    using CellStyle = std::function<QVariant(const Dataset &, int row, const QString &field, int role)>;

    DatasetModel(Dataset *dataset, QVector<GridColumn> columns, QObject *parent = nullptr);

    void setDataset(Dataset *dataset);
    Dataset *dataset() const { return m_dataset; }
    const QVector<GridColumn> &columns() const { return m_columns; }
    void setCellStyle(CellStyle style) { m_style = std::move(style); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static QString displayText(const QVariant &value);

private:
    Dataset *m_dataset = nullptr;
    QVector<GridColumn> m_columns;
    CellStyle m_style;
    QMetaObject::Connection m_reset;
};

// A read-only grid that selects whole rows and keeps the selected row and the
// dataset's current row the same.
class DBGrid : public QTableView
{
    Q_OBJECT
public:
    explicit DBGrid(QWidget *parent = nullptr);

    void setColumns(QVector<GridColumn> columns);
    void setDataset(Dataset *dataset); // rebinds, like choosing another data source
    Dataset *dataset() const { return m_model ? m_model->dataset() : nullptr; }
    DatasetModel *datasetModel() const { return m_model; }
    void setCellStyle(DatasetModel::CellStyle style);

    // Text of a visible cell, for tests and screen readers.
    QString cellText(int row, const QString &field) const;

private:
    void followDataset();
    void bindDataset(Dataset *dataset);

    DatasetModel *m_model = nullptr;
    QVector<GridColumn> m_columns;
    DatasetModel::CellStyle m_style;
    QMetaObject::Connection m_current;
    bool m_syncing = false;
};
