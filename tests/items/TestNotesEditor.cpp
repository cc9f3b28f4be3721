#include "items/NotesEditor.h"

#include <QMenu>
#include <QTest>

class TestNotesEditor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void menuItems_data();
    void menuItems();
    void menuEnabling_data();
    void menuEnabling();
    void wordWrapSwitches();
    void changedSinceSet();
};

namespace {
QStringList captions(QMenu *menu)
{
    QStringList result;
    for (const QAction *a : menu->actions())
        result.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    return result;
}

QAction *action(QMenu *menu, const QString &text)
{
    for (QAction *a : menu->actions())
        if (a->text() == text)
            return a;
    return nullptr;
}
} // namespace

void TestNotesEditor::menuItems_data()
{
    QTest::addColumn<NotesEditor::Kind>("kind");
    QTest::addColumn<QStringList>("expected");
    const QStringList common{"&Undo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "-", "Select &All"};
    QTest::newRow("notes box") << NotesEditor::Box << common;
    QTest::newRow("expanded page") << NotesEditor::Page << common + QStringList{"-", "&Word Wrap"};
}

void TestNotesEditor::menuItems()
{
    QFETCH(NotesEditor::Kind, kind);
    QFETCH(QStringList, expected);
    NotesEditor editor(kind);
    std::unique_ptr<QMenu> menu(editor.createContextMenu());
    QCOMPARE(captions(menu.get()), expected);
}

void TestNotesEditor::menuEnabling_data()
{
    QTest::addColumn<bool>("select");
    QTest::addColumn<bool>("typed");
    QTest::newRow("fresh text, nothing selected") << false << false;
    QTest::newRow("typed, something selected") << true << true;
}

void TestNotesEditor::menuEnabling()
{
    QFETCH(bool, select);
    QFETCH(bool, typed);
    NotesEditor editor(NotesEditor::Box);
    editor.setNotes("some notes");
    if (typed)
        QTest::keyClicks(&editor, "x");
    if (select)
        editor.selectAll();
    std::unique_ptr<QMenu> menu(editor.createContextMenu());
    QCOMPARE(action(menu.get(), "&Undo")->isEnabled(), typed);
    QCOMPARE(action(menu.get(), "Cu&t")->isEnabled(), select);
    QCOMPARE(action(menu.get(), "&Copy")->isEnabled(), select);
    QCOMPARE(action(menu.get(), "&Delete")->isEnabled(), select);
    QCOMPARE(action(menu.get(), "Select &All")->isEnabled(), !select);
    QVERIFY(action(menu.get(), "&Paste")->isEnabled());
    if (select) {
        action(menu.get(), "&Delete")->trigger();
        QVERIFY(editor.toPlainText().isEmpty());
    }
}

void TestNotesEditor::wordWrapSwitches()
{
    NotesEditor editor(NotesEditor::Page);
    QVERIFY(editor.wordWrap());
    std::unique_ptr<QMenu> menu(editor.createContextMenu());
    QAction *wrap = action(menu.get(), "&Word Wrap");
    QVERIFY(wrap->isCheckable() && wrap->isChecked());
    wrap->trigger();
    QVERIFY(!editor.wordWrap());
    menu.reset(editor.createContextMenu());
    QVERIFY(!action(menu.get(), "&Word Wrap")->isChecked());
    QTest::keyClick(&editor, Qt::Key_Tab);
    QCOMPARE(editor.toPlainText(), QStringLiteral("\t"));
}

void TestNotesEditor::changedSinceSet()
{
    NotesEditor editor(NotesEditor::Box);
    editor.setNotes("text");
    QVERIFY(!editor.isChanged());
    QTest::keyClicks(&editor, "y");
    QVERIFY(editor.isChanged());
    editor.setNotes("other");
    QVERIFY(!editor.isChanged());
    // Line breaks come back as LF, hard spaces as they were.
    editor.setNotes(QStringLiteral("a\r\nb\u00a0c\nd"));
    QCOMPARE(editor.notes(), QStringLiteral("a\nb\u00a0c\nd"));
}

QTEST_MAIN(TestNotesEditor)
#include "TestNotesEditor.moc"
