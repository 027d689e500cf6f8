#include "toolkit/platform/qt/QtMenuPlatform.h"

#include <QAction>
#include <QMenu>

#include "toolkit/platform/qt/QtWindowPlatform.h"

template <typename F>
void QtMenuPlatform::ForItems(vMenuHandle menu, int id, F&& f) {
    QMenu* target = _windows->MenuOf(menu);
    if (target == nullptr) {
        return;
    }
    for (QAction* action : target->actions()) {
        if (action->menu() == nullptr && !action->isSeparator() && action->data().toInt() == id) {
            f(action);
        }
    }
}

void QtMenuPlatform::SetMenuItemChecked(vMenuHandle menu, int id, bool on) {
    ForItems(menu, id, [on](QAction* action) {
        action->setCheckable(on || action->isCheckable());
        action->setChecked(on);
    });
}

void QtMenuPlatform::SetMenuItemEnabled(vMenuHandle menu, int id, bool on) {
    ForItems(menu, id, [on](QAction* action) { action->setEnabled(on); });
}

void QtMenuPlatform::SetMenuItemText(vMenuHandle menu, int id, const char* text) {
    const QString label = QString::fromLocal8Bit(text != nullptr ? text : "");
    ForItems(menu, id, [&label](QAction* action) { action->setText(label); });
}
