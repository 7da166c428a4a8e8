#pragma once
// Widgets of the main window that Qt has no ready match for: the spin buttons bound to
// the time fields, the bordered display panel that carries the dial, an SVG picture, and
// the style that gives the toolbar its fixed button and separator widths.

#include <QFrame>
#include <QIcon>
#include <QPixmap>
#include <QProxyStyle>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tikanda {

namespace form {
struct FrmTikandaModel;
}

// Up and down arrows, one above the other. Each step (a click, or repeated while the
// mouse button is held) calls onStep with +1 or -1. Never takes the keyboard focus.
class SpinButtonQt : public QWidget {
public:
    explicit SpinButtonQt(QWidget* parent = nullptr);
    std::function<void(int delta)> onStep;
    // The half being held: +1 up, -1 down, 0 none.
    int heldHalf() const { return m_held; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void changeEvent(QEvent*) override;
    QSize sizeHint() const override { return {16, 21}; }

private:
    void step();
    int m_held = 0;
    QTimer m_repeat;
};

// The display panel: a sunken border around a client area that paints the panel's
// background colour and the analog face. Children are placed in the client area.
class DisplayPanelQt : public QFrame {
public:
    DisplayPanelQt(const form::FrmTikandaModel& model, QWidget* parent = nullptr);
    QWidget* client() const;
    void setBackground(const QColor& c);

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    class Client;
    Client* m_client;
};

// A picture drawn from an SVG resource at its natural size, crisp at any scale. The
// drawing is kept, so a repaint does not read the SVG again.
class PictureQt : public QWidget {
public:
    explicit PictureQt(QWidget* parent = nullptr);
    void setImage(const QString& resource);
    QString image() const { return m_resource; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString m_resource;
    QPixmap m_drawn;
};

// The resource path of an image by its key ("Start", "Stopky", "AlarmPozadi" ...).
QString imageResource(const std::string& key);

// An SVG resource drawn (antialiased) into a transparent pixmap of size device-independent
// pixels (empty: the image's own size) at the device pixel ratio dpr; a null pixmap when
// the resource is no SVG image. The images start-up shows come drawn ahead by the build
// (svg_pixels_qt.h); only other sizes and ratios are drawn from the SVG here.
QPixmap drawSvg(const QString& resource, QSize size, qreal dpr);

// A toolbar button's icon (16 pixels square), drawn once from its SVG resource at the
// application's device pixel ratio. (Qt's SVG icon engine would be loaded as a plugin
// at start-up, and draw each icon again for every state.)
QIcon toolIcon(const QString& resource);

// The program's icon, drawn once at the sizes window managers show. (An SVG icon would
// be drawn again for every window, up to 128 pixels square, whenever one is created.)
QIcon appIcon();

// Toolbar metrics: no margins or spacing, separators of a fixed width.
class ToolbarStyle : public QProxyStyle {
public:
    explicit ToolbarStyle(int separatorWidth) : m_separator(separatorWidth) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    int m_separator;
};

} // namespace tikanda
