// The help window and What's-This pop-ups on the offscreen platform.

#include "ui/help/help_viewer_qt.h"
#include "ui/windows/form_windows.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace tikanda {
namespace {

QString shownText(const QtHelpViewer& v) {
    auto* browser = v.window() ? v.window()->findChild<QTextBrowser*>() : nullptr;
    return browser ? browser->toPlainText() : QString();
}

TEST(HelpViewer, ShowsTheShippedContentsAndFollowsLinks) {
    QtHelpViewer v(TIKANDA_SOURCE_DIR "/data", {});
    v.setHelpFile("TIKANDA.HLP"); // relative to the data directory
    v.showContents();
    ASSERT_NE(v.window(), nullptr);
    EXPECT_TRUE(v.window()->isVisible());
    EXPECT_TRUE(shownText(v).contains(QString::fromUtf8("Nápověda k programu Tikanda")));
    emit v.window()->findChild<QTextBrowser*>()->anchorClicked(QUrl("topic:13080"));
    EXPECT_TRUE(shownText(v).startsWith(QString::fromUtf8("Displej")));
    v.showTopic(3020);
    EXPECT_TRUE(shownText(v).startsWith(QString::fromUtf8("Tlačítko OK")));
    v.showTopic(777);
    EXPECT_TRUE(shownText(v).contains(QString::fromUtf8("Téma č. 777")));
}

TEST(HelpViewer, MissingOrBrokenFileGivesAMessage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtHelpViewer v(dir.path().toStdString(), [](const form::Control*) { return QPoint(); });
    v.setHelpFile("TIKANDA.HLP");
    v.showTopic(13010);
    EXPECT_TRUE(shownText(v).contains(QString::fromUtf8("nebyl nalezen")));
    // A file that is no help file at all; the viewer reads it afresh on each request.
    QFile f(dir.filePath("TIKANDA.HLP"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\xFF\xFE garbage\0\1\2", 14));
    f.close();
    v.showContents();
    EXPECT_TRUE(shownText(v).contains(QString::fromUtf8("poškozen")));
    form::FrmTikandaModel model;
    v.showWhatsThis(13010, &model.fraNastav); // the message in a pop-up
    EXPECT_NE(QApplication::activePopupWidget(), nullptr);
    QWhatsThis::hideText();
}

} // namespace
} // namespace tikanda
