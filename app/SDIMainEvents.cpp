// Binds every control's event to the handler that serves it. The toolkit's signals are chosen
// so that each handler runs exactly when its event would: scroll bars on every change of
// position (by the user or by code), check boxes on every change of state, the combo box and
// the page control only on the user's picks, the lead list only on the user's actions.
#include "app/SDIMain.h"

#include "app/ClickLabel.h"
#include "app/PictureBox.h"
#include "app/VelundiaApplication.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>

#include <functional>

namespace velundia {

namespace {
MouseButton mouseButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton: return MouseButton::Right;
        case Qt::MiddleButton: return MouseButton::Middle;
        default: return MouseButton::Left;
    }
}

// Every handler runs at its own edge of the error display: an error leaving it is shown there,
// so it never unwinds through the toolkit's signal frames.
void guarded(const std::function<void()>& handler) { VelundiaApplication::runHandler(handler); }

ShiftState shiftState(Qt::KeyboardModifiers modifiers) {
    return ShiftState{modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::AltModifier),
                      modifiers.testFlag(Qt::ControlModifier)};
}
}  // namespace

void TSDIAppForm::bindEvents() {
    using Handler = void (TSDIAppForm::*)(QObject*);
    const auto onValue = [this](QScrollBar* bar, Handler handler) {
        connect(bar, &QScrollBar::valueChanged, this, [this, bar, handler] { guarded([&] { (this->*handler)(bar); }); });
    };
    const auto onToggle = [this](QCheckBox* box, Handler handler) {
        connect(box, &QCheckBox::toggled, this, [this, box, handler] { guarded([&] { (this->*handler)(box); }); });
    };
    const auto onClick = [this](QToolButton* button, Handler handler) {
        connect(button, &QToolButton::clicked, this, [this, button, handler] { guarded([&] { (this->*handler)(button); }); });
    };

    for (QRadioButton* sweep : {RadioButton1, RadioButton2, RadioButton6, RadioButton8, RadioButton9}) {
        connect(sweep, &QRadioButton::toggled, this, [this, sweep](bool checked) {
            if (checked) guarded([&] { RadioButtonS1Click(sweep); });
        });
    }
    onValue(ScrollBar3, &TSDIAppForm::ScrollBar3Change);
    onToggle(CheckBox1, &TSDIAppForm::CheckBox1Click);
    onToggle(CheckBox2, &TSDIAppForm::CheckBox2Click);
    onToggle(CheckBox3, &TSDIAppForm::CheckBox3Click);
    onToggle(CheckBox4, &TSDIAppForm::CheckBox4Click);
    onToggle(CheckBox5, &TSDIAppForm::CheckBox5Click);
    onToggle(CheckBox6, &TSDIAppForm::CheckBox6Click);
    onClick(SpeedButtonS1, &TSDIAppForm::SpeedButtonS1Click);
    onClick(SpeedButtonS3, &TSDIAppForm::SpeedButtonS3Click);
    for (QToolButton* colour : ColourButtons) onClick(colour, &TSDIAppForm::SpeedButton1Click);
    onClick(SpeedButton12, &TSDIAppForm::SpeedButton12Click);

    connect(ComboBox1, &QComboBox::activated, this, [this] { guarded([&] { ComboBox1Change(ComboBox1); }); });
    onValue(ScrollBar1, &TSDIAppForm::ScrollBar1Change);
    onValue(ScrollBar4, &TSDIAppForm::ScrollBar4Change);
    onValue(ScrollBar2, &TSDIAppForm::ScrollBar2Change);

    connect(CheckListBox1, &QListWidget::currentRowChanged, this,
            [this] { guarded([&] { CheckListBox1Click(CheckListBox1); }); });
    connect(CheckListBox1, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        guarded([&] {
            const int row = CheckListBox1->row(item);
            if (row != CheckListBox1->currentRow()) CheckListBox1->setCurrentRow(row);  // runs CheckListBox1Click
            CheckListBox1ClickCheck(CheckListBox1);
        });
    });
    CheckListBox1->installEventFilter(this);

    for (ClickLabel* lead : LabelE) {
        lead->onClick = [this, lead] { guarded([&] { LabelE1Click(lead); }); };
        lead->onMouseMove = [this, lead] { guarded([&] { LabelE1MouseMove(lead); }); };
        lead->onContextMenu = [this](const QPoint& at) { PopupMenu1->popup(at); };
    }

    onValue(ScrollBarX, &TSDIAppForm::ScrollBarXChange);
    onValue(ScrollBarG, &TSDIAppForm::ScrollBarGChange);
    PaintBox3->onPaint = [this] { guarded([&] { PaintBox3Paint(PaintBox3); }); };
    PaintBox1->onPaint = [this] { guarded([&] { PaintBox1Paint(PaintBox1); }); };
    PaintBox1->onMouseDown = [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
        guarded([&] { PaintBox1MouseDown(PaintBox1, mouseButton(button), shiftState(modifiers), x, y); });
    };
    PaintBox1->onMouseMove = [this](Qt::KeyboardModifiers modifiers, int x, int y) {
        guarded([&] { PaintBox1MouseMove(PaintBox1, shiftState(modifiers), x, y); });
    };
    PaintBox1->onMouseUp = [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
        guarded([&] { PaintBox1MouseUp(PaintBox1, mouseButton(button), shiftState(modifiers), x, y); });
    };
    for (QScrollBar* bar : ScrollBarE) onValue(bar, &TSDIAppForm::ScrollBarE0Change);

    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (!settingPageFromCode) guarded([&] { PageControl1Change(PageControl1); });
    });
}

}  // namespace velundia
