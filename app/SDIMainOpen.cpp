#include "app/SDIMain.h"

#include "app/Dialogs.h"
#include "app/WidgetHelpers.h"
#include "interaction/OpenedFile.h"
#include "recording/ExportReader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalBlocker>

namespace velundia {

namespace {
const char* const OpenDialogFilter = "DATファイル(*.dat)|*.dat|すべてのファイル(*.*)|*.*";
constexpr int LeadListItemHeight = 16;
}  // namespace

// The file is read and checked before anything changes: a file that cannot be opened or is
// refused leaves the recording, the lists, the pages, the caption and the pictures as they were.
void TSDIAppForm::FileOpen1Execute(QObject*) {
    const std::optional<QString> chosen = dialogs_->chooseOpenFile(this, QString::fromUtf8(OpenDialogFilter));
    if (!chosen) return;
    repaint();  // the place the dialog covered, before the long read
    const QString path = *chosen;
    if (path.isEmpty()) return;

    bool reading = false;
    const ReadProgress progress = [this, &reading](int frame, int frameCount) {
        if (!reading) {
            reading = true;
            ProgressBar1->setRange(0, frameCount);
            ProgressBar1->setValue(0);
            ProgressBar1->show();
        }
        ProgressBar1->setValue(frame);
        if (ProgressBar1->isVisible()) ProgressBar1->repaint();
    };
    ReadResult result = readExportFile(QFile::encodeName(path).toStdString(), progress);
    ProgressBar1->hide();

    if (result.outcome == ReadOutcome::CannotOpen) {
        dialogs_->showMessage(this, QMessageBox::Warning, QStringLiteral("Error"), QStringLiteral("doesn't exist"));
        return;
    }
    if (!result.accepted() || !result.file) {
        dialogs_->showMessage(this, QMessageBox::Warning, QStringLiteral("Error"), QString::fromStdString(result.message));
        return;
    }

    CheckBox1->setChecked(false);  // ends move mode through its handler while the old channels are still in place
    {
        const QSignalBlocker comboBlocker(ComboBox1);
        const QSignalBlocker listBlocker(CheckListBox1);
        ComboBox1->clear();
        CheckListBox1->clear();
    }
    installExportFile(std::move(*result.file), recording_, leads_);
    fillChannelGrid();
    fillLeadLists();
    setScrollRangeX();
    ScrollBarX->setValue(0);
    CheckBox1->setChecked(false);
    setPageFromCode(0);
    setWindowTitle(path);
    // The overview lead and the list selection it gives are those fillLeadLists has set.
    ViewControls controls = currentControls();
    resetViewAfterOpen(recording_, settings_, controls, measurements_);
    syncDividerCaption();

    FillHeaderPage();
    PlaceLeadLabels();
    RenderTraces();
    RenderOverview();
    DrawViewportFrame();
    PresentOverlay();

    if (result.outcome == ReadOutcome::LoadedShort) {
        dialogs_->showMessage(this, QMessageBox::Warning, QStringLiteral("Warning"),
                              QString::fromStdString(result.message));
    }
}

// Items in channel order with the shown flags as check marks, set without running handlers;
// the strip shows the third channel, or nothing with fewer than three.
void TSDIAppForm::fillLeadLists() {
    const QSignalBlocker comboBlocker(ComboBox1);
    const QSignalBlocker listBlocker(CheckListBox1);
    ComboBox1->clear();
    CheckListBox1->clear();
    const QFontMetrics metrics = CheckListBox1->fontMetrics();
    for (int channel = 0; channel < recording_.channelCount; ++channel) {
        const QString name = fromFileText(recording_.channelTable.leadName(channel));
        ComboBox1->addItem(name);
        auto* item = new QListWidgetItem(name, CheckListBox1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(leads_.shown[static_cast<std::size_t>(channel)] ? Qt::Checked : Qt::Unchecked);
        item->setSizeHint(QSize(metrics.horizontalAdvance(name) + 2 * LeadListItemHeight, LeadListItemHeight));
    }
    ComboBox1->setCurrentIndex(recording_.channelCount >= 3 ? 2 : -1);
    CheckListBox1->setCurrentRow(-1);
}

}  // namespace velundia
