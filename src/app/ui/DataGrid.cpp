#include "app/ui/DataGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

// The title row, with a sort marker drawn on every column that has one.
class GridHeader : public QHeaderView
{
public:
    explicit GridHeader(DataGrid *grid) : QHeaderView(Qt::Horizontal), m_grid(grid) {}

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        painter->save();
        QHeaderView::paintSection(painter, rect, logicalIndex);
        painter->restore();
        const DataGrid::Marker marker = m_grid->marker(logicalIndex);
        if (marker == DataGrid::Marker::None)
            return;
        const int size = 4;
        const QPoint c(rect.right() - 8, rect.center().y());
        QPolygon triangle;
        if (marker == DataGrid::Marker::Ascending)
            triangle << QPoint(c.x() - size, c.y() + size / 2) << QPoint(c.x() + size, c.y() + size / 2)
                     << QPoint(c.x(), c.y() - size / 2 - 1);
        else
            triangle << QPoint(c.x() - size, c.y() - size / 2) << QPoint(c.x() + size, c.y() - size / 2)
                     << QPoint(c.x(), c.y() + size / 2 + 1);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette().color(QPalette::Dark));
        painter->drawPolygon(triangle);
        painter->restore();
    }

private:
    DataGrid *m_grid;
};

// The footer row: each column's footer drawn exactly under its column,
// following resizes, moves, hiding and horizontal scrolling.
class GridFooter : public QWidget
{
public:
    GridFooter(QTableView *view, GridModel *model, QWidget *parent) : QWidget(parent), m_view(view), m_model(model)
    {
        setFixedHeight(m_view->verticalHeader()->defaultSectionSize() + 4);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Button));
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(rect().topLeft(), rect().topRight());
        const QHeaderView *header = m_view->horizontalHeader();
        const int offset = m_view->viewport()->x();
        p.setClipRect(QRect(offset, 0, m_view->viewport()->width(), height()));
        for (int c = 0; c < m_model->columnCount(); ++c) {
            if (header->isSectionHidden(c))
                continue;
            const QRect cell(offset + header->sectionViewportPosition(c), 1, header->sectionSize(c), height() - 1);
            p.setPen(palette().color(QPalette::Midlight));
            p.drawLine(cell.topRight(), cell.bottomRight());
            const QString text = m_model->footerText(c);
            if (text.isEmpty())
                continue;
            const int alignment = m_model->column(c).alignment;
            const Qt::Alignment flags = Qt::AlignVCenter
                | (alignment == GridColumn::Right ? Qt::AlignRight
                                                  : alignment == GridColumn::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
            p.setPen(palette().color(QPalette::ButtonText));
            p.drawText(cell.adjusted(4, 0, -4, 0), flags, text);
        }
    }

private:
    QTableView *m_view;
    GridModel *m_model;
};

DataGrid::DataGrid(QWidget *parent) : QWidget(parent), m_model(new GridModel(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_view = new QTableView(this);
    m_header = new GridHeader(this);
    m_view->setHorizontalHeader(m_header);
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSortingEnabled(false);
    m_view->setWordWrap(false);
    m_view->setAlternatingRowColors(false);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 8);
    m_view->verticalHeader()->setVisible(false);
    m_header->setSectionsClickable(true);
    m_header->setSectionsMovable(true);
    m_header->setHighlightSections(false);
    m_header->setDefaultAlignment(Qt::AlignCenter);
    m_header->setMinimumSectionSize(16);
    // The current row stands out in aqua, as the office knows it.
    QPalette palette = m_view->palette();
    palette.setColor(QPalette::Highlight, QColor(0, 255, 255));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0, 255, 255));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    m_view->setPalette(palette);
    layout->addWidget(m_view);

    m_footer = new GridFooter(m_view, m_model, this);
    m_footer->setVisible(false);
    layout->addWidget(m_footer);

    auto repaintFooter = [this] { m_footer->update(); };
    connect(m_header, &QHeaderView::sectionResized, this, repaintFooter);
    connect(m_header, &QHeaderView::sectionMoved, this, repaintFooter);
    connect(m_header, &QHeaderView::geometriesChanged, this, repaintFooter);
    connect(m_view->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaintFooter);
    connect(m_model, &GridModel::footersChanged, this, repaintFooter);
    connect(m_model, &GridModel::layoutChanged, this, repaintFooter);
    connect(m_header, &QHeaderView::sectionClicked, this, &DataGrid::clickTitle);
    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            Q_EMIT rowDoubleClicked(index.row());
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { Q_EMIT currentRowChanged(current.isValid() ? current.row() : -1); });
    // Enter in a cell editor stores the value and goes on to the next cell.
    connect(m_view->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget *, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::SubmitModelCache)
                    QMetaObject::invokeMethod(this, &DataGrid::moveToNextColumn, Qt::QueuedConnection);
            });
    m_view->installEventFilter(this);
    setFocusProxy(m_view);
}

GridColumns DataGrid::columns() const
{
    GridColumns ordered;
    for (int visual = 0; visual < m_model->columnCount(); ++visual) {
        const int logical = m_header->logicalIndex(visual);
        GridColumn c = m_model->column(logical);
        c.visible = !m_header->isSectionHidden(logical);
        if (c.visible)
            c.width = m_header->sectionSize(logical);
        ordered.append(c);
    }
    return ordered;
}

void DataGrid::setColumns(const GridColumns &columns)
{
    m_markers.clear();
    m_model->setColumns(columns);
    for (int c = 0; c < columns.size(); ++c) {
        // Sections come back in designed order after a rebuild.
        const int visual = m_header->visualIndex(c);
        if (visual != c)
            m_header->moveSection(visual, c);
        m_header->resizeSection(c, columns.at(c).width);
        m_header->setSectionHidden(c, !columns.at(c).visible);
    }
    m_footer->update();
}

void DataGrid::setColumnVisible(int column, bool visible)
{
    m_header->setSectionHidden(column, !visible);
    if (visible && m_header->sectionSize(column) < m_header->minimumSectionSize())
        m_header->resizeSection(column, m_model->column(column).width);
    m_footer->update();
}

bool DataGrid::isColumnVisible(int column) const { return !m_header->isSectionHidden(column); }

int DataGrid::columnOf(const QString &field) const { return columnOfField(m_model->columns(), field); }

void DataGrid::setRows(RowSet rows)
{
    const int keep = currentRow();
    m_model->setRows(std::move(rows));
    if (m_model->rowCount() > 0)
        setCurrentRow(keep >= 0 && keep < m_model->rowCount() ? keep : 0);
}

int DataGrid::currentRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void DataGrid::setCurrentRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    int column = m_view->currentIndex().isValid() ? m_view->currentIndex().column() : 0;
    while (column < m_model->columnCount() && m_header->isSectionHidden(column))
        ++column;
    if (column >= m_model->columnCount())
        column = 0;
    const QModelIndex index = m_model->index(row, column);
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_view->scrollTo(index);
}

QList<int> DataGrid::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_view->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty() && currentRow() >= 0)
        rows.append(currentRow());
    return rows;
}

void DataGrid::setMultiSelect(bool multi)
{
    m_view->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void DataGrid::setEditable(bool editable)
{
    m_model->setEditable(editable);
    m_view->setSelectionBehavior(editable ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
    m_view->setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                           | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked
                                     : QAbstractItemView::NoEditTriggers);
}

void DataGrid::setShowFooter(bool show) { m_footer->setVisible(show); }

void DataGrid::clickTitle(int column)
{
    if (!m_model->isLoaded() || column < 0 || column >= m_model->columnCount())
        return;
    const Marker now = marker(column);
    Marker next;
    if (m_descendingFirst)
        next = now == Marker::Descending ? Marker::Ascending : Marker::Descending;
    else
        next = now == Marker::Ascending ? Marker::Descending : Marker::Ascending;
    m_markers.insert(column, next);
    m_header->viewport()->update();
    // Remarks and memos do not sort.
    if (m_model->column(column).field.toLower().contains(QStringLiteral("mem")))
        return;
    const int keep = currentRow();
    const QVariantList current = keep >= 0 ? m_model->rows().row(keep) : QVariantList();
    m_model->sortBy(column, next == Marker::Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    if (keep >= 0)
        setCurrentRow(int(m_model->rows().rows().indexOf(current)));
}

QString DataGrid::selectionText() const
{
    QStringList lines;
    const QList<int> rows = selectedRows();
    for (int r : rows) {
        QStringList cells;
        for (int visual = 0; visual < m_model->columnCount(); ++visual) {
            const int c = m_header->logicalIndex(visual);
            if (!m_header->isSectionHidden(c))
                cells.append(m_model->data(m_model->index(r, c), Qt::DisplayRole).toString());
        }
        lines.append(cells.join(QLatin1Char('\t')));
    }
    return lines.join(QLatin1Char('\n'));
}

void DataGrid::copySelection() const { QApplication::clipboard()->setText(selectionText()); }

void DataGrid::moveToNextColumn()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    int visual = m_header->visualIndex(current.column());
    for (int step = 0; step < m_model->columnCount(); ++step) {
        visual = (visual + 1) % m_model->columnCount();
        const int logical = m_header->logicalIndex(visual);
        if (!m_header->isSectionHidden(logical)) {
            m_view->setCurrentIndex(m_model->index(current.row(), logical));
            return;
        }
    }
}

bool DataGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy)) {
            copySelection();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            moveToNextColumn();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
