#pragma once
// The help viewer: a window with the contents page and the topics of the help file
// (QTextBrowser), and What's-This pop-ups (QWhatsThis) next to a control.

#include "platform/interfaces.h"

#include <QPoint>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class QTextBrowser;
class QWidget;

namespace tikanda {

class HelpFile;

class QtHelpViewer : public HelpViewer {
public:
    // dataDir: where a relative help file name is looked up. locate: the global screen
    // position next to which the What's-This pop-up of a control appears.
    QtHelpViewer(std::string dataDir, std::function<QPoint(const form::Control*)> locate);
    ~QtHelpViewer() override;

    void setHelpFile(const std::string& fileName) override;
    void showContents() override;
    void showTopic(int topic) override;
    void showWhatsThis(int topic, const form::Control* control) override;

    // The help window, once it has been opened (tests look at it); nullptr before.
    QWidget* window() const;
    // The text shown in the help window (HTML), for tests.
    QString currentHtml() const;

private:
    const HelpFile& file();
    void ensureWindow();
    void showHtml(const QString& html);

    std::string m_dataDir;
    std::function<QPoint(const form::Control*)> m_locate;
    std::string m_fileName = "TIKANDA.HLP";
    std::unique_ptr<HelpFile> m_file;
    QPointer<QWidget> m_window;
    QTextBrowser* m_browser = nullptr;
};

} // namespace tikanda
