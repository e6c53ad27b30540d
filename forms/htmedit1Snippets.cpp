#include "core/DocumentType.h"
#include "core/Snippets.h"
#include "forms/htmedit1.h"
#include "platform/Application.h"
#include "platform/Menus.h"
#include "platform/QtStrings.h"
#include "platform/TRichEdit.h"

#include <QMenu>
#include <QPushButton>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Where a button's menu pops up on a left click: a fixed screen point below the button.
constexpr QPoint popupOffset(10, 68);

// A right click on `receiver` pops up `menu` at the click, which Qt reports in the coordinates
// of `control`; the editor's menu is centred on the click.
void popUpOnRightClick(QWidget* receiver, QWidget* control, QMenu* menu,
                       bool centredOnClick = false) {
    receiver->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(receiver, &QWidget::customContextMenuRequested, menu,
                     [control, menu, centredOnClick](const QPoint& position) {
                         quillon::Application::instance().guard([&] {
                             QPoint at = control->mapToGlobal(position);
                             if (centredOnClick)
                                 at.rx() -= menu->sizeHint().width() / 2;
                             menu->popup(at);
                         });
                     });
}

} // namespace

void Thtm1::buildButtonRow() {
    QWidget* previous = re1;
    for (const quillon::ComposerButton& row : quillon::composerButtons()) {
        auto* pushButton = new QPushButton(quillon::toQString(row.caption), centralWidget());
        pushButton->setObjectName(quillon::toQString(row.name));
        pushButton->setGeometry(row.geometry.x, row.geometry.y, row.geometry.width,
                                row.geometry.height);
        if (row.snippet) {
            quillon::onEvent(pushButton, &QPushButton::clicked, this,
                             [this, snippet = &*row.snippet] { SnippetClick(*snippet); });
        }
    }
    for (std::string_view name : quillon::composerButtonTabOrder()) {
        QWidget* next = button(std::string(name).c_str());
        setTabOrder(previous, next);
        previous = next;
    }
}

void Thtm1::buildPopupMenus() {
    for (const quillon::PopupMenu& table : quillon::composerPopupMenus()) {
        auto* menu = new QMenu(this);
        menu->setObjectName(quillon::toQString(table.name));
        for (const quillon::MenuItem& row : table.items) {
            std::vector<QMenu*> path;
            const std::string name(row.name);
            const std::string caption = row.isSeparator() ? "-" : std::string(row.caption);
            QAction* menuItem =
                quillon::addMenuRow(menu, path, 0, name.c_str(), caption.c_str(), nullptr, false);
            if (row.snippet) {
                quillon::onEvent(menuItem, &QAction::triggered, this,
                                 [this, snippet = &*row.snippet] { SnippetClick(*snippet); });
            }
        }
    }
    pm1 = findChild<QMenu*>(quillon::toQString(quillon::editorPopupMenu));
    pm2 = findChild<QMenu*>(QStringLiteral("pm2"));
    pm3 = findChild<QMenu*>(QStringLiteral("pm3"));

    quillon::setContextPopup(re1, pm1);
    popUpOnRightClick(re1, re1->viewport(), pm1, true);

    for (const quillon::ComposerButton& row : quillon::composerButtons()) {
        if (row.popupMenu.empty())
            continue;
        QPushButton* pushButton = button(std::string(row.name).c_str());
        QMenu* menu = findChild<QMenu*>(quillon::toQString(row.popupMenu));
        quillon::onEvent(pushButton, &QPushButton::clicked, this,
                         [pushButton, menu] { menu->popup(pushButton->pos() + popupOffset); });
        popUpOnRightClick(pushButton, pushButton, menu);
    }
}

void Thtm1::SnippetClick(const quillon::Snippet& snippet) {
    QString value;
    switch (snippet.input) {
    case quillon::SnippetInput::None:
        break;
    case quillon::SnippetInput::Prompt:
        value = quillon::InputBox(this, quillon::toQString(quillon::promptCaption),
                                  quillon::toQString(snippet.prompt),
                                  quillon::toQString(quillon::promptDefault));
        break;
    case quillon::SnippetInput::ImageFile:
        appendImage(snippet);
        return;
    }
    appendLine(QString::fromStdString(quillon::snippetText(snippet, value.toStdString())));
}

void Thtm1::appendImage(const quillon::Snippet& snippet) {
    od1.Filter = quillon::toQString(quillon::filters::imageFilter);
    const bool chosen = od1.Execute(this);
    if (chosen)
        appendLine(
            QString::fromStdString(quillon::snippetText(snippet, od1.FileName.toStdString())));
    else
        re1->setFocus();
    od1.Filter = quillon::toQString(quillon::filters::htmlFilter);
}

void Thtm1::appendLine(const QString& line) {
    re1->Lines().Add(line);
    re1->setFocus();
}
