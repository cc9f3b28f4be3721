#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QVector>

class TDataModule1;

// The remembered values of one list field of one collection, as a one-column table ("Values")
// over the list table, which stays open, filtered to that field, while the model shows it.
class ListValuesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    ListValuesModel(TDataModule1 &dm, const QString &collection, QObject *parent = nullptr);
    // Closes the list table as close() does.
    ~ListValuesModel() override;

    // Shows the values of that list field: the list table is closed, filtered to the collection and
    // the field, and opened again. Throws StoreError (the model is then empty).
    void showField(int dataFieldNumber);
    int field() const { return m_field; }

    QString value(int row) const;
    // Deletes the row's value from the list table. False when the store refuses; the row then stays.
    bool removeValue(int row, QString *error = nullptr);

    // Closes the list table, switches its filter off and clears it. The model is then empty.
    void close();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Row
    {
        qint64 key;
        QString value;
    };

    TDataModule1 &m_dm;
    QString m_collection;
    int m_field = -1;
    QVector<Row> m_rows;
};
