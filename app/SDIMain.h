#pragma once

#include "interaction/Measurement.h"
#include "interaction/Overlay.h"
#include "recording/LeadSettings.h"
#include "recording/Recording.h"
#include "view/RasterSurface.h"
#include "view/ViewControls.h"
#include "view/ViewSettings.h"

#include <QIcon>
#include <QList>
#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QObject;
class QPrinter;
class QProgressBar;
class QRadioButton;
class QScrollArea;
class QScrollBar;
class QStatusBar;
class QTabWidget;
class QTableWidget;
class QToolButton;
class QWidget;
class QActionGroup;

namespace velundia {

class ClickLabel;
class Dialogs;
class PictureBox;
class TAboutBox;

// Mouse buttons and held keys as the pointer handlers receive them.
enum class MouseButton { Left, Right, Middle };
struct ShiftState {
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
};

// The main window. It owns all state of the program and every control under its documented
// name (also its object name). Handlers are thin: read the controls, call the logic, push the
// results into the controls and call the drawing steps in their fixed order.
class TSDIAppForm : public QMainWindow {
public:
    explicit TSDIAppForm(QWidget* parent = nullptr);
    ~TSDIAppForm() override;

    // The version dialog, created after the main window; Help, Version shows it.
    void setAboutBox(TAboutBox& aboutBox) { AboutBox = &aboutBox; }

    // The dialogs and message boxes go through this seam, so tests can answer them.
    void setDialogs(std::unique_ptr<Dialogs> dialogs);
    Dialogs& dialogs() { return *dialogs_; }

    // Read access for tests and for the window's own helpers.
    const Recording& recording() const { return recording_; }
    const LeadSettings& leads() const { return leads_; }
    const ViewSettings& viewSettings() const { return settings_; }
    const MeasurementList& measurements() const { return measurements_; }
    const RasterSurface* traceSurface() const { return TraceSurface.get(); }
    const RasterSurface* overviewSurface() const { return OverviewSurface.get(); }
    const RasterSurface* overlaySurface() const { return OverlaySurface; }
    // How many times RebuildSurfaces has run since start-up.
    int surfaceRebuilds() const { return surfaceRebuilds_; }
    // The control-held settings as the renderers read them right now.
    ViewControls currentControls() const;

    // --- shell ---
    void FileNew1Execute(QObject* Sender);
    void FileOpen1Execute(QObject* Sender);
    void FileSave1Execute(QObject* Sender);
    void FileExit1Execute(QObject* Sender);
    void HelpAbout1Execute(QObject* Sender);
    void FormResize(QObject* Sender);
    void PageControl1Change(QObject* Sender);

    // --- Tool menu and its check boxes ---
    void ClipClick(QObject* Sender);
    void MoveClick(QObject* Sender);
    void BrClick(QObject* Sender);
    void RooClick(QObject* Sender);
    void GBackClick(QObject* Sender);
    void TwelveClick(QObject* Sender);
    void PrintLeadNameClick(QObject* Sender);
    void CheckBox1Click(QObject* Sender);
    void CheckBox2Click(QObject* Sender);
    void CheckBox3Click(QObject* Sender);
    void CheckBox4Click(QObject* Sender);
    void CheckBox5Click(QObject* Sender);
    void CheckBox6Click(QObject* Sender);

    // --- view ---
    void RadioButtonS1Click(QObject* Sender);
    void ScrollBar3Change(QObject* Sender);
    void ScrollBarGChange(QObject* Sender);
    void ScrollBarXChange(QObject* Sender);
    void ScrollBarE0Change(QObject* Sender);
    void PaintBox1Paint(QObject* Sender);
    void PaintBox3Paint(QObject* Sender);

    // --- divider ---
    void SpeedButtonS1Click(QObject* Sender);
    void SpeedButtonS3Click(QObject* Sender);
    void PaintBox1MouseDown(QObject* Sender, MouseButton Button, ShiftState Shift, int X, int Y);
    void PaintBox1MouseMove(QObject* Sender, ShiftState Shift, int X, int Y);
    void PaintBox1MouseUp(QObject* Sender, MouseButton Button, ShiftState Shift, int X, int Y);

    // --- leads ---
    void CheckListBox1Click(QObject* Sender);
    void CheckListBox1ClickCheck(QObject* Sender);
    void LabelE1Click(QObject* Sender);
    void LabelE1MouseMove(QObject* Sender);
    void ComboBox1Change(QObject* Sender);
    void ScrollBar1Change(QObject* Sender);
    void ScrollBar4Change(QObject* Sender);
    void ScrollBar2Change(QObject* Sender);
    void SpeedButton1Click(QObject* Sender);
    void SpeedButton12Click(QObject* Sender);
    void NN0Click(QObject* Sender);
    void NN1Click(QObject* Sender);
    void NN2Click(QObject* Sender);
    void NN3Click(QObject* Sender);
    void NN4Click(QObject* Sender);
    void NN5Click(QObject* Sender);
    void NN6Click(QObject* Sender);
    void NN7Click(QObject* Sender);

    // --- output ---
    void PrintECGClick(QObject* Sender);
    void PrintSetup1Click(QObject* Sender);
    void Copy1Click(QObject* Sender);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction of the window's parts (SDIMainMenus.cpp, SDIMainPages.cpp, SDIMainTextPages.cpp).
    void createMenus();
    void createIcecgPage(QWidget* page);
    void createCalibrationPage(QWidget* page);
    void createHeaderPage(QWidget* page);
    void createChannelPage(QWidget* page);
    void createToolStrip();
    void createLeadColumn();
    void createDrawingArea();
    void bindEvents();
    void bindMenuItem(QAction* item, void (TSDIAppForm::*handler)(QObject*));
    void applyCentralMargins();
    void dockPages(QSize windowClient);  // places the docked controls for a client size
    void setPageFromCode(int index);      // without running PageControl1Change

    // Drawing steps, always called in the order the handlers give (SDIMainView.cpp).
    void RebuildSurfaces();
    void RenderTraces();
    void RenderOverview();
    void DrawViewportFrame();
    void PlaceLeadLabels();
    void PresentOverlay();
    void FillHeaderPage();
    void ReorderLeadsByPosition();
    void PrintReport();
    void runSelectionSteps();      // the common body of CheckListBox1Click and LabelE1Click
    void setGainStepFromMenu(int step);
    void setScrollRangeX();        // maximum of ScrollBarX from the visible window
    void clearMeasurementList();   // count 0, divider idle, its caption black
    void syncDividerCaption();
    void fillChannelGrid();        // SGChannel from the channel table
    void fillLeadLists();          // ComboBox1 and CheckListBox1 from the store
    void flipCheck(QAction* item); // a Tool item's mark, flipped by its box's handler
    OverlayScene overlayScene();   // what the overlay and the divider draw on; needs the surfaces
    bool surfacesExist() const { return TraceSurface && OverviewSurface && OverlaySurface; }
    QPrinter& printer();

    // --- state: the program's module-level data ---
    Recording recording_;
    LeadSettings leads_;
    ViewSettings settings_;
    MeasurementList measurements_;
    std::unique_ptr<RasterSurface> TraceSurface;
    std::unique_ptr<RasterSurface> OverviewSurface;
    RasterSurface* OverlaySurface = nullptr;  // PaintBox1's picture, sized with the trace box
    int surfaceRebuilds_ = 0;
    bool loadingLeadControls = false;
    bool settingPageFromCode = false;  // PageControl1Change runs only for the user's picks
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<QPrinter> printer_;
    TAboutBox* AboutBox = nullptr;

    // --- menus and actions ---
    QObject* ActionList1 = nullptr;  // owns the actions; they sit on no widget, the menu items carry them
    QList<QIcon> ImageList1;
    QActionGroup* ClipGroup = nullptr;  // lets Clip show a radio mark
    QAction* FileNew1 = nullptr;
    QAction* FileOpen1 = nullptr;
    QAction* FileSave1 = nullptr;
    QAction* FileSaveAs1 = nullptr;
    QAction* FileExit1 = nullptr;
    QAction* HelpAbout1 = nullptr;
    QMenu* File1 = nullptr;
    QMenu* Edit1 = nullptr;
    QMenu* Tool = nullptr;
    QMenu* Help1 = nullptr;
    QAction* FileNewItem = nullptr;
    QAction* FileOpenItem = nullptr;
    QAction* FileSaveItem = nullptr;
    QAction* FileSaveAsItem = nullptr;
    QAction* PrintECG = nullptr;
    QAction* PrintSetup1 = nullptr;
    QAction* N1 = nullptr;
    QAction* FileExitItem = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Clip = nullptr;
    QAction* Move = nullptr;
    QAction* Br = nullptr;
    QAction* Roo = nullptr;
    QAction* GBack = nullptr;
    QAction* Twelve = nullptr;
    QAction* PrintLeadName = nullptr;
    QAction* HelpAboutItem = nullptr;
    QMenu* PopupMenu1 = nullptr;
    std::array<QAction*, 8> NN{};  // NN0 "x1" .. NN7 "x128"

    // --- client area ---
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QStatusBar* StatusBar = nullptr;

    // HEADER page
    std::array<QLabel*, 24> HeaderCaptionLabels{};  // Label1 .. Label24
    std::array<QLabel*, 24> HeaderValueLabels{};    // Label25 .. Label48
    QProgressBar* ProgressBar1 = nullptr;
    // CHANNEL DATA page
    QTableWidget* SGChannel = nullptr;

    // ICECG page
    QFrame* Panel1 = nullptr;
    QFrame* Panel19 = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel14 = nullptr;
    QFrame* Panel15 = nullptr;
    QFrame* Panel9 = nullptr;
    QFrame* Panel11 = nullptr;
    QFrame* Panel17 = nullptr;
    QFrame* Panel12 = nullptr;
    QFrame* Panel18 = nullptr;
    QFrame* Panel16 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton6 = nullptr;
    QRadioButton* RadioButton8 = nullptr;
    QRadioButton* RadioButton9 = nullptr;
    QScrollBar* ScrollBar3 = nullptr;
    QLabel* Label109 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QToolButton* SpeedButtonS1 = nullptr;
    QToolButton* SpeedButtonS3 = nullptr;
    std::array<QToolButton*, 10> ColourButtons{};  // SpeedButton1 .. SpeedButton10
    QToolButton* SpeedButton12 = nullptr;
    QCheckBox* CheckBox5 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QLabel* Label66 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label49 = nullptr;
    QLabel* Label65 = nullptr;
    QLabel* Label64 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QLabel* Label50 = nullptr;
    QScrollBar* ScrollBar4 = nullptr;
    QLabel* Label63 = nullptr;
    QListWidget* CheckListBox1 = nullptr;
    QScrollBar* ScrollBar2 = nullptr;
    std::array<ClickLabel*, 69> LabelE{};  // LabelE1 .. LabelE69 (index n - 1)
    QScrollBar* ScrollBarX = nullptr;
    PictureBox* PaintBox3 = nullptr;
    QScrollBar* ScrollBarG = nullptr;
    PictureBox* PaintBox1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    PictureBox* Image1 = nullptr;

    // ECG-caliblation page
    std::array<QLabel*, 12> CalibrationCaptions{};  // Label51 .. Label62
    std::array<QScrollBar*, 12> ScrollBarE{};       // ScrollBarE0 .. ScrollBarE11
    std::array<QLabel*, 12> LabelA{};               // LabelA0 .. LabelA11
};

}  // namespace velundia
