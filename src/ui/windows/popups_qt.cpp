#include "ui/windows/popups_qt.h"

#include "form/form_model.h"

#include <QCursor>
#include <QMenu>
#include <QTimer>
#include <map>

namespace tikanda {

QtPopupMenus::QtPopupMenus(std::function<void()> beforeShow)
    : m_beforeShow(std::move(beforeShow)) {}

form::MenuItem* QtPopupMenus::popup(form::MenuItem& menu, form::MenuItem* defaultItem) {
    if (m_beforeShow) m_beforeShow();
    QMenu popup;
    popup.setObjectName(QString::fromStdString(menu.Name));
    std::map<QAction*, form::MenuItem*> items;
    for (form::MenuItem* item : menu.Children) {
        if (!item->Visible) continue;
        if (item->Caption == "-") {
            popup.addSeparator();
            continue;
        }
        QAction* a = popup.addAction(QString::fromStdString(item->Caption));
        a->setObjectName(QString::fromStdString(item->Name));
        a->setEnabled(item->Enabled);
        if (item->Checked) {
            a->setCheckable(true);
            a->setChecked(true);
        }
        if (item == defaultItem) {
            popup.setDefaultAction(a);
            QFont bold = popup.font();
            bold.setBold(true);
            a->setFont(bold);
        }
        items[a] = item;
    }
    if (items.empty()) return nullptr;
    if (onShown) QTimer::singleShot(0, &popup, [this, &popup] { onShown(popup); });
    QAction* chosen = popup.exec(QCursor::pos());
    auto it = items.find(chosen);
    return it == items.end() ? nullptr : it->second;
}

} // namespace tikanda
