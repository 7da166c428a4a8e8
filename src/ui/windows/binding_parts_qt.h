#pragma once
// What the parts of the main window's binding share: the widgets bound to each control
// and the main window's own Qt window. Included by binding_*_qt.cpp only.

#include "ui/windows/binding_qt.h"
#include "ui/windows/controls_qt.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QString>

#include <string>
#include <vector>

namespace tikanda {

// The menu bar's height: the window's Height counts it as 300 twips.
constexpr int kMenuBarTwips = 300;

inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

inline QRect pixels(const form::Rect& r) {
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}

// The main window: its close box and state changes go to the binding.
class MainWindowQt : public QMainWindow {
public:
    explicit MainWindowQt(TikandaBinding& b) : m_binding(b) {}

protected:
    void closeEvent(QCloseEvent* e) override {
        if (m_binding.closeRequested())
            e->accept();
        else
            e->ignore();
    }
    void changeEvent(QEvent* e) override {
        QMainWindow::changeEvent(e);
        if (e->type() == QEvent::WindowStateChange)
            m_binding.windowStateChanged(windowState() & Qt::WindowMinimized);
    }

private:
    TikandaBinding& m_binding;
};

struct TikandaBinding::Bound {
    form::Control* c = nullptr;
    QWidget* w = nullptr;
    QWidget* client = nullptr; // where children go and mouse positions are measured
    QLabel* label = nullptr;
    QLineEdit* edit = nullptr;
    QComboBox* combo = nullptr;
    QRadioButton* radio = nullptr;
    QPushButton* button = nullptr;
    QGroupBox* frame = nullptr;
    PictureQt* picture = nullptr;
    // What the widget shows of the model's text and selection, as last brought in step.
    int selStart = -1, selLength = -1;
    std::vector<std::string> items;
    bool itemsSet = false;
};

} // namespace tikanda
