#include <gtest/gtest.h>

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <vector>

#include "platform/forms/controls/text_box.h"
#include "support/row_print.h"

namespace {

// A text box whose KeyPress and Change are recorded; KeyPress swallows one
// chosen character code.
class TextBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        QObject::connect(&box, &platform::forms::controls::TextBox::KeyPress,
                         [this](int& keyAscii) {
                             keys.push_back(keyAscii);
                             textAtKeys.append(box.text());
                             if (keyAscii == swallow) keyAscii = 0;
                         });
        QObject::connect(&box, &platform::forms::controls::TextBox::Change,
                         [this] { changes.append(box.text()); });
    }

    void Start(const QString& text, int from, int length = 0) {
        box.setText(text);
        box.setSelection(from, length);
        if (length == 0) box.setCursorPosition(from);
        keys.clear();
        textAtKeys.clear();
        changes.clear();
    }

    void Commit(const QString& committed, const QString& preedit = {}) {
        QInputMethodEvent event(preedit, {});
        event.setCommitString(committed);
        QCoreApplication::sendEvent(&box, &event);
    }

    platform::forms::controls::TextBox box;
    int swallow = -1;
    std::vector<int> keys;
    QStringList textAtKeys;
    QStringList changes;
};

// ---- Text committed by an input method counts as typing ----

struct CommitCase {
    const char* name;
    QString before;
    QString committed;
    QString preedit;
    int swallow;
    std::vector<int> keys;
    QString after;
};

using support::PrintTo;

const CommitCase kCommits[] = {
    {"Chinese", "", QStringLiteral("平安"), "", -1, {0x5E73, 0x5B89}, QStringLiteral("平安")},
    {"BehindText", "60", QStringLiteral("平"), "", -1, {0x5E73}, QStringLiteral("60平")},
    {"OneSwallowed", "", QStringLiteral("a平b"), "", 0x5E73, {'a', 0x5E73, 'b'}, "ab"},
    {"AllSwallowed", "x", QStringLiteral("平"), "", 0x5E73, {0x5E73}, "x"},
    {"OutsideTheBasicPlane",
     "",
     QStringLiteral("\U00020000"),
     "",
     -1,
     {0x20000},
     QStringLiteral("\U00020000")},
    {"ComposingOnly", "x", "", "ping", -1, {}, "x"},
    {"LineEndCommitted", "", "a\nb", "", -1, {'a', '\n', 'b'}, "a"},
};

class TextBoxCommit : public TextBoxTest, public ::testing::WithParamInterface<CommitCase> {};

TEST_P(TextBoxCommit, EachCharacterThroughKeyPressThenOneChange) {
    const CommitCase& c = GetParam();
    Start(c.before, static_cast<int>(c.before.size()));
    swallow = c.swallow;
    Commit(c.committed, c.preedit);
    EXPECT_EQ(keys, c.keys);
    // Every key comes before the text changes.
    EXPECT_EQ(textAtKeys, QStringList(qsizetype(c.keys.size()), c.before));
    EXPECT_EQ(box.text(), c.after);
    EXPECT_EQ(changes, c.after == c.before ? QStringList() : QStringList{c.after});
}

INSTANTIATE_TEST_SUITE_P(Table, TextBoxCommit, ::testing::ValuesIn(kCommits),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- One line: what comes behind the first line end is not taken ----

enum class Way { Paste, Drop, SetText };

struct LineCase {
    const char* name;
    Way way;
    QString before;
    int from, length;  // the cursor, or the selection replaced
    QString incoming;
    QString after;
};

const LineCase kLines[] = {
    {"PasteTwoLines", Way::Paste, "", 0, 0, "line1\nline2", "line1"},
    {"PasteCrLf", Way::Paste, "", 0, 0, "line1\r\nline2", "line1"},
    {"PasteCr", Way::Paste, "", 0, 0, "a\rb", "a"},
    {"PasteNul", Way::Paste, "", 0, 0, QString::fromUtf16(u"a\0b", 3), "a"},
    {"PasteInTheMiddle", Way::Paste, "abcd", 2, 0, "x\ny", "abxcd"},
    {"PasteOverASelection", Way::Paste, "abcd", 1, 2, "x\ny\nz", "axd"},
    {"PasteLineEndFirst", Way::Paste, "ab", 1, 0, "\nx", "ab"},
    {"PasteOneLine", Way::Paste, "ab", 1, 0, "xy", "axyb"},
    {"DropTwoLines", Way::Drop, "", 0, 0, QStringLiteral("张三\r\n李四"), QStringLiteral("张三")},
    {"SetTwoLines", Way::SetText, "old", 0, 0, "a\nb", "a"},
};

class TextBoxLine : public TextBoxTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(TextBoxLine, KeepsTheFirstLine) {
    const LineCase& c = GetParam();
    Start(c.before, c.from, c.length);
    QMimeData dropped;
    dropped.setText(c.incoming);
    switch (c.way) {
        case Way::Paste: {
            QGuiApplication::clipboard()->setText(c.incoming);
            QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier,
                            QStringLiteral("\x16"));
            QCoreApplication::sendEvent(&box, &paste);
            break;
        }
        case Way::Drop: {
            // A drop reaches the widget that accepted the drag's entry.
            QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &dropped, Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(&box, &enter);
            QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &dropped, Qt::LeftButton,
                            Qt::NoModifier);
            QCoreApplication::sendEvent(&box, &drop);
            break;
        }
        case Way::SetText:
            box.setText(c.incoming);
            break;
    }
    EXPECT_EQ(box.text(), c.after);
    // One change at most, and no procedure ever sees a line end.
    EXPECT_LE(changes.size(), 1);
    if (c.after != c.before) {
        EXPECT_EQ(changes.size(), 1);
    }
    for (const QString& seen : changes) EXPECT_EQ(seen, c.after);
}

INSTANTIATE_TEST_SUITE_P(Table, TextBoxLine, ::testing::ValuesIn(kLines),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
