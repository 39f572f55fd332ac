#include "app/SDIMain.h"

#include "app/VelundiaApplication.h"
#include "app/WidgetHelpers.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace velundia {

namespace {
enum class Mark { None, Unchecked, Checked, RadioUnchecked };
using Handler = void (TSDIAppForm::*)(QObject*);
}  // namespace

void TSDIAppForm::createMenus() {
    // ActionList1: captions and hints belong to the actions; their shortcuts act only through
    // the menu items that carry them, since no action is put on a widget itself.
    struct ActionRow {
        QAction* TSDIAppForm::*member;
        const char* name;
        const char* caption;
        const char* shortcut;
        int picture;  // index into ImageList1, -1 none
        const char* hint;
        Handler handler;
    };
    static const ActionRow actions[] = {
        {&TSDIAppForm::FileNew1, "FileNew1", "新規作成(&N)", "Ctrl+N", 6, "新規|新規ファイルの作成",
         &TSDIAppForm::FileNew1Execute},
        {&TSDIAppForm::FileOpen1, "FileOpen1", "開く(&O)...", "Ctrl+O", 7, "開く|ファイルを開く",
         &TSDIAppForm::FileOpen1Execute},
        {&TSDIAppForm::FileSave1, "FileSave1", "上書き保存(&S)", "Ctrl+S", 8, "保存|現在のファイルを保存",
         &TSDIAppForm::FileSave1Execute},
        {&TSDIAppForm::FileSaveAs1, "FileSaveAs1", "名前をつけて保存(&A)...", nullptr, -1,
         "別名保存|現在のファイルに別の名前をつけて保存", &TSDIAppForm::FileSave1Execute},
        {&TSDIAppForm::FileExit1, "FileExit1", "終了(&X)", nullptr, -1, "終了|アプリケーション終了",
         &TSDIAppForm::FileExit1Execute},
        {&TSDIAppForm::HelpAbout1, "HelpAbout1", "バージョン情報(&A)...", nullptr, -1,
         "バージョン情報|バージョンなど固有の情報を表示", &TSDIAppForm::HelpAbout1Execute},
    };
    ActionList1 = named(new QObject(this), "ActionList1");
    for (const ActionRow& row : actions) {
        QAction* action = named(new QAction(QString::fromUtf8(row.caption), ActionList1), row.name);
        if (row.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
        if (row.picture >= 0) action->setIcon(ImageList1.value(row.picture));
        setHint(action, QString::fromUtf8(row.hint));
        connect(action, &QAction::triggered, this, [this, action, handler = row.handler] {
            VelundiaApplication::runHandler([&] { (this->*handler)(action); });
        });
        this->*row.member = action;
    }

    struct MenuRow {
        QMenu* TSDIAppForm::*member;
        const char* name;
        const char* caption;
        const char* hint;
    };
    static const MenuRow menus[] = {
        {&TSDIAppForm::File1, "File1", "&File", "ファイルに関連した機能"},
        {&TSDIAppForm::Edit1, "Edit1", "&Edit", nullptr},
        {&TSDIAppForm::Tool, "Tool", "&Tool", nullptr},
        {&TSDIAppForm::Help1, "Help1", "&Help", "ヘルプトピック"},
    };
    QMenuBar* MainMenu1 = named(menuBar(), "MainMenu1");
    MainMenu1->setFont(QApplication::font());  // the menus keep the desktop's menu font
    for (const MenuRow& row : menus) {
        QMenu* menu = named(MainMenu1->addMenu(QString::fromUtf8(row.caption)), row.name);
        if (row.hint) setHint(menu->menuAction(), QString::fromUtf8(row.hint));
        this->*row.member = menu;
    }

    // A menu item that uses an action keeps its own caption and enabled state and takes the
    // action's hint, shortcut and picture; chosen, it runs the action.
    struct ItemRow {
        QMenu* TSDIAppForm::*menu;
        QAction* TSDIAppForm::*member;
        const char* name;
        const char* caption;  // nullptr: a separator
        bool enabled;
        Mark mark;
        QAction* TSDIAppForm::*action;  // nullptr: runs handler itself
        const char* shortcut;           // own shortcut of an item without action
        int picture;
        Handler handler;
    };
    static const ItemRow items[] = {
        {&TSDIAppForm::File1, &TSDIAppForm::FileNewItem, "FileNewItem", "&New", false, Mark::None,
         &TSDIAppForm::FileNew1, nullptr, -1, nullptr},
        {&TSDIAppForm::File1, &TSDIAppForm::FileOpenItem, "FileOpenItem", "&Open", true, Mark::None,
         &TSDIAppForm::FileOpen1, nullptr, -1, nullptr},
        {&TSDIAppForm::File1, &TSDIAppForm::FileSaveItem, "FileSaveItem", "&Save", false, Mark::None,
         &TSDIAppForm::FileSave1, nullptr, -1, nullptr},
        {&TSDIAppForm::File1, &TSDIAppForm::FileSaveAsItem, "FileSaveAsItem", "Save &As", false, Mark::None,
         &TSDIAppForm::FileSaveAs1, nullptr, -1, nullptr},
        {&TSDIAppForm::File1, &TSDIAppForm::PrintECG, "PrintECG", "&Print", true, Mark::None, nullptr, "Ctrl+P", 14,
         &TSDIAppForm::PrintECGClick},
        {&TSDIAppForm::File1, &TSDIAppForm::PrintSetup1, "PrintSetup1", "Printer Setup", true, Mark::None, nullptr,
         "Ctrl+Q", -1, &TSDIAppForm::PrintSetup1Click},
        {&TSDIAppForm::File1, &TSDIAppForm::N1, "N1", nullptr, true, Mark::None, nullptr, nullptr, -1, nullptr},
        {&TSDIAppForm::File1, &TSDIAppForm::FileExitItem, "FileExitItem", "E&xit", true, Mark::None,
         &TSDIAppForm::FileExit1, nullptr, -1, nullptr},
        {&TSDIAppForm::Edit1, &TSDIAppForm::Copy1, "Copy1", "Copy", true, Mark::None, nullptr, "Ctrl+C", -1,
         &TSDIAppForm::Copy1Click},
        {&TSDIAppForm::Tool, &TSDIAppForm::Clip, "Clip", "大きい電位は上下を切る", true, Mark::RadioUnchecked, nullptr,
         nullptr, -1, &TSDIAppForm::ClipClick},
        {&TSDIAppForm::Tool, &TSDIAppForm::Move, "Move", "電位の位置を変更できるようにする", true, Mark::Unchecked,
         nullptr, nullptr, -1, &TSDIAppForm::MoveClick},
        {&TSDIAppForm::Tool, &TSDIAppForm::Br, "Br", "丸いブラシを使う（速度低下します）", true, Mark::Unchecked, nullptr,
         nullptr, -1, &TSDIAppForm::BrClick},
        {&TSDIAppForm::Tool, &TSDIAppForm::Roo, "Roo", "ルーラを表示する", true, Mark::Checked, nullptr, nullptr, -1,
         &TSDIAppForm::RooClick},
        {&TSDIAppForm::Tool, &TSDIAppForm::GBack, "GBack", "ディバイダーの数字にグレーのバック", true, Mark::Unchecked,
         nullptr, nullptr, -1, &TSDIAppForm::GBackClick},
        {&TSDIAppForm::Tool, &TSDIAppForm::Twelve, "Twelve", "１２誘導を表示する", true, Mark::Unchecked, nullptr,
         nullptr, -1, &TSDIAppForm::TwelveClick},
        {&TSDIAppForm::Tool, &TSDIAppForm::PrintLeadName, "PrintLeadName", "誘導名も印刷する", true, Mark::Checked,
         nullptr, nullptr, -1, &TSDIAppForm::PrintLeadNameClick},
        {&TSDIAppForm::Help1, &TSDIAppForm::HelpAboutItem, "HelpAboutItem", "Version(&A)...", true, Mark::None,
         &TSDIAppForm::HelpAbout1, nullptr, -1, nullptr},
    };
    ClipGroup = new QActionGroup(this);
    ClipGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const ItemRow& row : items) {
        QMenu* menu = this->*row.menu;
        QAction* item = row.caption ? menu->addAction(QString::fromUtf8(row.caption)) : menu->addSeparator();
        named(item, row.name);
        this->*row.member = item;
        if (!row.caption) continue;
        item->setEnabled(row.enabled);
        if (row.mark != Mark::None) {
            item->setCheckable(true);
            item->setChecked(row.mark == Mark::Checked);
            if (row.mark == Mark::RadioUnchecked) ClipGroup->addAction(item);
        }
        if (row.action) {
            QAction* action = this->*row.action;
            item->setShortcut(action->shortcut());
            item->setIcon(action->icon());
            item->setToolTip(action->toolTip());
            item->setStatusTip(action->statusTip());
            connect(item, &QAction::triggered, action, &QAction::trigger);
        } else {
            if (row.shortcut) item->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
            if (row.picture >= 0) item->setIcon(ImageList1.value(row.picture));
            bindMenuItem(item, row.handler);
        }
    }

    // PopupMenu1: the gain of the current lead, opened on a lead label.
    struct PopupRow {
        int step;
        Handler handler;
    };
    static const PopupRow popup[] = {
        {7, &TSDIAppForm::NN7Click}, {6, &TSDIAppForm::NN6Click}, {5, &TSDIAppForm::NN5Click},
        {4, &TSDIAppForm::NN4Click}, {3, &TSDIAppForm::NN3Click}, {2, &TSDIAppForm::NN2Click},
        {1, &TSDIAppForm::NN1Click}, {0, &TSDIAppForm::NN0Click},
    };
    PopupMenu1 = named(new QMenu(this), "PopupMenu1");
    for (const PopupRow& row : popup) {
        QAction* item = PopupMenu1->addAction(QStringLiteral("x%1").arg(1 << row.step));
        item->setObjectName(QStringLiteral("NN%1").arg(row.step));
        item->setCheckable(true);
        NN[static_cast<std::size_t>(row.step)] = item;
        bindMenuItem(item, row.handler);
    }
}

}  // namespace velundia
