// The toolkit's own texts in Spanish.
#include "platform/ui/qt/qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vorda::ui::qt {

bool installQtTranslation() {
    static const bool installed = [] {
        const QLocale spanish(QLocale::Spanish, QLocale::Argentina);
        QLocale::setDefault(spanish);
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(spanish, QStringLiteral("qtbase"), QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete translator;
            return false;
        }
        return QCoreApplication::installTranslator(translator);
    }();
    return installed;
}

}  // namespace vorda::ui::qt
