#include "view/drawing/ui/buttongrid.h"

#include <QGridLayout>
#include <QToolBar>
#include <QToolButton>

namespace velunto {

void addButtonGrid(QToolBar* toolbar, const std::vector<QToolButton*>& buttons)
{
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    for (int i = 0; i < int(buttons.size()); ++i) {
        QToolButton* button = buttons[size_t(i)];
        if (!button->icon().isNull())
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        grid->addWidget(button, i / 2, i % 2);
    }
    toolbar->addWidget(panel);
}

} // namespace velunto
