#include "Form_Edit_Test.h"

#include "core/codecs.h"
#include "core/globals.h"
#include "core/image.h"
#include "core/prompt.h"
#include "ui/host.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int Empty_Preset = 0xFF;
constexpr int Last_Step = 210;   // 108.0 MHz

// Whole 0.1 MHz steps from 87.0 MHz; the small addition makes 88.1 (held as 88.09999...) step 11.
int Steps(double mhz)
{
    return int(std::floor(mhz * 10.0 + 1e-6)) - 870;
}

} // namespace

Form_Edit_Test *Form_Edit_Test::Open()
{
    Host::Close_Open<Form_Edit_Test>();
    auto *w = new Form_Edit_Test;
    w->Form_Load();
    return w;
}

Form_Edit_Test::Form_Edit_Test(QWidget *parent)
    : QWidget(parent)
{
    Test_Open = True_Flag;
    setObjectName(QStringLiteral("Form_Edit_Test"));
    setAttribute(Qt::WA_DeleteOnClose);

    MSF_chann = new QTableWidget(Fm_Count, 2, this);
    MSF_chann->setObjectName(QStringLiteral("MSF_chann"));
    MSF_chann->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSF_chann->setSelectionMode(QAbstractItemView::SingleSelection);
    MSF_chann->setSelectionBehavior(QAbstractItemView::SelectItems);
    MSF_chann->verticalHeader()->setVisible(false);
    MSF_chann->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSF_chann->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    MSF_chann->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    MSF_chann->horizontalHeader()->setSectionsClickable(false);
    MSF_chann->installEventFilter(this);
    for (int row = 0; row < Fm_Count; ++row)
        for (int column = 0; column < 2; ++column) {
            auto *item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignCenter);
            MSF_chann->setItem(row, column, item);
        }

    // The editor lies on the grid's viewport so that it scrolls with the cell it covers.
    Text_Edit = new QLineEdit(MSF_chann->viewport());
    Text_Edit->setObjectName(QStringLiteral("Text_Edit"));
    Text_Edit->setAlignment(Qt::AlignCenter);
    Text_Edit->hide();
    Text_Edit->installEventFilter(this);

    Command_Close = new QPushButton(this);
    Command_Close->setObjectName(QStringLiteral("Command_Close"));
    Command_Help = new QPushButton(this);
    Command_Help->setObjectName(QStringLiteral("Command_Help"));
    Command_Help->setVisible(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command_Help);
    buttons->addWidget(Command_Close);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(MSF_chann);
    outer->addLayout(buttons);

    connect(MSF_chann, &QTableWidget::cellClicked, this, &Form_Edit_Test::MSF_chann_Click);
    connect(MSF_chann, &QTableWidget::currentCellChanged, this, &Form_Edit_Test::MSF_chann_LeaveCell);
    connect(Text_Edit, &QLineEdit::textChanged, this, &Form_Edit_Test::Text_Edit_Change);
    connect(Command_Close, &QPushButton::clicked, this, &Form_Edit_Test::Command_Close_Click);
    connect(Command_Help, &QPushButton::clicked, this, &Form_Edit_Test::Command_Help_Click);
}

void Form_Edit_Test::Form_Load()
{
    const QSize main = Host::Main_Size();
    const int w = main.width() / 2;
    const int h = int(main.height() / 1.3);
    const QRect frame((main.width() - w) / 2, (main.height() - h) / 10, w, h);

    for (int row = 0; row < Fm_Count; ++row)
        MSF_chann->item(row, 0)->setText(QString::number(row));

    setWindowTitle(tr("Radio Frequency"));
    Command_Close->setText(tr("Close"));
    Command_Help->setText(tr("Help"));
    // The heading is a column format: "|" separates the columns, a leading "^" centres one.
    QStringList heading;
    const QStringList columns = tr("^Radio Channel |^ Frequency (MHZ)").split(QLatin1Char('|'));
    for (QString column : columns) {
        if (column.startsWith(QLatin1Char('^')))
            column.remove(0, 1);
        heading.append(column);
    }
    MSF_chann->setHorizontalHeaderLabels(heading);

    Fm_Low = 87.0;
    Fm_High = 108.0;

    if (QMdiSubWindow *sub = Host::Show_Child(this, frame))
        connect(sub->mdiArea(), &QMdiArea::subWindowActivated, this, &Form_Edit_Test::Subwindow_Activated);
    Fill_Grid();
    Loaded = true;
}

int Form_Edit_Test::Preset_Cell(int preset, int *block)
{
    *block = preset < 16 ? Fm_Block : Fm_Block + 1;
    return preset < 16 ? preset : preset - 16;
}

void Form_Edit_Test::Fill_Grid()
{
    for (int preset = 0; preset < Fm_Count; ++preset) {
        int block;
        const int byte = Preset_Cell(preset, &block);
        const int value = Radio_Data[block][byte] & 0xFF;
        MSF_chann->item(preset, 1)->setText(value > Last_Step ? QString() : Cov_Fm2Str(value));
    }
}

void Form_Edit_Test::MSF_chann_Click(int row, int column)
{
    if (column == 1)
        Open_Editor(row);
}

void Form_Edit_Test::Open_Editor(int row)
{
    Edit_Row = row;
    Text_Edit->setGeometry(MSF_chann->visualItemRect(MSF_chann->item(row, 1)));
    Text_Edit->setText(MSF_chann->item(row, 1)->text());
    Text_Edit->show();
    Text_Edit->setFocus(Qt::OtherFocusReason);
    Text_Edit->selectAll();
}

void Form_Edit_Test::Close_Editor()
{
    Edit_Row = -1;
    // Hiding the focused editor would pass the focus on through the grid, which moves its current
    // cell; the grid takes the focus back first.
    if (Text_Edit->hasFocus())
        MSF_chann->setFocus(Qt::OtherFocusReason);
    Text_Edit->hide();
}

void Form_Edit_Test::MSF_chann_LeaveCell(int, int, int, int)
{
    // Only an open editor has something to commit: moving through the grid with the keys leaves
    // the cells as they are.
    Commit_Editor();
}

void Form_Edit_Test::Commit_Editor()
{
    if (Edit_Row < 0)
        return;
    QTableWidgetItem *cell = MSF_chann->item(Edit_Row, 1);
    const QString text = Text_Edit->text();
    Close_Editor();
    const double v = Val(text);
    if (Fm_Low <= v && v <= Fm_High) {
        // Shown as it will be stored: 88 becomes 88.0, 100 becomes 100.0.
        cell->setText(Cov_Fm2Str(Steps(v)));
    } else if (!text.trimmed().isEmpty()) {
        Prompt(tr("Over the range of FM frequency ."));
        cell->setText(QStringLiteral("87"));
    } else {
        cell->setText(QString());
    }
    Text_Edit->clear();
}

void Form_Edit_Test::Text_Edit_Change()
{
    if (Edit_Row < 0 || Text_Edit->text().size() <= 5)
        return;
    const int preset = Edit_Row;
    Prompt(tr("Over the range of FM frequency ."));
    Text_Edit->clear();
    MSF_chann->item(preset, 1)->setText(QString());
    int block;
    const int byte = Preset_Cell(preset, &block);
    Radio_Data[block][byte] = Empty_Preset;
}

void Form_Edit_Test::Text_Edit_Enter()
{
    // Enter takes the entry as a move to another cell would, and stores the grid.
    Commit_Editor();
    MSF_chann_LostFocus();
}

void Form_Edit_Test::MSF_chann_LostFocus()
{
    for (int preset = 0; preset < Fm_Count; ++preset) {
        int value = Empty_Preset;
        const QString text = MSF_chann->item(preset, 1)->text().trimmed();
        if (!text.isEmpty()) {
            const double u = Val(text);
            if (Fm_Low <= u && u <= Fm_High)
                value = qBound(0, Steps(u), Last_Step);
        }
        int block;
        const int byte = Preset_Cell(preset, &block);
        Radio_Data[block][byte] = Integer(value);
    }
}

bool Form_Edit_Test::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == MSF_chann && event->type() == QEvent::FocusOut && Loaded && !Closing) {
        MSF_chann_LostFocus();
    } else if (watched == MSF_chann && event->type() == QEvent::KeyPress) {
        // F2 or Enter opens the editor on a frequency cell, as a click does.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_F2 || key == Qt::Key_Return || key == Qt::Key_Enter)
            && MSF_chann->currentColumn() == 1) {
            Open_Editor(MSF_chann->currentRow());
            return true;
        }
    } else if (watched == Text_Edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Text_Edit_Enter();
            return true;   // taken here: passed on, it would open the editor again
        }
        if (key == Qt::Key_Escape) {
            // Escape drops the entry: the cell keeps its text.
            Close_Editor();
            Text_Edit->clear();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool Form_Edit_Test::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && isWindow() && Loaded && !Closing)
        Fill_Grid();
    return QWidget::event(event);
}

void Form_Edit_Test::Subwindow_Activated(QMdiSubWindow *sub)
{
    if (sub && sub == parentWidget() && Loaded && !Closing)
        Fill_Grid();
}

void Form_Edit_Test::Command_Close_Click()
{
    close();
}

void Form_Edit_Test::Command_Help_Click() {}

void Form_Edit_Test::closeEvent(QCloseEvent *event)
{
    // Closing takes the focus from the grid too: what it holds is stored, as on any focus loss.
    if (MSF_chann->hasFocus() && Loaded)
        MSF_chann_LostFocus();
    Closing = true;
    Test_Open = False_Flag;
    QWidget::closeEvent(event);
}
