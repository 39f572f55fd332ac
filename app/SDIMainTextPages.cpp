#include "app/SDIMain.h"

#include "app/WidgetHelpers.h"
#include "recording/ChannelTable.h"
#include "recording/HeaderPage.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QStringList>
#include <QTableWidget>

#include <algorithm>

namespace velundia {

namespace {
constexpr int HeaderRowTop = 8;       // page pixels of the first row
constexpr int HeaderRowSpacing = 16;  // page pixels between rows
constexpr int HeaderCaptionLeft = 40;
constexpr int HeaderValueLeft = 400;
constexpr int GridColumnWidth = 80;
constexpr int GridRowHeight = 24;
}  // namespace

void TSDIAppForm::createHeaderPage(QWidget* page) {
    const auto& captions = headerPageCaptions();
    for (int row = 0; row < HeaderPageRows; ++row) {
        const auto i = static_cast<std::size_t>(row);
        const int y = HeaderRowTop + HeaderRowSpacing * row;
        QLabel* caption = new QLabel(QString::fromLatin1(captions[i]), page);
        caption->setObjectName(QStringLiteral("Label%1").arg(row + 1));
        caption->move(HeaderCaptionLeft, y);
        caption->adjustSize();
        HeaderCaptionLabels[i] = caption;

        QLabel* value = new QLabel(page);
        value->setObjectName(QStringLiteral("Label%1").arg(row + 25));
        value->move(HeaderValueLeft, y);
        value->adjustSize();
        HeaderValueLabels[i] = value;
    }
    ProgressBar1 = named(new QProgressBar(page), "ProgressBar1");
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->hide();
}

// The grid's title row is its header, so it stays in view while the rows scroll; column 0
// ("CH No.") is drawn as a fixed column. All eight columns fit the page, so it never scrolls away.
void TSDIAppForm::createChannelPage(QWidget* page) {
    SGChannel = named(new QTableWidget(page), "SGChannel");
    SGChannel->setColumnCount(ChannelTableColumns);
    SGChannel->setRowCount(ChannelTableInitialRows - 1);
    SGChannel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SGChannel->setSelectionMode(QAbstractItemView::SingleSelection);
    SGChannel->setTextElideMode(Qt::ElideNone);  // a text wider than its cell is cut at the cell's edge
    SGChannel->verticalHeader()->hide();
    SGChannel->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SGChannel->verticalHeader()->setDefaultSectionSize(GridRowHeight);
    SGChannel->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SGChannel->horizontalHeader()->setDefaultSectionSize(GridColumnWidth);
    SGChannel->horizontalHeader()->setMinimumSectionSize(GridColumnWidth);
    SGChannel->horizontalHeader()->setFixedHeight(GridRowHeight);
    SGChannel->horizontalHeader()->setHighlightSections(false);
    SGChannel->horizontalHeader()->setSectionsClickable(false);
    SGChannel->setHorizontalHeaderLabels(QStringList(ChannelTableColumns, QString()));
    fillChannelGrid();
}

void TSDIAppForm::fillChannelGrid() {
    const ChannelTable& table = recording_.channelTable;
    QStringList titles;
    for (int column = 0; column < ChannelTableColumns; ++column) titles << fromFileText(table.cell(column, 0));
    SGChannel->setHorizontalHeaderLabels(titles);
    SGChannel->clearContents();
    SGChannel->setRowCount(std::max(0, table.rowCount() - 1));
    const QBrush fixedCell = palette().button();
    for (int row = 1; row < table.rowCount(); ++row) {
        for (int column = 0; column < ChannelTableColumns; ++column) {
            auto* cell = new QTableWidgetItem(fromFileText(table.cell(column, row)));
            if (column == 0) {
                cell->setFlags(Qt::ItemIsEnabled);
                cell->setBackground(fixedCell);
            } else {
                cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            SGChannel->setItem(row - 1, column, cell);
        }
    }
}

void TSDIAppForm::FillHeaderPage() {
    const auto values = headerPageValues(recording_.header);
    for (std::size_t row = 0; row < values.size(); ++row) setCaption(HeaderValueLabels[row], fromFileText(values[row]));
}

}  // namespace velundia
