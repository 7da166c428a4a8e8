// Message boxes and the colour and file dialogs, answered from inside the event loop.
#include "platform/platform_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace tikanda;

namespace {

// Runs `answer` on the modal dialog once it is up.
void whenModal(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(w);
        }
    });
    poll->start(20);
}

QAbstractButton* buttonNamed(QMessageBox* box, const QString& text) {
    for (auto* b : box->buttons())
        if (b->text() == text) return b;
    return nullptr;
}

} // namespace

TEST(QtMessageBoxes, YesNoInCzechWithNoAsDefaultWhenAsked) {
    int synced = 0;
    QtMessageBoxes boxes([&] { ++synced; });
    QStringList texts;
    QString title, defaultText;
    QMessageBox::Icon icon{};
    whenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        for (auto* b : box->buttons())
            texts << b->text();
        title = box->windowTitle();
        icon = box->icon();
        defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
        buttonNamed(box, QStringLiteral("Ano"))->click();
    });
    const MsgAnswer a =
        boxes.show("Ukončit program?", "Tikanda 1.3", MsgIcon::Question, MsgButtons::YesNo, true);
    EXPECT_EQ(a, MsgAnswer::Yes);
    EXPECT_EQ(synced, 1) << "the screen is brought up to date before the box shows";
    texts.sort();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Ano"), QStringLiteral("Ne")}));
    EXPECT_EQ(title, QStringLiteral("Tikanda 1.3"));
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(defaultText, QStringLiteral("Ne"));
}

TEST(QtMessageBoxes, EscapeAnswersNoAndOkBoxesAnswerOk) {
    QtMessageBoxes boxes;
    whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(boxes.show("?", "Tikanda 1.3", MsgIcon::Exclamation, MsgButtons::YesNo, false),
              MsgAnswer::No);

    QString only;
    QMessageBox::Icon icon{};
    whenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_EQ(box->buttons().size(), 1);
        only = box->buttons().front()->text();
        icon = box->icon();
        QTest::keyClick(w, Qt::Key_Return);
    });
    EXPECT_EQ(boxes.show("Čas 0:12:34", "Tikanda 1.3", MsgIcon::Information, MsgButtons::Ok, false),
              MsgAnswer::Ok);
    EXPECT_EQ(only, QStringLiteral("OK"));
    EXPECT_EQ(icon, QMessageBox::Information);
}

TEST(QtDialogs, ColourDialogStartsOnTheGivenColourAndReturnsTheChosenOne) {
    QtDialogs dialogs;
    QColor shown;
    whenModal([&](QWidget* w) {
        auto* dlg = qobject_cast<QColorDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        shown = dlg->currentColor();
        dlg->setCurrentColor(QColor(0xAA, 0xBB, 0xCC));
        dlg->accept();
    });
    // 0x00BBGGRR: red 0x11, green 0x22, blue 0x33.
    EXPECT_EQ(dialogs.chooseColour(0x00332211u), std::optional<std::uint32_t>(0x00CCBBAAu));
    EXPECT_EQ(shown, QColor(0x11, 0x22, 0x33));

    whenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(dialogs.chooseColour(0), std::nullopt);
}

TEST(QtDialogs, FileDialogHasTheTitleAndOneFilterAndACancelGivesNothing) {
    QtDialogs dialogs;
    QStringList filters;
    QString title;
    whenModal([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        filters = dlg->nameFilters();
        title = dlg->windowTitle();
        dlg->reject();
    });
    EXPECT_EQ(dialogs.openFile("Výběr zvuku alarmu", "Zvukový soubor ", "*.wav"), std::nullopt);
    EXPECT_EQ(title, QStringLiteral("Výběr zvuku alarmu"));
    // The dialog shows the description and the pattern (it folds the double space).
    ASSERT_EQ(filters.size(), 1);
    EXPECT_EQ(filters.front().simplified(), QStringLiteral("Zvukový soubor (*.wav)"));
}
