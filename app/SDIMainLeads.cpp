// Lead selection, show and hide, per-lead gain, colour and clip width, lead arrangement.
#include "app/SDIMain.h"

#include <QAction>
#include <QCheckBox>
#include <QScrollBar>

namespace velundia {

// --- selection ---

void TSDIAppForm::CheckListBox1Click(QObject*) {}

void TSDIAppForm::CheckListBox1ClickCheck(QObject*) {}

void TSDIAppForm::LabelE1Click(QObject*) {}

void TSDIAppForm::LabelE1MouseMove(QObject*) {}

void TSDIAppForm::ComboBox1Change(QObject*) {}

void TSDIAppForm::runSelectionSteps() {}

// --- per-lead gain, colour and clip width ---

void TSDIAppForm::ScrollBar1Change(QObject*) {}

void TSDIAppForm::ScrollBar4Change(QObject*) {}

void TSDIAppForm::SpeedButton1Click(QObject*) {}

void TSDIAppForm::SpeedButton12Click(QObject*) {}

void TSDIAppForm::setGainStepFromMenu(int) {}

void TSDIAppForm::NN0Click(QObject*) { setGainStepFromMenu(0); }
void TSDIAppForm::NN1Click(QObject*) { setGainStepFromMenu(1); }
void TSDIAppForm::NN2Click(QObject*) { setGainStepFromMenu(2); }
void TSDIAppForm::NN3Click(QObject*) { setGainStepFromMenu(3); }
void TSDIAppForm::NN4Click(QObject*) { setGainStepFromMenu(4); }
void TSDIAppForm::NN5Click(QObject*) { setGainStepFromMenu(5); }
void TSDIAppForm::NN6Click(QObject*) { setGainStepFromMenu(6); }
void TSDIAppForm::NN7Click(QObject*) { setGainStepFromMenu(7); }

// --- lead arrangement (move mode) ---

void TSDIAppForm::MoveClick(QObject*) { CheckBox1->setChecked(!CheckBox1->isChecked()); }

void TSDIAppForm::CheckBox1Click(QObject*) {
    ScrollBar2->setVisible(CheckBox1->isChecked());
    flipCheck(Move);
}

void TSDIAppForm::ScrollBar2Change(QObject*) {}

void TSDIAppForm::ReorderLeadsByPosition() {}

}  // namespace velundia
