#pragma once

#include "items/NotesSearch.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// A find dialog that stays open beside its window: "Find what", "Match whole word only",
// "Match case", "Find Next" and "Cancel". Each "Find Next" emits findNext().
class FindTextDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FindTextDialog(QWidget *parent = nullptr);

    QString findText() const;
    void setFindText(const QString &text);
    NotesSearch::Options options() const;
    void setOptions(NotesSearch::Options options);

    QPushButton *findNextButton() const { return m_findNext; }

Q_SIGNALS:
    void findNext();

private:
    QLineEdit *m_text;
    QCheckBox *m_wholeWord;
    QCheckBox *m_matchCase;
    QPushButton *m_findNext;
};
