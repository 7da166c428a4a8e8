#pragma once
// The start-up box: a small framed window without a title, centred, not in the taskbar,
// with one centred label.

#include "form/form_windows.h"

#include <QWidget>

class QLabel;

namespace tikanda {

class SplashWindowQt : public QWidget {
public:
    explicit SplashWindowQt(const form::FrmSplashModel& model);
    // Shows, hides and relabels the box as the model says.
    void sync();
    QLabel* label() const { return m_label; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const form::FrmSplashModel& m_model;
    QLabel* m_label;
};

} // namespace tikanda
