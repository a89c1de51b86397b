#include "app/ui/RowNavigator.h"

#include "app/ui/DataGrid.h"

#include <QHBoxLayout>
#include <QToolButton>

RowNavigator::RowNavigator(DataGrid *list, std::function<void()> moved, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DBNavigator1"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    struct Move
    {
        const char *mark;
        const char *tip;
        int (*to)(int current, int count);
    };
    static const Move moves[] = {
        {"|<", "首项", [](int, int) { return 0; }},
        {"<", "前项", [](int current, int) { return std::max(0, current - 1); }},
        {">", "后项", [](int current, int count) { return std::min(count - 1, current + 1); }},
        {">|", "末项", [](int, int count) { return count - 1; }},
    };
    for (int i = 0; i < 4; ++i) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("DBNavigator1_") + QString::number(i));
        button->setText(QString::fromUtf8(moves[i].mark));
        button->setToolTip(QString::fromUtf8(moves[i].tip));
        button->setFocusPolicy(Qt::NoFocus);
        row->addWidget(button);
        connect(button, &QToolButton::clicked, this, [list, moved, to = moves[i].to] {
            if (!list || list->rowCount() == 0)
                return;
            list->setCurrentRow(to(list->currentRow(), list->rowCount()));
            moved();
        });
    }
}
