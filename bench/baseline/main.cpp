// The benchmarks' baseline: a bare Qt Widgets window of about the program's size with a
// menu bar, a toolbar, a few labels and a one-second timer that updates one label.
// Nothing else: no settings, no sound, no images, no alignment of the timer.
//
// BASELINE_TITLE overrides the window title (default "Baseline"); bench/xwatch waits for
// the window by its title.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    QMainWindow window;
    const QByteArray title = qgetenv("BASELINE_TITLE");
    window.setWindowTitle(title.isEmpty() ? QStringLiteral("Baseline") : QString::fromUtf8(title));

    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&Soubor"));
    file->addAction(QStringLiteral("&Konec"), &app, &QApplication::quit);
    window.menuBar()
        ->addMenu(QStringLiteral("&Nápověda"))
        ->addAction(QStringLiteral("&O programu"));

    QToolBar* bar = window.addToolBar(QStringLiteral("Nástroje"));
    bar->addAction(QStringLiteral("Start"));
    bar->addAction(QStringLiteral("Pauza"));
    bar->addAction(QStringLiteral("Stop"));

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    auto* clock = new QLabel(QTime::currentTime().toString(QStringLiteral("H:mm:ss")));
    layout->addWidget(new QLabel(QStringLiteral("Čas:")));
    layout->addWidget(clock);
    layout->addWidget(new QLabel(QStringLiteral("Text alarmu")));
    window.setCentralWidget(central);
    window.resize(330, 250);

    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, clock, [clock] {
        clock->setText(QTime::currentTime().toString(QStringLiteral("H:mm:ss")));
    });
    timer.start(1000);

    window.show();
    return app.exec();
}
