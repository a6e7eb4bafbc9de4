// HelpViewer: the program's HTML help file in a simple browser window, with
// a search field for the help's "search" entry.
#pragma once

#include <QWidget>

class QLineEdit;
class QTextBrowser;

namespace vorda::ui::qt {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows `file` (an HTML file); false when it does not exist.
    bool showFile(const QString& file);
    // Shows a short text of its own instead of a file.
    void showText(const QString& html);
    void focusSearch();
    QTextBrowser* browser() const { return browser_; }

private:
    void findNext();

    QTextBrowser* browser_;
    QLineEdit* search_;
};

}  // namespace vorda::ui::qt
