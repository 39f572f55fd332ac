// File, Open in the window: pages, lists, caption and page after an open; nothing changed by
// an open that fails; the warning of a short file.
#include "app/PictureBox.h"
#include "tests/gui/GuiFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace velundia::testing {
namespace {

// What the user can see of an opened file, to compare before and after an open.
struct Visible {
    QString caption;
    int gridRows;
    QStringList gridCells;
    QStringList comboItems;
    int comboIndex;
    QStringList listItems;
    QString headerValue;
    int channelCount;
    int firstSample;

    bool operator==(const Visible& o) const {
        return caption == o.caption && gridRows == o.gridRows && gridCells == o.gridCells &&
               comboItems == o.comboItems && comboIndex == o.comboIndex && listItems == o.listItems &&
               headerValue == o.headerValue && channelCount == o.channelCount && firstSample == o.firstSample;
    }
};

class OpenFileTest : public WindowTest {
protected:
    Visible visible() const {
        Visible v;
        v.caption = window->windowTitle();
        const auto* grid = child<QTableWidget>("SGChannel");
        v.gridRows = grid->rowCount();
        for (int c = 0; c < grid->columnCount(); ++c) v.gridCells << grid->model()->headerData(c, Qt::Horizontal).toString();
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c) v.gridCells << (grid->item(r, c) ? grid->item(r, c)->text() : "");
        const auto* combo = child<QComboBox>("ComboBox1");
        for (int i = 0; i < combo->count(); ++i) v.comboItems << combo->itemText(i);
        v.comboIndex = combo->currentIndex();
        const auto* list = child<QListWidget>("CheckListBox1");
        for (int i = 0; i < list->count(); ++i)
            v.listItems << list->item(i)->text() + (list->item(i)->checkState() == Qt::Checked ? "+" : "-");
        v.headerValue = child<QLabel>("Label27")->text();
        v.channelCount = window->recording().channelCount;
        v.firstSample = child<QScrollBar>("ScrollBarX")->value();
        return v;
    }
};

TEST_F(OpenFileTest, OpenFillsPagesListsAndCaptionAndShowsTheHeaderPage) {
    const QString path =
        writeFile(leadsFile({"I", "II", "III", "HRA"}, 2000, {"GREEN", "YELLOW", "CYAN", "WHITE"}), "four.dat");
    auto* pages = child<QTabWidget>("PageControl1");
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(2).center());
    ASSERT_EQ(pages->currentIndex(), 2);
    const int rebuildsBefore = window->surfaceRebuilds();

    open(path);

    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(window->windowTitle(), path);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(window->surfaceRebuilds(), rebuildsBefore);  // the page was set from code: no rebuild
    EXPECT_EQ(child<QLabel>("Label25")->text(), QStringLiteral("WAVEFORM data"));
    EXPECT_EQ(child<QLabel>("Label27")->text(), QStringLiteral("0004711-22"));
    EXPECT_EQ(child<QLabel>("Label40")->text(), QStringLiteral("   4"));
    EXPECT_EQ(child<QLabel>("Label47")->text(), QStringLiteral("STAMP Amplifier data"));
    EXPECT_TRUE(child<QProgressBar>("ProgressBar1")->isHidden());
    EXPECT_EQ(child<QProgressBar>("ProgressBar1")->maximum(), 2000);

    const auto* grid = child<QTableWidget>("SGChannel");
    ASSERT_EQ(grid->rowCount(), 4);  // with the title row, 5 rows
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("CH No."));
    EXPECT_EQ(grid->model()->headerData(7, Qt::Horizontal).toString(), QStringLiteral("COLOR"));
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(grid->item(3, 0)->text(), QStringLiteral("4"));
    EXPECT_EQ(grid->item(3, 1)->text(), QStringLiteral("HRA"));
    EXPECT_EQ(grid->item(2, 7)->text(), QStringLiteral("CYAN"));

    const Visible v = visible();
    EXPECT_EQ(v.comboItems, QStringList({"I", "II", "III", "HRA"}));
    EXPECT_EQ(v.comboIndex, 2);
    EXPECT_EQ(v.listItems, QStringList({"I+", "II+", "III-", "HRA+"}));
    EXPECT_EQ(child<QListWidget>("CheckListBox1")->currentRow(), -1);
    EXPECT_EQ(window->recording().shownCount, 3);
    EXPECT_EQ(child<QScrollBar>("ScrollBarX")->maximum(), 2000 - 620);
}

TEST_F(OpenFileTest, FewerThanThreeChannelsLeaveTheStripLeadUnselected) {
    open(writeFile(leadsFile({"I", "II", "III"}, 100), "three.dat"));
    ASSERT_EQ(child<QComboBox>("ComboBox1")->currentIndex(), 2);
    open(writeFile(leadsFile({"A", "B"}, 100), "two.dat"));
    EXPECT_EQ(child<QComboBox>("ComboBox1")->count(), 2);
    EXPECT_EQ(child<QComboBox>("ComboBox1")->currentIndex(), -1);
    EXPECT_EQ(child<QScrollBar>("ScrollBarX")->maximum(), 0);
}

TEST_F(OpenFileTest, AFailedOpenChangesNothingAndSaysWhy) {
    open(writeFile(leadsFile({"I", "II", "V1", "CS 1-2"}, 3000), "good.dat"));
    child<QScrollBar>("ScrollBarX")->setValue(700);
    const Visible before = visible();
    const int16_t sampleBefore = window->recording().sampleMatrix.at(0, 0);

    ExportFileBuilder tooMany = leadsFile({"A", "B", "C"}, 10);
    tooMany.header.exportedChannels.assign("  93");
    struct Case {
        QString path;
        const char* title;
        const char* textPart;
    };
    const Case cases[] = {
        {folder.filePath("missing.dat"), "Error", "doesn't exist"},
        {folder.path(), "Error", "doesn't exist"},  // a folder cannot be read as a file
        {writeFile(tooMany, "ninety-three.dat"), "Error", "93"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        dialogs->messages.clear();
        open(c.path);
        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_EQ(dialogs->messages[0].title, QString::fromLatin1(c.title));
        EXPECT_TRUE(dialogs->messages[0].text.contains(QString::fromLatin1(c.textPart))) << dialogs->messages[0].text.toStdString();
        EXPECT_EQ(dialogs->messages[0].icon, QMessageBox::Warning);
        EXPECT_TRUE(visible() == before);
        EXPECT_EQ(window->recording().sampleMatrix.at(0, 0), sampleBefore);
        EXPECT_TRUE(child<QProgressBar>("ProgressBar1")->isHidden());
    }
}

TEST_F(OpenFileTest, ACancelledDialogChangesNothing) {
    open(writeFile(leadsFile({"I", "II", "V1"}, 500), "good.dat"));
    const Visible before = visible();
    dialogs->openAnswer.reset();
    window->FileOpen1Execute(nullptr);
    EXPECT_TRUE(visible() == before);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(OpenFileTest, AShortFileLoadsWhatIsThereAndWarns) {
    ExportFileBuilder builder = leadsFile({"I", "II", "V1"}, 1000);
    for (auto& row : builder.samples) std::fill(row.begin(), row.end(), int16_t{77});
    const std::size_t frameBytes = 2 * 3;
    const std::size_t keep = builder.bytes().size() - 600 * frameBytes;  // 400 of 1000 frames remain
    open(writeFile(builder, "short.dat", keep));

    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, QStringLiteral("Warning"));
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("400"))) << dialogs->messages[0].text.toStdString();
    EXPECT_EQ(window->windowTitle(), folder.filePath("short.dat"));
    EXPECT_EQ(window->recording().sampleMatrix.at(1, 399), 77);
    EXPECT_EQ(window->recording().sampleMatrix.at(1, 400), 0);
    EXPECT_EQ(child<QListWidget>("CheckListBox1")->count(), 3);
}

}  // namespace
}  // namespace velundia::testing
