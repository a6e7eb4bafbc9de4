// The help window.
#include "platform/ui/qt/helpviewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vorda::ui::qt {

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)), search_(new QLineEdit(this)) {
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("Buscar:"), this));
    bar->addWidget(search_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_);
    browser_->setOpenLinks(true);
    connect(search_, &QLineEdit::returnPressed, this, &HelpViewer::findNext);
    setWindowTitle(QStringLiteral("Ayuda"));
    resize(640, 480);
}

bool HelpViewer::showFile(const QString& file) {
    if (!QFileInfo::exists(file))
        return false;
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    return true;
}

void HelpViewer::showText(const QString& html) {
    browser_->setHtml(html);
}

void HelpViewer::focusSearch() {
    search_->setFocus();
    search_->selectAll();
}

void HelpViewer::findNext() {
    if (!browser_->find(search_->text())) {
        browser_->moveCursor(QTextCursor::Start);
        browser_->find(search_->text());
    }
}

}  // namespace vorda::ui::qt
