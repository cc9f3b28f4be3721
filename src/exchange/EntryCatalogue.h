#pragma once

#include <QString>
#include <QStringList>

class TDataModule1;

// The entries a file column can stand for, by position: 0 to 45 the collection's field labels in
// data field number order, 46 "Notes", and for an import also 47 to 56, "Ignore_Field01" to
// "Ignore_Field10", each of which swallows one column. An entry's position names its target.
class EntryCatalogue
{
public:
    static constexpr int NotesPosition = 46;
    static constexpr int FirstIgnorePosition = 47;
    static constexpr int IgnoreCount = 10;
    static constexpr int ExportSize = 47;
    static constexpr int ImportSize = 57;

    enum class Use { Export, Import };

    // Labels by data field number (missing ones get the field's default label), then the rest.
    EntryCatalogue(const QStringList &labels, Use use);

    // Reads the labels from the collection's field setup rows through the data module's
    // FieldSetupQuery, hidden fields included. Throws StoreError; the query is reset either way.
    static EntryCatalogue load(TDataModule1 &dm, const QString &collection, Use use);

    const QStringList &entries() const { return m_entries; }
    int size() const { return int(m_entries.size()); }
    QString entry(int position) const { return m_entries.value(position); }
    // The label of the Name field (position 0).
    QString nameLabel() const { return m_entries.value(0); }

    // The first entry with the same text, letter case ignored; -1 when there is none.
    int find(const QString &text) const;

    static bool isIgnore(int position);
    // Whether a column of this position is read into an item (not skipped).
    static bool isTarget(int position) { return position >= 0 && position <= NotesPosition; }

private:
    QStringList m_entries;
};
