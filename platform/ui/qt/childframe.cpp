// Child windows with menus, a toolbar and a status bar.
#include "platform/ui/qt/childframe.h"

#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "platform/ui/qt/formview.h"
#include "platform/ui/qt/toolicons.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda::ui::qt {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

ChildFrame::ChildFrame(const Window& window, FormView* form) : window_(window.id()), form_(form) {
    setCentralWidget(form);
    buildMenus(window);
    buildToolbar(window);
    buildStatusBar(window);
    for (const auto& c : window.controls()) {
        if (c->kind() == ControlKind::MenuItem || c->kind() == ControlKind::ToolButton)
            syncItem(*c);
    }
}

bool ChildFrame::wanted(const WindowDesc& desc) {
    return !desc.menus.empty() || !desc.toolbar.empty() || !desc.statusZones.empty();
}

void ChildFrame::choose(ControlId item) {
    if (Runtime* rt = Runtime::instance())
        rt->input().menu(window_, item);
}

void ChildFrame::buildMenus(const Window& window) {
    for (const MenuDesc& m : window.desc().menus) {
        QMenu* menu = menuBar()->addMenu(qs(m.text));
        for (const MenuItemDesc& item : m.items) {
            if (item.separator) {
                menu->addSeparator();
                continue;
            }
            QAction* a = menu->addAction(qs(item.text));
            a->setStatusTip(qs(item.tip));
            const ControlId n = item.number;
            connect(a, &QAction::triggered, this, [this, n] { choose(n); });
            actions_[n.value()] = a;
        }
    }
}

void ChildFrame::buildToolbar(const Window& window) {
    if (window.desc().toolbar.empty())
        return;
    toolbar_ = addToolBar(QString());
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(20, 20));
    for (const ControlDesc& item : window.desc().toolbar) {
        QAction* a = toolbar_->addAction(ToolIcons::icon(item.icon), qs(item.tip));
        a->setToolTip(qs(item.tip));
        const ControlId n = item.number;
        connect(a, &QAction::triggered, this, [this, n] { choose(n); });
        // A tool button and a menu item may share a number: the menu keeps it.
        if (!actions_.contains(n.value()))
            actions_[n.value()] = a;
    }
}

void ChildFrame::buildStatusBar(const Window& window) {
    if (window.desc().statusZones.empty())
        return;
    for (int width : window.desc().statusZones) {
        auto* label = new QLabel(this);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        if (width > 0) {
            label->setMinimumWidth(form_->units().x(width));
            statusBar()->addPermanentWidget(label);
        } else {
            statusBar()->addWidget(label, 1);
        }
        zones_.push_back(label);
    }
    for (size_t i = 0; i < zones_.size(); ++i)
        zones_[i]->setText(qs(window.status(int(i) + 1)));
}

void ChildFrame::changed(const Window& window, ControlId control, Change what) {
    if (what == Change::Status) {
        if (QLabel* label = statusZone(control.value()))
            label->setText(qs(window.status(control.value())));
        return;
    }
    if (const Control* c = window.find(control))
        syncItem(*c);
}

void ChildFrame::syncItem(const Control& c) {
    QAction* a = action(c.number());
    if (a == nullptr)
        return;
    if (c.kind() == ControlKind::MenuItem)
        a->setText(qs(c.text()));
    a->setEnabled(c.enabled());
    a->setVisible(c.visible());
    a->setCheckable(c.checked());
    a->setChecked(c.checked());
}

void ChildFrame::setBlocked(bool blocked) {
    menuBar()->setEnabled(!blocked);
    if (toolbar_ != nullptr)
        toolbar_->setEnabled(!blocked);
}

QAction* ChildFrame::action(ControlId item) const {
    const auto it = actions_.find(item.value());
    return it == actions_.end() ? nullptr : it->second;
}

QLabel* ChildFrame::statusZone(int zone) const {
    return zone >= 1 && zone <= int(zones_.size()) ? zones_[size_t(zone - 1)] : nullptr;
}

}  // namespace vorda::ui::qt
