#include "ui/windows/controls_qt.h"

#include "ui/clock/dial_painter_qt.h"
#include "form/form_windows.h"
#include "ui/windows/svg_pixels_qt.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QResource>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QtMath>

namespace tikanda {

namespace {
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 80;
} // namespace

SpinButtonQt::SpinButtonQt(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    m_repeat.setSingleShot(false);
    connect(&m_repeat, &QTimer::timeout, this, [this] {
        m_repeat.setInterval(kRepeatIntervalMs);
        step();
    });
}

void SpinButtonQt::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int upHeight = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), upHeight),
                             QRect(0, upHeight, width(), height() - upHeight)};
    for (int i = 0; i < 2; ++i) {
        const int half = i == 0 ? 1 : -1;
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        button.state |= m_held == half ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &p, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(3, 2, -3, -2);
        if (m_held == half) arrow.rect.translate(1, 1);
        style()->drawPrimitive(half > 0 ? QStyle::PE_IndicatorArrowUp
                                        : QStyle::PE_IndicatorArrowDown,
                               &arrow, &p, this);
    }
}

void SpinButtonQt::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    m_held = e->position().y() < height() / 2 ? 1 : -1;
    update();
    step();
    if (m_held != 0) m_repeat.start(kRepeatDelayMs);
}

void SpinButtonQt::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    m_held = 0;
    m_repeat.stop();
    update();
}

void SpinButtonQt::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange && !isEnabled()) {
        m_held = 0;
        m_repeat.stop();
    }
    QWidget::changeEvent(e);
}

void SpinButtonQt::step() {
    if (!isEnabled() || m_held == 0) {
        m_repeat.stop();
        return;
    }
    if (onStep) onStep(m_held);
}

class DisplayPanelQt::Client : public QWidget {
public:
    Client(const form::FrmTikandaModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    QColor background = Qt::darkCyan;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), background);
        paintDial(p, m_model, 1.0 / 15);
    }

private:
    const form::FrmTikandaModel& m_model;
};

DisplayPanelQt::DisplayPanelQt(const form::FrmTikandaModel& model, QWidget* parent)
    : QFrame(parent), m_client(new Client(model, this)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::NoFocus);
}

QWidget* DisplayPanelQt::client() const {
    return m_client;
}

void DisplayPanelQt::setBackground(const QColor& c) {
    if (m_client->background == c) return;
    m_client->background = c;
    m_client->update();
}

void DisplayPanelQt::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    m_client->setGeometry(contentsRect());
}

PictureQt::PictureQt(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void PictureQt::setImage(const QString& resource) {
    if (m_resource == resource) return;
    m_resource = resource;
    m_drawn = QPixmap();
    update();
}

void PictureQt::paintEvent(QPaintEvent*) {
    if (m_resource.isEmpty()) return;
    const qreal dpr = devicePixelRatioF();
    if (m_drawn.isNull() || m_drawn.devicePixelRatio() != dpr)
        m_drawn = drawSvg(m_resource, {}, dpr);
    if (m_drawn.isNull()) return;
    QPainter p(this);
    p.drawPixmap(0, 0, m_drawn);
}

QString imageResource(const std::string& key) {
    if (key.empty()) return {};
    return QStringLiteral(":/src/ui/windows/images/%1.svg").arg(QString::fromStdString(key));
}

namespace {
// An SVG drawn into a transparent pixmap of `size` device-independent pixels.
QPixmap render(QSvgRenderer& svg, QSize size, qreal dpr) {
    QPixmap pixmap = QPixmap::fromImage(
        svgPixels(svg, QSize(qCeil(size.width() * dpr), qCeil(size.height() * dpr))));
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

// The image as the build drew it ahead for this size and ratio; null where it did not.
QPixmap drawnAhead(const QString& resource, QSize size, qreal dpr) {
    const int scale = qRound(dpr);
    if (scale < 1 || dpr != scale) return {};
    const QResource drawn(size.isEmpty() ? drawnAheadResource(resource, {}, scale)
                                         : drawnAheadResource(resource, size * scale, 0));
    if (!drawn.isValid() || drawn.compressionAlgorithm() != QResource::NoCompression) return {};
    const QImage image = drawnAheadImage(drawn.data(), drawn.size());
    if (image.isNull() || (!size.isEmpty() && image.size() != size * scale)) return {};
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}
} // namespace

QPixmap drawSvg(const QString& resource, QSize size, qreal dpr) {
    if (QPixmap ready = drawnAhead(resource, size, dpr); !ready.isNull()) return ready;
    QSvgRenderer svg(resource);
    if (!svg.isValid()) return {};
    return render(svg, size.isEmpty() ? svg.defaultSize() : size, dpr);
}

QIcon toolIcon(const QString& resource) {
    const QPixmap pixmap = drawSvg(resource, QSize(16, 16), qApp->devicePixelRatio());
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

QIcon appIcon() {
    QIcon icon;
    for (const int side : {16, 32, 48})
        icon.addPixmap(drawSvg(imageResource("Tikanda"), QSize(side, side), 1));
    return icon;
}

int ToolbarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    switch (metric) {
    case PM_ToolBarItemSpacing:
    case PM_ToolBarItemMargin:
    case PM_ToolBarFrameWidth:
    case PM_ToolBarHandleExtent:
        return 0;
    case PM_ToolBarSeparatorExtent:
        return m_separator;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

} // namespace tikanda
