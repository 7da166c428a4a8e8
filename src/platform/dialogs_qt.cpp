#include "platform/platform_qt.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tikanda {

namespace {

QWidget* dialogParent() {
    return QApplication::activeWindow();
}

QMessageBox::Icon qtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtMessageBoxes::QtMessageBoxes(std::function<void()> beforeShow)
    : m_beforeShow(std::move(beforeShow)) {}

MsgAnswer QtMessageBoxes::show(const std::string& text, const std::string& title, MsgIcon icon,
                               MsgButtons buttons, bool defaultNo) {
    if (m_beforeShow) m_beforeShow();
    QMessageBox box(qtIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::NoButton, dialogParent());
    QPushButton* ok = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    if (buttons == MsgButtons::YesNo) {
        // Access letters as in the system's own boxes: A or N (with or without Alt) answers.
        yes = box.addButton(QStringLiteral("&Ano"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&Ne"), QMessageBox::NoRole);
        box.setDefaultButton(defaultNo ? no : yes);
        box.setEscapeButton(no);
    } else {
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    }
    box.exec();
    const auto* clicked = box.clickedButton();
    if (clicked && clicked == ok) return MsgAnswer::Ok;
    if (clicked && clicked == yes) return MsgAnswer::Yes;
    if (clicked && clicked == no) return MsgAnswer::No;
    return MsgAnswer::Cancelled;
}

std::optional<std::uint32_t> QtDialogs::chooseColour(std::uint32_t current) {
    // A system colour index (top bit set) has no RGB value of its own here: start on black.
    const QColor start =
        (current & 0x80000000u)
            ? QColor(Qt::black)
            : QColor(int(current & 0xFF), int((current >> 8) & 0xFF), int((current >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(start, dialogParent(), QStringLiteral("Barva"));
    if (!chosen.isValid()) return std::nullopt;
    return std::uint32_t(chosen.red()) | std::uint32_t(chosen.green()) << 8 |
           std::uint32_t(chosen.blue()) << 16;
}

QString fileDialogFilter(const std::string& desc, const std::string& pattern) {
    const QString patterns =
        QString::fromStdString(pattern).replace(QLatin1Char(';'), QLatin1Char(' '));
    return QString::fromStdString(desc).trimmed() + QStringLiteral(" (") + patterns +
           QLatin1Char(')');
}

std::optional<std::string> QtDialogs::openFile(const std::string& title, const std::string& desc,
                                               const std::string& pattern) {
    const QString filter = fileDialogFilter(desc, pattern);
    const QString file = QFileDialog::getOpenFileName(dialogParent(), QString::fromStdString(title),
                                                      QString(), filter);
    if (file.isEmpty()) return std::nullopt;
    return file.toStdString();
}

} // namespace tikanda
