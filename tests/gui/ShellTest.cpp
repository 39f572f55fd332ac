// The shell: menus and actions, shortcuts, the version dialog, the error display.
#include "app/VelundiaApplication.h"
#include "tests/gui/GuiFixture.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace velundia::testing {
namespace {

using ShellTest = WindowTest;

TEST_F(ShellTest, MenuItemsHaveTheirCaptionsShortcutsStatesAndHints) {
    struct Case {
        const char* name;
        const char* caption;
        const char* shortcut;
        bool enabled;
        bool checkable;
        bool checked;
        const char* toolTip;    // short part of the hint
        const char* statusTip;  // long part, shown in the status bar
        bool picture;
    };
    const Case cases[] = {
        {"FileNewItem", "&New", "Ctrl+N", false, false, false, "新規", "新規ファイルの作成", true},
        {"FileOpenItem", "&Open", "Ctrl+O", true, false, false, "開く", "ファイルを開く", true},
        {"FileSaveItem", "&Save", "Ctrl+S", false, false, false, "保存", "現在のファイルを保存", true},
        {"FileSaveAsItem", "Save &As", "", false, false, false, "別名保存", "現在のファイルに別の名前をつけて保存", false},
        {"PrintECG", "&Print", "Ctrl+P", true, false, false, "", "", true},
        {"PrintSetup1", "Printer Setup", "Ctrl+Q", true, false, false, "", "", false},
        {"FileExitItem", "E&xit", "", true, false, false, "終了", "アプリケーション終了", false},
        {"Copy1", "Copy", "Ctrl+C", true, false, false, "", "", false},
        {"Clip", "大きい電位は上下を切る", "", true, true, false, "", "", false},
        {"Move", "電位の位置を変更できるようにする", "", true, true, false, "", "", false},
        {"Br", "丸いブラシを使う（速度低下します）", "", true, true, false, "", "", false},
        {"Roo", "ルーラを表示する", "", true, true, true, "", "", false},
        {"GBack", "ディバイダーの数字にグレーのバック", "", true, true, false, "", "", false},
        {"Twelve", "１２誘導を表示する", "", true, true, false, "", "", false},
        {"PrintLeadName", "誘導名も印刷する", "", true, true, true, "", "", false},
        {"HelpAboutItem", "Version(&A)...", "", true, false, false, "バージョン情報", "バージョンなど固有の情報を表示", false},
        {"NN7", "x128", "", true, true, false, "", "", false},
        {"NN4", "x16", "", true, true, false, "", "", false},
        {"NN0", "x1", "", true, true, false, "", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QAction* item = child<QAction>(c.name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(item->shortcut(), QKeySequence(QString::fromLatin1(c.shortcut)));
        EXPECT_EQ(item->isEnabled(), c.enabled);
        EXPECT_EQ(item->isCheckable(), c.checkable);
        EXPECT_EQ(item->isChecked(), c.checked);
        if (*c.statusTip) {
            EXPECT_EQ(item->toolTip(), QString::fromUtf8(c.toolTip));
            EXPECT_EQ(item->statusTip(), QString::fromUtf8(c.statusTip));
        }
        EXPECT_EQ(!item->icon().isNull(), c.picture);
    }
    // Clip shows a radio mark: it belongs to an exclusive group.
    ASSERT_NE(child<QAction>("Clip")->actionGroup(), nullptr);
    EXPECT_TRUE(child<QAction>("Clip")->actionGroup()->isExclusive());
}

TEST_F(ShellTest, MenusAndActionsStandWhereTheMenuTableSaysAndActionsSitOnNoWidget) {
    const QStringList menus = {"&File", "&Edit", "&Tool", "&Help"};
    QStringList shown;
    for (QAction* menu : window->menuBar()->actions()) shown << menu->text();
    EXPECT_EQ(shown, menus);
    const QStringList fileItems = {"&New", "&Open", "&Save", "Save &As", "&Print", "Printer Setup", "", "E&xit"};
    QStringList items;
    for (QAction* item : child<QMenu>("File1")->actions()) items << item->text();
    EXPECT_EQ(items, fileItems);
    EXPECT_EQ(child<QMenu>("File1")->menuAction()->statusTip(), QString::fromUtf8("ファイルに関連した機能"));

    struct ActionCase {
        const char* name;
        const char* caption;
    };
    const ActionCase actions[] = {{"FileNew1", "新規作成(&N)"},     {"FileOpen1", "開く(&O)..."},
                                  {"FileSave1", "上書き保存(&S)"},  {"FileSaveAs1", "名前をつけて保存(&A)..."},
                                  {"FileExit1", "終了(&X)"},         {"HelpAbout1", "バージョン情報(&A)..."}};
    for (const ActionCase& a : actions) {
        SCOPED_TRACE(a.name);
        const QAction* action = child<QAction>(a.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromUtf8(a.caption));
        EXPECT_TRUE(action->associatedObjects().isEmpty());  // so its shortcut never fires twice
    }
    QStringList popup;
    for (QAction* item : child<QMenu>("PopupMenu1")->actions()) popup << item->text();
    EXPECT_EQ(popup, QStringList({"x128", "x64", "x32", "x16", "x8", "x4", "x2", "x1"}));
}

TEST_F(ShellTest, ShortcutsOfTheDisabledItemsDoNothingAndCtrlOOpensTheDialogOnce) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(dialogs->saveCalls, 0);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs->openCalls, 1);
    EXPECT_EQ(dialogs->openFilter, QString::fromUtf8("DATファイル(*.dat)|*.dat|すべてのファイル(*.*)|*.*"));
    // The cancelled dialog changed nothing.
    EXPECT_EQ(window->windowTitle(), QStringLiteral("VELUNDIA"));
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(ShellTest, SaveShowsItsDialogAndIgnoresTheAnswer) {
    window->FileSave1Execute(nullptr);
    EXPECT_EQ(dialogs->saveCalls, 1);
    EXPECT_EQ(dialogs->saveFilter, QString::fromUtf8("すべてのファイル(*.*)|*.*"));
}

TEST_F(ShellTest, ExitClosesTheWindowWithoutAsking) {
    child<QAction>("FileExitItem")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST(DialogFilter, PairsBecomeQtFilterEntries) {
    EXPECT_EQ(qtFilterFromPairs(QString::fromUtf8("DATファイル(*.dat)|*.dat|すべてのファイル(*.*)|*.*")),
              QString::fromUtf8("DATファイル(*.dat);;すべてのファイル(*.*)"));
    EXPECT_EQ(qtFilterFromPairs(QStringLiteral("Text|*.txt;*.log")), QStringLiteral("Text (*.txt *.log)"));
}

TEST_F(ShellTest, VersionDialogShowsNameAndVersionAndClosesOnOkEveryTime) {
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Version Info."));
    EXPECT_EQ(about->size(), QSize(298, 218));
    EXPECT_EQ(about->findChild<QLabel*>("ProductName")->text(), QStringLiteral("VELUNDIA"));
    EXPECT_EQ(about->findChild<QLabel*>("Version")->text(), QStringLiteral("Version 1.03"));
    EXPECT_FALSE(about->findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
    for (int round = 0; round < 2; ++round) {
        bool wasShown = false;
        QTimer::singleShot(0, about.get(), [&] {
            wasShown = about->isVisible() && about->isModal();
            QPushButton* ok = about->findChild<QPushButton*>("OKButton");
            ASSERT_NE(ok, nullptr);
            EXPECT_TRUE(ok->isDefault());
            ok->click();
        });
        child<QAction>("HelpAboutItem")->trigger();
        EXPECT_TRUE(wasShown);
        EXPECT_FALSE(about->isVisible());
        EXPECT_EQ(about->result(), QDialog::Accepted);
    }
}

// An object whose every event fails, as a handler would with an error escaping it.
class FailingObject : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("disk on fire"); }
};

TEST(Application, AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn) {
    auto* application = static_cast<VelundiaApplication*>(QCoreApplication::instance());
    const auto previous = application->showError;
    QStringList shown;
    application->showError = [&](const QString& text) { shown << text; };
    FailingObject failing;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&failing, &event));
    QCoreApplication::sendEvent(&failing, &event);
    application->showError = previous;
    EXPECT_EQ(shown, QStringList({"disk on fire", "disk on fire"}));
}

}  // namespace
}  // namespace velundia::testing
