#include "ui/help/help_viewer_qt.h"

#include "ui/help/help_file.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <QWidget>

namespace tikanda {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QString messageHtml(const std::string& text) {
    return "<h2>Nápověda není k dispozici</h2><p>" + qs(htmlEscape(text)) + "</p>";
}

// The help window: "Obsah" and "Zpět" above the text. It keeps its own history of
// visited pages (0 = the contents page).
class HelpWindow : public QWidget {
public:
    explicit HelpWindow(std::function<void(int)> open) : m_open(std::move(open)) {
        setWindowTitle("Nápověda – Tikanda");
        setAttribute(Qt::WA_QuitOnClose, false);
        resize(520, 440);
        auto* buttons = new QHBoxLayout;
        auto* contents = new QPushButton("&Obsah", this);
        m_back = new QPushButton("&Zpět", this);
        buttons->addWidget(contents);
        buttons->addWidget(m_back);
        buttons->addStretch();
        browser = new QTextBrowser(this);
        browser->setOpenLinks(false);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(buttons);
        layout->addWidget(browser);
        connect(contents, &QPushButton::clicked, this, [this] { go(0); });
        connect(m_back, &QPushButton::clicked, this, [this] {
            if (m_history.size() < 2) return;
            m_history.pop_back();
            const int page = m_history.back();
            m_history.pop_back();
            go(page);
        });
        connect(browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
            bool ok = false;
            const int n = url.path().toInt(&ok);
            if (url.scheme() == "topic" && ok) go(n);
        });
    }

    void go(int page) {
        m_history.push_back(page);
        m_back->setEnabled(m_history.size() > 1);
        m_open(page);
    }

    QTextBrowser* browser;

private:
    std::function<void(int)> m_open;
    QPushButton* m_back;
    std::vector<int> m_history;
};

} // namespace

QtHelpViewer::QtHelpViewer(std::string dataDir, std::function<QPoint(const form::Control*)> locate)
    : m_dataDir(std::move(dataDir)), m_locate(std::move(locate)) {}

QtHelpViewer::~QtHelpViewer() {
    delete m_window.data();
}

void QtHelpViewer::setHelpFile(const std::string& fileName) {
    m_fileName = fileName;
}

const HelpFile& QtHelpViewer::file() {
    std::string path = m_fileName;
    if (path.empty() || path.front() != '/') {
        std::string dir = m_dataDir.empty() ? "." : m_dataDir;
        if (dir.back() != '/') dir += '/';
        path = dir + path;
    }
    // Read afresh each time: the file is small, and a repaired or replaced file is
    // picked up without restarting the program.
    m_file = std::make_unique<HelpFile>(HelpFile::load(path));
    return *m_file;
}

void QtHelpViewer::ensureWindow() {
    if (m_window) return;
    auto* w = new HelpWindow([this](int page) {
        const HelpFile& f = file();
        if (!f.usable()) {
            showHtml(messageHtml(f.loadError()));
        } else if (page == 0) {
            showHtml(qs(f.contentsHtml()));
        } else if (const HelpTopic* t = f.topic(page)) {
            showHtml(qs(f.topicHtml(*t)));
        } else {
            showHtml(messageHtml("Téma č. " + std::to_string(page) + " v souboru nápovědy není."));
        }
    });
    m_window = w;
    m_browser = w->browser;
}

void QtHelpViewer::showHtml(const QString& html) {
    if (m_browser) m_browser->setHtml(html);
}

void QtHelpViewer::showContents() {
    showTopic(0);
}

void QtHelpViewer::showTopic(int topic) {
    ensureWindow();
    static_cast<HelpWindow*>(m_window.data())->go(topic);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void QtHelpViewer::showWhatsThis(int topic, const form::Control* control) {
    const HelpFile& f = file();
    QString html;
    if (!f.usable())
        html = qs("<p>" + htmlEscape(f.loadError()) + "</p>");
    else if (const HelpTopic* t = f.topic(topic))
        html = qs(f.whatsThisHtml(*t));
    else if (topic == 0)
        html = qs("<p>K tomuto prvku není nápověda k dispozici.</p>");
    else
        html = qs("<p>Téma č. " + std::to_string(topic) + " v souboru nápovědy není.</p>");
    const QPoint at = m_locate ? m_locate(control) : QPoint();
    QWhatsThis::showText(at, html);
}

QWidget* QtHelpViewer::window() const {
    return m_window.data();
}

QString QtHelpViewer::currentHtml() const {
    return m_browser && m_window ? m_browser->toHtml() : QString();
}

} // namespace tikanda
