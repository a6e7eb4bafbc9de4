// The frame: menus, toolbar, status bar and the MDI area.
#include "platform/ui/qt/frameview.h"

#include <QFileInfo>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "platform/ui/qt/toolicons.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda::ui::qt {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

const char* const windowEntry = "vordaWindowEntry";

}  // namespace

FrameView::FrameView(const Window& window)
    : window_(window.id()),
      units_(DialogUnits::font(window.desc().font, window.desc().fontSize, window.desc().bold)),
      mdi_(new QMdiArea(this)) {
    setFont(DialogUnits::font(window.desc().font, window.desc().fontSize, window.desc().bold));
    setWindowTitle(qs(window.caption()));
    if (!window.desc().icon.empty() && QFileInfo::exists(qs(window.desc().icon))) {
        setWindowIcon(QIcon(qs(window.desc().icon)));
    } else {
        QPixmap blank(16, 16);  // never the toolkit's own logo
        blank.fill(Qt::transparent);
        setWindowIcon(QIcon(blank));
    }
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const std::string& wallpaper = window.desc().wallpaper;
    if (!wallpaper.empty() && QFileInfo::exists(qs(wallpaper)))
        mdi_->setBackground(QBrush(QPixmap(qs(wallpaper))));
    setCentralWidget(mdi_);
    statusBar()->show();
    buildMenus(window);
    buildToolbar(window);
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (sub != nullptr && onSubWindowActivated)
            onSubWindowActivated(sub);
    });
    const Rect& at = window.desc().at;
    if (at.width > 0 && at.height > 0)
        resize(units_.x(at.width), units_.y(at.height));
    else
        resize(1000, 700);
}

void FrameView::choose(ControlId item) {
    if (Runtime* rt = Runtime::instance())
        rt->input().menu(window_, item);
}

void FrameView::buildMenus(const Window& window) {
    for (const MenuDesc& m : window.desc().menus) {
        QMenu* menu = menuBar()->addMenu(qs(m.text));
        menu->menuAction()->setStatusTip(qs(m.tip));
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
        if (m.windowList)
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { fillWindowList(menu); });
    }
}

void FrameView::buildToolbar(const Window& window) {
    if (window.desc().toolbar.empty())
        return;
    toolbar_ = addToolBar(QString());
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->layout()->setSpacing(0);
    int end = -1;
    for (const ControlDesc& item : window.desc().toolbar) {
        const int gap = end < 0 ? 0 : item.at.x - end;
        if (gap > 0) {
            auto* spacer = new QWidget(toolbar_);
            spacer->setFixedSize(units_.x(gap), 1);
            toolbar_->addWidget(spacer);
        }
        toolbar_->addWidget(toolButton(item));
        end = item.at.x + (item.at.width > 0 ? item.at.width : 16);
    }
}

QToolButton* FrameView::toolButton(const ControlDesc& item) {
    auto* button = new QToolButton(toolbar_);
    auto* a = new QAction(ToolIcons::icon(item.icon), qs(item.tip), button);
    a->setToolTip(qs(item.tip));
    a->setStatusTip(qs(item.msg.empty() ? item.tip : item.msg));
    a->setEnabled((item.flags & control::Disabled) == 0);
    button->setDefaultAction(a);
    button->setObjectName(QStringLiteral("tool%1").arg(item.number.value()));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    const int w = units_.x(item.at.width > 0 ? item.at.width : 16);
    const int h = units_.y(item.at.height > 0 ? item.at.height : 14);
    button->setFixedSize(w, h);
    button->setIconSize(QSize(w - 6, h - 6));
    const ControlId n = item.number;
    connect(a, &QAction::triggered, this, [this, n] { choose(n); });
    actions_[n.value()] = a;
    return button;
}

// The window list: the menu's own items, a separator, then one entry per
// child window; choosing one brings it to the front.
void FrameView::fillWindowList(QMenu* menu) {
    for (QAction* a : menu->actions()) {
        if (a->property(windowEntry).toBool()) {
            menu->removeAction(a);
            a->deleteLater();
        }
    }
    const QList<QMdiSubWindow*> subs = mdi_->subWindowList();
    if (subs.isEmpty())
        return;
    QAction* sep = menu->addSeparator();
    sep->setProperty(windowEntry, true);
    for (int i = 0; i < subs.size(); ++i) {
        QMdiSubWindow* sub = subs[i];
        QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(sub->windowTitle()));
        a->setProperty(windowEntry, true);
        a->setCheckable(true);
        a->setChecked(sub == mdi_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] { mdi_->setActiveSubWindow(sub); });
    }
}

void FrameView::changed(const Window& window, ControlId control, Change what) {
    if (what == Change::Caption) {
        setWindowTitle(qs(window.caption()));
        return;
    }
    const Control* c = window.find(control);
    QAction* a = action(control);
    if (what == Change::State && c != nullptr && a != nullptr) {
        a->setEnabled(c->enabled());
        a->setVisible(c->visible());
    }
}

void FrameView::setBlocked(bool blocked) {
    menuBar()->setEnabled(!blocked);
    if (toolbar_ != nullptr)
        toolbar_->setEnabled(!blocked);
}

// Minimised child windows in a row along the bottom of the MDI area.
void FrameView::arrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (!sub->isMinimized())
            continue;
        const QSize s = sub->size();
        sub->move(x, mdi_->viewport()->height() - s.height());
        x += s.width();
    }
}

QAction* FrameView::action(ControlId item) const {
    const auto it = actions_.find(item.value());
    return it == actions_.end() ? nullptr : it->second;
}

}  // namespace vorda::ui::qt
