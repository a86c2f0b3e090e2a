// Text boxes: the character limit for typing and pasting, the click that a
// handler sees only after the caret is placed, and no input method.
#include <app/qt/text_box.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QTest>

#include <memory>

namespace {

// U+1F600 and U+20BB7: one character each, two UTF-16 code units each.
const QString grin = QString::fromUtf8("\xF0\x9F\x98\x80");
const QString ji = QString::fromUtf8("\xF0\xA0\xAE\xB7");

// Types each character as a keyboard would, including those no key names.
void typeCharacters(QWidget& widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QCoreApplication::sendEvent(&widget, &press);
        QCoreApplication::sendEvent(&widget, &release);
        i += length - 1;
    }
}

}  // namespace

class TextBoxTest : public QObject {
    Q_OBJECT
private slots:
    void typingStopsAtTheLimit_data();
    void typingStopsAtTheLimit();
    void pastingKeepsWhatFits_data();
    void pastingKeepsWhatFits();
    void undoOutlivesARefusal_data();
    void undoOutlivesARefusal();
    void clickSelectsAllThenTypingReplaces();
    void takesNoInputMethod_data();
    void takesNoInputMethod();
};

void TextBoxTest::typingStopsAtTheLimit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("three digits") << "123"
                                  << "123";
    QTest::newRow("fourth refused") << "1234"
                                    << "123";
    QTest::newRow("many refused") << "-99999"
                                  << "-99";
    QTest::newRow("chinese") << "一二三四"
                             << "一二三";
    QTest::newRow("astral counts once") << grin + grin + grin + grin << grin + grin + grin;
    QTest::newRow("mixed") << "1" + ji + "2" + ji << "1" + ji + "2";
}

void TextBoxTest::typingStopsAtTheLimit()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    app::qt::TextBox box;
    box.setCharacterLimit(3);
    typeCharacters(box, typed);
    QCOMPARE(box.text(), kept);
}

void TextBoxTest::pastingKeepsWhatFits_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::newRow("into empty") << "" << 0 << "123456"
                                << "123";
    QTest::newRow("at the end") << "1" << 1 << "2345"
                                << "123";
    QTest::newRow("in the middle") << "12" << 1 << "abc"
                                   << "1a2";
    QTest::newRow("at the start") << "12" << 0 << "ab"
                                  << "a12";
    QTest::newRow("full box") << "123" << 3 << "4"
                              << "123";
    QTest::newRow("astral kept whole") << "1" << 1 << grin + ji + "9"
                                       << "1" + grin + ji;
    QTest::newRow("pair never split") << "12" << 2 << ji + ji << "12" + ji;
}

void TextBoxTest::pastingKeepsWhatFits()
{
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    app::qt::TextBox box;
    box.setCharacterLimit(3);
    box.setText(before);
    box.setCursorPosition(caret);
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.text(), after);
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);  // a full box takes no more
    QCOMPARE(box.text(), after);
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);  // the trimmed paste is one edit
    QCOMPARE(box.text(), before);
}

// Whatever the limit refuses, the edits before it can still be undone.
void TextBoxTest::undoOutlivesARefusal_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("fourth character") << "123"
                                      << ""
                                      << "123";
    QTest::newRow("fourth astral character") << "1" + grin + ji << ""
                                             << "1" + grin + ji;
    QTest::newRow("paste into a full box") << "123"
                                           << "4"
                                           << "123";
    QTest::newRow("paste trimmed") << "1"
                                   << "2345"
                                   << "123";
}

void TextBoxTest::undoOutlivesARefusal()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    app::qt::TextBox box;
    box.setCharacterLimit(3);
    box.setText(QStringLiteral("0"));
    box.selectAll();
    typeCharacters(box, typed);
    if (pasted.isEmpty()) {
        typeCharacters(box, QStringLiteral("4"));
    } else {
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    }
    QCOMPARE(box.text(), shown);
    while (box.isUndoAvailable())
        box.undo();
    QCOMPARE(box.text(), QStringLiteral("0"));
}

void TextBoxTest::clickSelectsAllThenTypingReplaces()
{
    app::qt::TextBox box;
    box.setCharacterLimit(3);
    box.resize(60, 30);
    box.setText(QStringLiteral("12"));
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    int caretAtClick = -1;
    connect(&box, &app::qt::TextBox::clicked, &box, [&] {
        caretAtClick = box.cursorPosition();
        box.setSelection(0, int(box.text().size()));
    });
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(2, 15));
    QCOMPARE(caretAtClick, 0);  // the click had placed the caret before the handler ran
    QCOMPARE(box.selectedText(), QStringLiteral("12"));
    QTest::keyClicks(&box, QStringLiteral("5"));
    QCOMPARE(box.text(), QStringLiteral("5"));
}

void TextBoxTest::takesNoInputMethod_data()
{
    QTest::addColumn<bool>("coefficientBox");
    QTest::newRow("text box") << true;
    QTest::newRow("any other line edit") << false;
}

// Asked as the platform's input method asks the widget with the focus.
void TextBoxTest::takesNoInputMethod()
{
    QFETCH(bool, coefficientBox);
    const std::unique_ptr<QLineEdit> edit(coefficientBox ? new app::qt::TextBox : new QLineEdit);
    edit->show();
    edit->activateWindow();
    edit->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(edit.get()));
    QCOMPARE(QGuiApplication::focusObject(), edit.get());
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &query);
    QCOMPARE(query.value(Qt::ImEnabled).toBool(), !coefficientBox);
    QCOMPARE(edit->testAttribute(Qt::WA_InputMethodEnabled), !coefficientBox);
}

QTEST_MAIN(TextBoxTest)
#include "tst_text_box.moc"
