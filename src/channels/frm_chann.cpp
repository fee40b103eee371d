#include "frm_chann.h"

#include "Form_Chann_Edit.h"
#include "chann_freq.h"
#include "key_ascii.h"

#include "files/Form_open_chann.h"
#include "files/Form_save_chann.h"

#include "core/codecs.h"
#include "core/globals.h"
#include "core/image.h"
#include "core/prompt.h"
#include "ui/host.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <functional>

using namespace Chann_Freq;

namespace {

constexpr int Grid_Rows = 129;   // row 0 is the header row, row n is channel n
constexpr int Grid_Cols = 8;

// The grid reports keyboard moves once they are complete (the window treats them like a click on the
// new cell) and never jumps to a cell because the user typed its first letters.
class Chann_Grid : public QTableWidget
{
public:
    using QTableWidget::QTableWidget;
    std::function<void()> key_moved;

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        const QModelIndex before = currentIndex();
        if ((e->key() == Qt::Key_F2 || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
            && !(e->modifiers() & ~Qt::KeypadModifier)) {
            // F2 or Enter on the grid opens the editor of the current cell, as a click would
            e->accept();
            if (key_moved)
                key_moved();
            return;
        }
        QTableWidget::keyPressEvent(e);
        if (currentIndex() != before && key_moved)
            key_moved();
    }
    void keyboardSearch(const QString &) override {}
};

// Every change of the current cell, by the user or the program, passes here: the cell being left is
// handed to the window before the cursor moves.
class Leave_Model : public QItemSelectionModel
{
public:
    Leave_Model(QAbstractItemModel *model, QObject *parent, std::function<void(int, int)> leave)
        : QItemSelectionModel(model, parent), leave(std::move(leave))
    {
    }

    void setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags command) override
    {
        if (index.isValid() && index.row() == 0)
            return;   // the header row never holds the cursor
        const QModelIndex old = currentIndex();
        if (old.isValid() && index != old && !leaving) {
            leaving = true;
            leave(old.row(), old.column());
            leaving = false;
        }
        QItemSelectionModel::setCurrentIndex(index, command);
    }

private:
    std::function<void(int, int)> leave;
    bool leaving = false;
};

// Sets a flag for the life of a scope and restores it afterwards (handlers nest).
class Flag_Guard
{
public:
    explicit Flag_Guard(bool &flag) : flag(flag), old(flag) { flag = true; }
    ~Flag_Guard() { flag = old; }
    Flag_Guard(const Flag_Guard &) = delete;
    Flag_Guard &operator=(const Flag_Guard &) = delete;

private:
    bool &flag;
    bool old;
};

} // namespace

frm_chann *frm_chann::Open()
{
    Host::Close_Open<frm_chann>();
    auto *w = new frm_chann;
    w->Form_Load();
    return w;
}

frm_chann::frm_chann(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frm_chann"));
    setAttribute(Qt::WA_DeleteOnClose);
    Chann_Open = True_Flag;

    auto *grid = new Chann_Grid(Grid_Rows, Grid_Cols, this);
    MSF_chann = grid;
    MSF_chann->setObjectName(QStringLiteral("MSF_chann"));
    QItemSelectionModel *plain = MSF_chann->selectionModel();
    MSF_chann->setSelectionModel(new Leave_Model(MSF_chann->model(), MSF_chann,
                                                 [this](int r, int c) { MSF_chann_LeaveCell(r, c); }));
    delete plain;
    grid->key_moved = [this] { MSF_chann_Click(); };

    MSF_chann->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSF_chann->setSelectionMode(QAbstractItemView::SingleSelection);
    MSF_chann->setSelectionBehavior(QAbstractItemView::SelectItems);
    MSF_chann->setWordWrap(false);
    MSF_chann->setCornerButtonEnabled(false);
    MSF_chann->verticalHeader()->hide();
    MSF_chann->horizontalHeader()->setHighlightSections(false);
    MSF_chann->horizontalHeader()->setSectionsClickable(false);
    for (int r = 0; r < Grid_Rows; ++r) {
        for (int c = 0; c < Grid_Cols; ++c) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(r == 0 ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            MSF_chann->setItem(r, c, item);
        }
    }
    // Row 0 carries the header texts; the view's own header shows them and stays in place on scroll.
    MSF_chann->setRowHidden(0, true);
    MSF_chann->setCurrentCell(1, 0);

    Text_Edit = new QLineEdit(MSF_chann->viewport());
    Text_Edit->setObjectName(QStringLiteral("Text_Edit"));
    Text_Edit->hide();
    Text_Edit->installEventFilter(this);

    Combo_edit = new QComboBox(MSF_chann->viewport());
    Combo_edit->setObjectName(QStringLiteral("Combo_edit"));
    Combo_edit->setEditable(true);
    Combo_edit->setInsertPolicy(QComboBox::NoInsert);
    Combo_edit->setCompleter(nullptr);
    Combo_edit->setMaxVisibleItems(20);
    Combo_edit->hide();
    Combo_edit->installEventFilter(this);
    Combo_Height = Combo_edit->sizeHint().height();

    MSF_chann->verticalHeader()->setMinimumSectionSize(qMin(Combo_Height, Text_Edit->sizeHint().height()));
    MSF_chann->verticalHeader()->setDefaultSectionSize(Combo_Height);
    MSF_chann->viewport()->installEventFilter(this);

    Command_Clear = new QPushButton(this);
    Command_Clear->setObjectName(QStringLiteral("Command_Clear"));
    Command_Edit = new QPushButton(this);
    Command_Edit->setObjectName(QStringLiteral("Command_Edit"));
    Command_Close = new QPushButton(this);
    Command_Close->setObjectName(QStringLiteral("Command_Close"));
    Command_Help = new QPushButton(this);
    Command_Help->setObjectName(QStringLiteral("Command_Help"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command_Clear);
    buttons->addWidget(Command_Edit);
    buttons->addStretch();
    buttons->addWidget(Command_Help);
    buttons->addWidget(Command_Close);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(MSF_chann, 1);
    outer->addLayout(buttons);

    connect(MSF_chann, &QTableWidget::cellPressed, this, &frm_chann::MSF_chann_Click);
    connect(MSF_chann->verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &frm_chann::MSF_chann_Scroll);
    connect(MSF_chann->horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &frm_chann::MSF_chann_Scroll);
    // However the cells move (scroll, column or row resize), an open editor stays over its cell.
    connect(MSF_chann->verticalScrollBar(), &QAbstractSlider::valueChanged, this, &frm_chann::Place_Editors);
    connect(MSF_chann->horizontalScrollBar(), &QAbstractSlider::valueChanged, this,
            &frm_chann::Place_Editors);
    connect(MSF_chann->horizontalHeader(), &QHeaderView::sectionResized, this, &frm_chann::Place_Editors);
    connect(MSF_chann->verticalHeader(), &QHeaderView::sectionResized, this, &frm_chann::Place_Editors);

    connect(Combo_edit->lineEdit(), &QLineEdit::textEdited, this, &frm_chann::Combo_edit_Change);
    connect(Combo_edit, &QComboBox::activated, this, &frm_chann::Combo_edit_Click);
    connect(Command_Clear, &QPushButton::clicked, this, &frm_chann::Command_Clear_Click);
    connect(Command_Edit, &QPushButton::clicked, this, &frm_chann::Command_Edit_Click);
    connect(Command_Close, &QPushButton::clicked, this, &frm_chann::Command_Close_Click);
    connect(Command_Help, &QPushButton::clicked, this, &frm_chann::Command_Help_Click);
}

void frm_chann::Form_Load()
{
    // Header texts and column widths come from one format string per language: "|" separates the
    // columns, "^" centres a header, and a column is as wide as its header text (the blanks in
    // " TX Power " widen it), never narrower than its editor needs to show a value.
    const QString format = tr("^Channel|^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|"
                              "^ TX Power |^  W/N  |^  Name  ");
    const QStringList heads = format.split(QLatin1Char('|'));
    const QFontMetrics head_fm = MSF_chann->horizontalHeader()->fontMetrics();
    const QFontMetrics cell_fm = MSF_chann->fontMetrics();
    const int pad = 2 * MSF_chann->style()->pixelMetric(QStyle::PM_HeaderMargin) + 12;

    Tone_Items.clear();
    Tone_Items.append(tr("OFF"));
    for (int e = 1; e <= Tone_Last; ++e)
        Tone_Items.append(Tone_List[e].trimmed());
    Power_Items = QStringList{tr("Low"), tr("Mid"), tr("High")};
    Bw_Items = QStringList{tr("Narrow"), tr("Wide")};

    const auto widest = [&cell_fm](const QStringList &texts) {
        int w = 0;
        for (const QString &t : texts)
            w = qMax(w, cell_fm.horizontalAdvance(t));
        return w;
    };
    const int combo_extra = 44;   // frame and drop-down arrow
    const int content[Grid_Cols] = {
        cell_fm.horizontalAdvance(QStringLiteral("128")) + 12,
        cell_fm.horizontalAdvance(QStringLiteral("000.000000")) + 16,
        cell_fm.horizontalAdvance(QStringLiteral("000.000000")) + 16,
        widest(Tone_Items) + combo_extra,
        widest(Tone_Items) + combo_extra,
        widest(Power_Items) + combo_extra,
        widest(Bw_Items) + combo_extra,
        cell_fm.horizontalAdvance(QStringLiteral("WWWWW")) + 16,
    };
    for (int c = 0; c < Grid_Cols; ++c) {
        QString head = heads.value(c);
        Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
        if (head.startsWith(QLatin1Char('^'))) {
            head.remove(0, 1);
            align = Qt::AlignCenter;
        }
        auto *h = new QTableWidgetItem(head);
        h->setTextAlignment(align);
        MSF_chann->setHorizontalHeaderItem(c, h);
        MSF_chann->item(0, c)->setText(head);
        MSF_chann->setColumnWidth(c, qMax(head_fm.horizontalAdvance(head) + pad, content[c]));
    }

    Command_Clear->setText(tr("Clear"));
    Command_Close->setText(tr("Close"));
    Command_Edit->setText(tr("Channel Edit"));
    Command_Help->setText(tr("Help"));

    const QSize main = Host::Main_Size();
    const QSize inner = Host::Inner_Size();
    const int w = int(main.width() / 1.2);
    const int h = int(main.height() / 1.3);
    const int top = qMax(0, (inner.height() - h) / 8);
    const int left = qMax(0, (inner.width() - w) / 2);
    Frame = Host::Show_Child(this, QRect(left, top, w, h));
    if (Frame)
        connect(Frame, &QMdiSubWindow::aboutToActivate, this, &frm_chann::Form_Activate);

    Text_Edit->hide();
    for (int n = 1; n <= Chann_Count; ++n)
        Set_Cell(n, 0, QString::number(n));
    Cur_Chann = 1;
    Redraw_All();
    Set_Caption();
    MSF_chann->setFocus();
}

// ---------------------------------------------------------------------------------------------
// Drawing

QString frm_chann::Cell(int row, int col) const
{
    const QTableWidgetItem *item = MSF_chann->item(row, col);
    return item ? item->text() : QString();
}

void frm_chann::Set_Cell(int row, int col, const QString &text)
{
    if (QTableWidgetItem *item = MSF_chann->item(row, col))
        item->setText(text);   // an unchanged text costs nothing: the item ignores it
}

int frm_chann::Cur_Row() const
{
    return MSF_chann->currentRow();
}

int frm_chann::Cur_Col() const
{
    return MSF_chann->currentColumn();
}

void frm_chann::Fill_Chann_Row(int n)
{
    if (n < 1 || n > Chann_Count)
        return;
    const Integer *b = Radio_Data[n];
    if (b[0] == 0xFF) {
        Set_Cell(n, 1, QString());
        Set_Cell(n, 2, QString());
        Clear_Chann(n);
        return;
    }

    // A tone pair that selects no entry leaves the cell's previous text.
    const auto tone_text = [this](int type, int index) {
        const int entry = Cov_Code2Tone(type, index);
        if (entry < 0)
            return QString();
        return entry == 0 ? tr("OFF") : Tone_List[entry];
    };

    Set_Cell(n, 1, Cov_Bcd2Freq(b[0], b[1], b[2], b[3]));

    const QString decode = tone_text(b[8], b[9]);
    if (!decode.isNull())
        Set_Cell(n, 3, decode);

    Set_Cell(n, 2, Tx_Display_Text(Tx_Steps(n)));

    const QString encode = tone_text(b[10], b[11]);
    if (!encode.isNull())
        Set_Cell(n, 4, encode);

    switch (b[12] & 3) {
    case 0: Set_Cell(n, 5, tr("Low")); break;
    case 1: Set_Cell(n, 5, tr("Mid")); break;
    case 2: Set_Cell(n, 5, tr("High")); break;
    default: break;   // no such power: the cell keeps what it showed
    }
    Set_Cell(n, 6, (b[13] & 0x20) ? tr("Wide") : tr("Narrow"));

    for (int i = 0; i < 640; ++i)
        Name_Buf[i] = Integer(Name_Byte(i));
    QString name;
    const int base = (n - 1) * Name_Len;
    for (int k = 0; k < Name_Len; ++k)
        name += Cov_Code2Char(Name_Buf[base + k]);
    Set_Cell(n, 7, name);
}

void frm_chann::Clear_Chann(int n)
{
    if (n < 1 || n > Chann_Count)
        return;
    for (int c = 3; c <= 7; ++c)
        Set_Cell(n, c, QString());
    for (int i = 0; i < Block_Bytes; ++i)
        Radio_Data[n][i] = 0xFF;
}

void frm_chann::Set_Chann_Default(int n)
{
    if (n < 1 || n > Chann_Count)
        return;
    static const int defaults[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x20, 0xFF, 0xFF};
    for (int i = 0; i < 8; ++i)
        Radio_Data[n][8 + i] = Integer(defaults[i]);
}

void frm_chann::Redraw_All()
{
    for (int n = 1; n <= Chann_Count; ++n)
        Fill_Chann_Row(n);
}

void frm_chann::Set_Caption()
{
    setWindowTitle(tr("Channel Information [ Channel - ") + Num_Text(Cur_Chann) + QStringLiteral(" ]"));
}

void frm_chann::Update_Caption()
{
    if (frm_chann *w = Host::Find<frm_chann>())
        w->Set_Caption();
}

// ---------------------------------------------------------------------------------------------
// Editors

void frm_chann::Show_Editor()
{
    const int r = Cur_Row();
    const int c = Cur_Col();
    Edit_Row = r;
    Edit_Col = c;
    Old_Text = Cell(r, c);
    if (r < 1 || r > Chann_Count)
        return;

    const auto open_text = [this, r, c] {
        Open_Row = r;
        Open_Col = c;
        Text_Edit->setGeometry(MSF_chann->visualItemRect(MSF_chann->item(r, c)));
        Text_Edit->show();
        Text_Edit->setText(Cell(r, c));
        // Typing replaces the value, as in any spreadsheet; the key rules count what would remain.
        Text_Edit->selectAll();
        Text_Edit->setFocus();
    };

    if (c == 1 || c == 2) {
        Hide_Editor(Combo_edit);
        open_text();
        return;
    }
    if (Cell(r, 1).trimmed().isEmpty())
        return;   // an empty channel has nothing to choose or name yet

    if (c >= 3 && c <= 6) {
        Hide_Editor(Text_Edit);
        Open_Row = r;
        Open_Col = c;
        const QRect cell = MSF_chann->visualItemRect(MSF_chann->item(r, c));
        Combo_edit->setGeometry(cell.x(), cell.y(), cell.width(), Combo_Height);
        Combo_edit->show();
        Combo_edit->setEditText(Cell(r, c));
        Combo_edit->setFocus();
        // The position of an item is its code: tone entry, power code or bandwidth bit.
        const int kind = c <= 4 ? 1 : c - 3;   // 1 tones, 2 power, 3 bandwidth
        if (Combo_Kind != kind) {
            Combo_edit->clear();
            Combo_edit->addItems(kind == 1 ? Tone_Items : kind == 2 ? Power_Items : Bw_Items);
            Combo_Kind = kind;
        }
        // The list starts at the shown value, so the arrow keys step on from there.
        const int at = Combo_edit->findText(Cell(r, c).trimmed(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (at >= 0)
            Combo_edit->setCurrentIndex(at);
        Combo_edit->setEditText(Cell(r, c));
        Old_Text = Combo_edit->currentText();
    } else if (c == 7) {
        Hide_Editor(Combo_edit);
        open_text();
    }
}

void frm_chann::Place_Editors()
{
    if (Open_Row < 1 || Open_Col < 0)
        return;
    const QRect cell = MSF_chann->visualItemRect(MSF_chann->item(Open_Row, Open_Col));
    if (!Text_Edit->isHidden())
        Text_Edit->setGeometry(cell);
    if (!Combo_edit->isHidden())
        Combo_edit->setGeometry(cell.x(), cell.y(), cell.width(), Combo_Height);
}

void frm_chann::Hide_Editor(QWidget *editor)
{
    // A focused widget that is hidden hands the focus on to the next one, and the grid takes that
    // as Tab, a move to the next cell. The focus goes back to the grid first.
    Flag_Guard busy(Busy);
    if (editor->hasFocus())
        MSF_chann->setFocus();
    editor->hide();
}

void frm_chann::Close_Editors()
{
    Hide_Editor(Text_Edit);
    Hide_Editor(Combo_edit);
    Text_Edit->clear();
    Combo_edit->setEditText(QString());
    Open_Row = -1;
    Open_Col = -1;
}

void frm_chann::Move_Cell(int row, int col)
{
    MSF_chann->setCurrentCell(row, col);
}

// ---------------------------------------------------------------------------------------------
// Commits

QString frm_chann::Normalize_Freq_Text(const QString &t)
{
    const double v = Val(t);
    QString s = t;
    int width;
    if (v >= 100) {
        if (s.size() == 3)
            s += QStringLiteral(".0");
        width = 9;
    } else {
        if (s.size() == 2)
            s += QStringLiteral(".0");
        width = 8;
    }
    while (s.size() < width)
        s += QLatin1Char('0');
    return s;
}

QString frm_chann::Checked_Freq_Text(const QString &t, const QString &warning)
{
    // A value outside the band is replaced by the lower band limit, after the warning. The
    // completed text must also read back as the in-band frequency it stands for; one that does not
    // (blanks counted into its length, an exponent, a leading zero) is refused the same way.
    QString s = In_Band(Val(t)) ? Normalize_Freq_Text(t) : QString();
    if (s.isEmpty() || !Storable(s)) {
        Prompt(warning);
        s = Band_Low_Text();
        Text_Edit->setText(s);
    }
    return s;
}

void frm_chann::Commit_Rx(const QString &t, int n)
{
    if (n < 1 || n > Chann_Count)
        return;
    Flag_Guard busy(Busy);
    const QString warning = tr("Over the range of receive frequency .");
    if (!In_Band(Val(t)) && t.trimmed().isEmpty()) {
        // A blank receive frequency deletes the channel; its name stays for a later channel.
        Set_Cell(n, 1, QString());
        Set_Cell(n, 2, QString());
        Clear_Chann(n);
        return;
    }
    QString s = Checked_Freq_Text(t, warning);
    Set_Cell(n, 1, s);

    if (Radio_Data[n][Ch_Rx] == 0xFF) {
        Put_Freq(s, n, Ch_Rx);
        for (int i = Ch_Offset; i < Ch_Offset + 4; ++i)
            Radio_Data[n][i] = 0x00;
        Set_Chann_Default(n);
    } else {
        // The channel keeps its transmit frequency, not its offset. Should the row not show it
        // yet, the record says what it is.
        QString tx = Cell(n, 2);
        if (tx.trimmed().isEmpty())
            tx = Steps_Text(Tx_Steps(n));
        Put_Freq(s, n, Ch_Rx);
        Put_Freq(tx, n, Ch_Offset);
        Set_Shift(n);
    }
    Fill_Chann_Row(n);
}

void frm_chann::Set_Shift(int n)
{
    if (n < 1 || n > Chann_Count)
        return;
    // Worked in whole 10 Hz steps, so the offset is exactly the difference of the two frequencies.
    const long long rx = Steps_At(n, Ch_Rx);
    const long long tx = Steps_At(n, Ch_Offset);
    Integer &flags = Radio_Data[n][Ch_Power];
    if (rx == tx) {
        for (int i = Ch_Offset; i < Ch_Offset + 4; ++i)
            Radio_Data[n][i] = 0x00;
        flags = Integer(flags & 0x3F);
        return;
    }
    QString diff = Steps_Text(tx > rx ? tx - rx : rx - tx);
    flags = Integer((flags & 0x3F) | (tx > rx ? 0x40 : 0x80));
    Put_Freq(diff, n, Ch_Offset);
}

void frm_chann::Commit_Tx(const QString &t, int n)
{
    if (n < 1 || n > Chann_Count)
        return;
    Flag_Guard busy(Busy);
    if (Cell(n, 1).trimmed().isEmpty() && !t.trimmed().isEmpty()) {
        Prompt(tr("Please input the receive frequency in advance."));
        Text_Edit->clear();
        return;
    }
    const QString warning = tr("Over the range of transmit frequency .");
    if (!In_Band(Val(t)) && t.trimmed().isEmpty()) {
        // A blank transmit frequency makes transmit equal receive again.
        for (int i = Ch_Offset; i < Ch_Offset + 4; ++i)
            Radio_Data[n][i] = 0x00;
        Radio_Data[n][Ch_Power] = Integer(Radio_Data[n][Ch_Power] & 0x3F);
        Fill_Chann_Row(n);
        return;
    }
    QString s = Checked_Freq_Text(t, warning);
    Set_Cell(n, 2, s);
    Put_Freq(s, n, Ch_Offset);
    Set_Shift(n);
    Fill_Chann_Row(n);
}

void frm_chann::Store_Name(const QString &text, int n)
{
    if (n < 1 || n > Chann_Count)
        return;
    for (int i = 0; i < 640; ++i)
        Name_Buf[i] = Integer(Name_Byte(i));
    const QString s = text.trimmed();
    const int base = (n - 1) * Name_Len;
    for (int k = 0; k < Name_Len; ++k)
        Name_Buf[base + k] = 0xFF;
    for (int k = 0; k < qMin(int(s.size()), Name_Len); ++k)
        Name_Buf[base + k] = Integer(Cov_Char2Code(s.mid(k, 1)) & 0xFF);
    for (int i = 0; i < 640; ++i)
        Set_Name_Byte(i, Name_Buf[i]);
}

void frm_chann::Commit_Name(const QString &t, int n)
{
    Store_Name(t, n);
    Fill_Chann_Row(n);
}

void frm_chann::Commit_Pending_Name()
{
    frm_chann *w = Host::Find<frm_chann>();
    if (!w || Chann_Open == 0)
        return;
    const int r = w->Cur_Row();
    if (w->Cur_Col() != 7 || r < 1 || r > Chann_Count)
        return;
    // Only a name editor that is really open over that cell holds a name to keep.
    if (w->Text_Edit->isHidden() || w->Open_Row != r || w->Open_Col != 7)
        return;
    w->Set_Cell(r, 7, w->Text_Edit->text());
    Store_Name(w->Text_Edit->text(), r);
}

// ---------------------------------------------------------------------------------------------
// Events

void frm_chann::MSF_chann_LeaveCell(int row, int col)
{
    Flag_Guard busy(Busy);
    Edit_Row = row;
    Edit_Col = col;
    Cur_Chann = Integer(row);
    Hide_Editor(Text_Edit);
    if (row == Open_Row && col == Open_Col && row >= 1 && row <= Chann_Count) {
        switch (col) {
        case 1: Commit_Rx(Text_Edit->text(), row); break;
        case 2: Commit_Tx(Text_Edit->text(), row); break;
        case 3:
        case 4:
        case 5:
        case 6:
            // The image already holds the selection; the cell now shows it.
            Set_Cell(row, col, Combo_edit->currentText());
            break;
        case 7: Commit_Name(Text_Edit->text(), row); break;
        default: break;
        }
    }
    Close_Editors();
}

void frm_chann::MSF_chann_Click()
{
    Show_Editor();
    const int r = Cur_Row();
    if (r >= 1 && r <= Chann_Count)
        Cur_Chann = Integer(r);
    Set_Caption();
}

void frm_chann::MSF_chann_Scroll()
{
    // Scrolling puts the text editor away without storing it; the drop-down stays over its cell.
    Hide_Editor(Text_Edit);
}

void frm_chann::Text_Edit_KeyPress(int &KeyAscii)
{
    Edit_Row = Cur_Row();
    Edit_Col = Cur_Col();

    // A typed character replaces the selection, so the limits count what would stay of the text.
    QString kept = Text_Edit->text();
    if (KeyAscii != 8 && KeyAscii != 13 && Text_Edit->hasSelectedText())
        kept.remove(Text_Edit->selectionStart(), Text_Edit->selectedText().size());
    const int L = int(kept.trimmed().size());

    if (KeyAscii != 8 && L > 9) {
        KeyAscii = 0;
        return;
    }
    if (Edit_Col == 7 && KeyAscii != 8 && KeyAscii != 13 && L > 4) {
        KeyAscii = 0;
        return;
    }
    if (KeyAscii != 13)
        return;

    KeyAscii = 0;
    const int r = Cur_Row();
    const int c = Cur_Col();
    Edit_Row = r;
    Edit_Col = c;
    Hide_Editor(Text_Edit);
    switch (c) {
    case 1:
        Cur_Chann = Integer(r);
        Commit_Rx(Text_Edit->text(), r);
        Text_Edit->setText(Cell(r, 1));
        Open_Row = Open_Col = -1;   // stored: leaving the cell has nothing more to store
        Move_Cell(r, 2);
        Show_Editor();
        break;
    case 2:
        Cur_Chann = Integer(r);
        Commit_Tx(Text_Edit->text(), r);
        Text_Edit->setText(Cell(r, 2));
        Open_Row = Open_Col = -1;
        if (Cell(r, 1).trimmed().isEmpty() && Cell(r, 2).trimmed().isEmpty())
            Move_Cell(r <= Chann_Count - 1 ? r + 1 : r, 1);   // nothing to set here: next channel
        else
            Move_Cell(r, 3);
        Show_Editor();
        break;
    case 7:
        // The row change commits the name to channel r.
        Move_Cell(r < Chann_Count ? r + 1 : r, 1);
        Hide_Editor(Combo_edit);
        Show_Editor();
        break;
    default:
        break;
    }
}

void frm_chann::Text_Edit_LostFocus()
{
    // While the write dialog is open, a frequency still being typed reaches the image before it is
    // sent. Otherwise the edit waits for the cell to be left.
    if (Write_Open == 0 || Busy)
        return;
    const int r = Cur_Row();
    const int c = Cur_Col();
    if (r != Open_Row || c != Open_Col)
        return;
    Flag_Guard busy(Busy);
    Edit_Row = r;
    Edit_Col = c;
    Cur_Chann = Integer(r);
    if (c == 1) {
        Commit_Rx(Text_Edit->text(), r);
        Hide_Editor(Text_Edit);
    } else if (c == 2) {
        Commit_Tx(Text_Edit->text(), r);
        Hide_Editor(Text_Edit);
    }
}

void frm_chann::Combo_edit_GotFocus()
{
    Old_Text = Combo_edit->currentText();
}

void frm_chann::Combo_edit_Change()
{
    // Typed text is undone at once: only a choice from the list changes the value.
    if (!Combo_edit->isHidden()) {
        Combo_edit->setFocus();
        Combo_edit->setEditText(Old_Text);
    }
}

void frm_chann::Combo_edit_Click(int index)
{
    Old_Text = Combo_edit->currentText();
    const int r = Cur_Row();
    const int c = Cur_Col();
    Edit_Row = r;
    Edit_Col = c;
    if (r < 1 || r > Chann_Count || index < 0 || Radio_Data[r][Ch_Rx] == 0xFF)
        return;   // a channel deleted meanwhile gets nothing written into its empty record
    Integer *b = Radio_Data[r];
    switch (c) {
    case 3:
    case 4: {
        int type, idx;
        Cov_Tone2Code(index, type, idx);
        const int at = c == 3 ? Ch_Decode : Ch_Encode;
        b[at] = Integer(type);
        b[at + 1] = Integer(idx);
        break;
    }
    case 5:
        if (index <= 2)
            b[Ch_Power] = Integer((b[Ch_Power] & 0xFC) + index);
        break;
    case 6:
        b[Ch_Flags] = Integer(index > 0 ? (b[Ch_Flags] | 0x20) : (b[Ch_Flags] & 0xDF));
        break;
    default:
        break;
    }
}

void frm_chann::Combo_edit_KeyPress(int &KeyAscii)
{
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    if (Edit_Col >= 3 && Edit_Col <= 6) {
        Move_Cell(Cur_Row(), Cur_Col() + 1);
        Show_Editor();
    }
}

void frm_chann::Command_Clear_Click()
{
    Old_Text.clear();
    Close_Editors();
    for (int b = Name_Block; b < Name_Block + 40; ++b)
        for (int i = 0; i < Block_Bytes; ++i)
            Radio_Data[b][i] = 0xFF;
    for (int n = 1; n <= Chann_Count; ++n) {
        for (int i = 0; i < Block_Bytes; ++i)
            Radio_Data[n][i] = 0xFF;
        Fill_Chann_Row(n);
    }
}

void frm_chann::Command_Edit_Click()
{
    // The dialog opens on the channel of the row the cursor is on.
    const int r = Cur_Row();
    if (r >= 1 && r <= Chann_Count) {
        Cur_Chann = Integer(r);
        Set_Caption();
    }
    Form_Chann_Edit::Open();
}

void frm_chann::Command_Close_Click()
{
    close();
    // The channel-file dialogs belong to this table's work too.
    Host::Close_Open<Form_open_chann>();
    Host::Close_Open<Form_save_chann>();
}

void frm_chann::Command_Help_Click() {}

void frm_chann::Form_Activate()
{
    // Other windows change the image (edit dialog, file open, radio read): show what it holds now.
    Redraw_All();
}

void frm_chann::closeEvent(QCloseEvent *event)
{
    Busy = true;   // an edit still open is dropped with the window
    Chann_Open = False_Flag;
    if (Form_Chann_Edit *d = Host::Find<Form_Chann_Edit>())
        Host::Close_Now(d);
    QWidget::closeEvent(event);
}

bool frm_chann::event(QEvent *event)
{
    // As a child window, activation comes from its frame (aboutToActivate); on its own it is the
    // window system's activation.
    if (event->type() == QEvent::WindowActivate && !qobject_cast<QMdiSubWindow *>(parentWidget()))
        Form_Activate();
    return QWidget::event(event);
}

bool frm_chann::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text_Edit) {
        if (event->type() == QEvent::KeyPress) {
            int k = Key_Ascii(static_cast<QKeyEvent *>(event));
            if (k != 0) {
                Text_Edit_KeyPress(k);
                if (k == 0)
                    return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
                Text_Edit_LostFocus();
        }
    } else if (watched == Combo_edit) {
        if (event->type() == QEvent::KeyPress) {
            int k = Key_Ascii(static_cast<QKeyEvent *>(event));
            if (k == 13) {
                Combo_edit_KeyPress(k);
                return true;
            }
        } else if (event->type() == QEvent::FocusIn) {
            Combo_edit_GotFocus();
        }
    } else if (watched == MSF_chann->viewport() && event->type() == QEvent::Resize) {
        Place_Editors();
    }
    return QWidget::eventFilter(watched, event);
}
