#include "name_encoding_menu.h"

#include "document.h"
#include "name_text.h"
#include "settings.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

void AddNameEncodingMenu(QMenu& menu, CDocument& document, CSettings& settings) {
    const ECharset current = ParseCharset(settings.NameCharset().toStdString())
                                 .value_or(CharsetForLanguage(EnvironmentLanguage()));
    document.SetNames(current);
    menu.addSeparator();
    QMenu* sets = menu.addMenu(QCoreApplication::translate("NameEncoding", "Name Encoding"));
    auto* group = new QActionGroup(sets);
    for (const SCharset& charset : kCharsets) {
        QAction* action = sets->addAction(CharsetTitle(charset.set));
        action->setObjectName(QString::fromUtf8(charset.pszName));
        action->setCheckable(true);
        action->setChecked(charset.set == current);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &document, [&document, &settings, charset] {
            settings.SetNameCharset(QString::fromUtf8(charset.pszName));
            document.SetNames(charset.set);
        });
    }
}
