#include "MDImain.h"

#include "Form_type.h"
#include "channels/frm_chann.h"
#include "features/Form_Edit_Test.h"
#include "features/frm_option.h"
#include "files/Form_open_chann.h"
#include "files/Form_save_chann.h"
#include "frmAbout.h"
#include "link/Form_Adjust_Txp.h"
#include "link/Form_Comm_Read.h"
#include "link/Form_Comm_Write.h"
#include "link/Form_setup.h"
#include "core/globals.h"
#include "core/language.h"
#include "core/models.h"
#include "core/prompt.h"
#include "ui/host.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {

// The menu bar in its order. Nothing changes visibility or enabled state at run time; an item that
// cannot be chosen also ignores its shortcut.
struct Menu_Def
{
    const char *name;
    const char *parent;   // nullptr: top level
    const char *caption;
    char shortcut;        // Ctrl + letter, 0 for none
    bool visible;
    bool enabled;
    bool submenu;
};

const Menu_Def Menu_Table[] = {
    {"File", nullptr, QT_TRANSLATE_NOOP("MDImain", "File"), 0, true, true, true},
    {"File_New", "File", QT_TRANSLATE_NOOP("MDImain", "New"), 'N', true, true, false},
    {"File_Open", "File", QT_TRANSLATE_NOOP("MDImain", "Open"), 'O', true, true, false},
    {"File_save", "File", QT_TRANSLATE_NOOP("MDImain", "Save"), 'S', true, true, false},
    {"File_saveas", "File", QT_TRANSLATE_NOOP("MDImain", "Save As"), 0, true, true, false},
    {"File_exit", "File", QT_TRANSLATE_NOOP("MDImain", "Exit"), 0, true, true, false},
    {"proc_type", nullptr, QT_TRANSLATE_NOOP("MDImain", "Model"), 0, true, true, false},
    {"Edit", nullptr, QT_TRANSLATE_NOOP("MDImain", "Edit"), 0, true, true, true},
    {"Channel_edit", "Edit", QT_TRANSLATE_NOOP("MDImain", "Channel Information "), 0, true, true, false},
    {"Optional_edit", "Edit", QT_TRANSLATE_NOOP("MDImain", "Optional Features"), 0, true, true, false},
    {"key_edit", "Edit", QT_TRANSLATE_NOOP("MDImain", "Key Assignment"), 0, false, false, false},
    {"Scan_edit", "Edit", QT_TRANSLATE_NOOP("MDImain", "Scan Information"), 0, false, false, false},
    {"Dtmf_edit", "Edit", QT_TRANSLATE_NOOP("MDImain", "DTMF"), 0, false, false, false},
    {"Fleetsync_edit", "Edit", QT_TRANSLATE_NOOP("MDImain", "FleetSync"), 0, false, false, false},
    // shown greyed out as a divider, never selectable
    {"ggg", "Edit", "--------------", 0, true, false, false},
    {"Test_edit", "Edit", QT_TRANSLATE_NOOP("MDImain", "Radio"), 0, true, true, false},
    {"eee", "Edit", "--------------", 0, false, false, false},
    {"Message_edit", "Edit", QT_TRANSLATE_NOOP("MDImain", "Embedded Message"), 0, false, false, false},
    {"Program", nullptr, QT_TRANSLATE_NOOP("MDImain", "Program"), 0, true, true, true},
    {"Prog_read", "Program", QT_TRANSLATE_NOOP("MDImain", "Read from radio"), 'R', true, true, false},
    {"Prog_write", "Program", QT_TRANSLATE_NOOP("MDImain", "Write to radio"), 'W', true, true, false},
    {"Prog_test", "Program", QT_TRANSLATE_NOOP("MDImain", "Test Mode"), 'T', false, false, false},
    {"Adjust", nullptr, QT_TRANSLATE_NOOP("MDImain", "Adjust"), 0, true, true, true},
    {"Adj_Txp", "Adjust", QT_TRANSLATE_NOOP("MDImain", "Power Adjust"), 0, true, true, false},
    {"proc_setup", nullptr, QT_TRANSLATE_NOOP("MDImain", "Communication"), 0, true, true, false},
    {"Language_Setup", nullptr, QT_TRANSLATE_NOOP("MDImain", "Language"), 0, false, false, true},
    {"Language_chn", "Language_Setup", "中文", 0, true, true, false},
    {"Language_eng", "Language_Setup", "English", 0, true, true, false},
    {"Menu_About", nullptr, QT_TRANSLATE_NOOP("MDImain", "About"), 0, false, false, false},
    {"Menu_exit", nullptr, QT_TRANSLATE_NOOP("MDImain", "Exit"), 0, true, true, false},
};

struct Tool_Def
{
    const char *key;
    const char *theme;      // the desktop theme's icon, where it has a fitting one
    const char *icon;       // ours, used when the theme has none
    const char *tip_item;   // the menu item whose caption serves as the tooltip
};

const Tool_Def Tool_Table[] = {
    {"open", "document-open", ":/icons/open.svg", "File_Open"},
    {"save", "document-save", ":/icons/save.svg", "File_save"},
    {"edit_chann", nullptr, ":/icons/edit_chann.svg", "Channel_edit"},
    {"read", nullptr, ":/icons/read.svg", "Prog_read"},
    {"write", nullptr, ":/icons/write.svg", "Prog_write"},
    {"Exit", "application-exit", ":/icons/exit.svg", "Menu_exit"},
};

const int Panel_Percent[8] = {5, 15, 6, 8, 10, 5, 16, 35};

// A status-bar panel: its share of the window's width at start, or more when its text needs it
// (Chinese captions, COM8, a three-digit band on a small screen).
class Status_Panel : public QLabel
{
public:
    using QLabel::QLabel;
    void Set_Share(int width)
    {
        share = width;
        updateGeometry();
    }
    QSize minimumSizeHint() const override
    {
        const QSize s = QLabel::minimumSizeHint();
        return QSize(qMax(share, s.width()), s.height());
    }
    QSize sizeHint() const override { return minimumSizeHint(); }

private:
    int share = 0;
};

} // namespace

MDImain::MDImain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDImain"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/radioprog.svg")));

    MDI_Area = new QMdiArea(this);
    MDI_Area->setObjectName(QStringLiteral("MDI_Area"));
    MDI_Area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MDI_Area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(MDI_Area);
    Host::Set_Area(MDI_Area);

    Build_Menus();
    Build_Toolbar();
    Build_Status_Bar();

    Set_Status_Handler([this](int panel, const QString &text) {
        if (QLabel *p = Panel(panel))
            p->setText(text);
    });
}

MDImain::~MDImain()
{
    Set_Status_Handler(nullptr);
    if (Host::Area() == MDI_Area)
        Host::Set_Area(nullptr);
}

void MDImain::Build_Menus()
{
    QHash<QString, QMenu *> menus;
    for (const Menu_Def &d : Menu_Table) {
        const QString name = QLatin1String(d.name);
        QAction *action = nullptr;
        if (d.submenu) {
            QMenu *menu = new QMenu(this);
            menu->setObjectName(name);
            menus.insert(name, menu);
            action = menu->menuAction();
        } else {
            action = new QAction(this);
        }
        action->setObjectName(name);
        if (d.shortcut)
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(d.shortcut)));
        action->setVisible(d.visible);
        action->setEnabled(d.enabled);
        if (d.parent)
            menus.value(QLatin1String(d.parent))->addAction(action);
        else
            menuBar()->addAction(action);
        Items.insert(name, action);
    }
    Items.value(QStringLiteral("Language_chn"))->setCheckable(true);
    Items.value(QStringLiteral("Language_eng"))->setCheckable(true);

    const auto on = [this](const char *name, void (MDImain::*slot)()) {
        connect(Items.value(QLatin1String(name)), &QAction::triggered, this, slot);
    };
    on("File_New", &MDImain::File_New_Click);
    on("File_Open", &MDImain::File_Open_Click);
    on("File_save", &MDImain::File_save_Click);
    on("File_saveas", &MDImain::File_saveas_Click);
    on("File_exit", &MDImain::File_exit_Click);
    on("proc_type", &MDImain::proc_type_Click);
    on("Channel_edit", &MDImain::Channel_edit_Click);
    on("Optional_edit", &MDImain::Optional_edit_Click);
    on("Test_edit", &MDImain::Test_edit_Click);
    on("Prog_read", &MDImain::Prog_read_Click);
    on("Prog_write", &MDImain::Prog_write_Click);
    on("Adj_Txp", &MDImain::Adj_Txp_Click);
    on("proc_setup", &MDImain::proc_setup_Click);
    on("Language_chn", &MDImain::Language_chn_Click);
    on("Language_eng", &MDImain::Language_eng_Click);
    on("Menu_About", &MDImain::Menu_About_Click);
    on("Menu_exit", &MDImain::Menu_exit_Click);
}

void MDImain::Build_Toolbar()
{
    Toolbar1 = addToolBar(QString());
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const Tool_Def &d : Tool_Table) {
        const QIcon ours(QLatin1String(d.icon));
        QAction *a = Toolbar1->addAction(
            d.theme ? QIcon::fromTheme(QLatin1String(d.theme), ours) : ours, QString());
        a->setObjectName(QLatin1String(d.key));
        a->setData(QLatin1String(d.key));
    }
    connect(Toolbar1, &QToolBar::actionTriggered, this,
            [this](QAction *a) { Toolbar1_ButtonClick(a->data().toString()); });
}

void MDImain::Build_Status_Bar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < 8; ++i) {
        auto *p = new Status_Panel(bar);
        p->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        p->setTextFormat(Qt::PlainText);
        // Keep leading blanks (" 400-- 470 MHZ", "  Version") visible as the program writes them.
        p->setIndent(2);
        bar->addWidget(p);
        Panels[i] = p;
    }
}

QLabel *MDImain::Panel(int n) const
{
    return n >= 1 && n <= 8 ? Panels[n - 1] : nullptr;
}

QAction *MDImain::Menu_Item(const QString &name) const
{
    return Items.value(name);
}

void MDImain::MDIForm_Load()
{
    Init_Globals();
    Install_Language();

    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize screen_size = s ? s->availableSize() : QSize(1280, 800);
    resize(screen_size / 1.5);
    show();

    // Panel widths follow the window's width at start only.
    for (int i = 0; i < 8; ++i)
        static_cast<Status_Panel *>(Panels[i])->Set_Share(width() * Panel_Percent[i] / 100 - 4);
    Panels[0]->clear();

    Set_Menu_Texts();
    Items.value(QStringLiteral("Language_chn"))->setChecked(Lang_Flag != 0);
    Items.value(QStringLiteral("Language_eng"))->setChecked(Lang_Flag == 0);
    Set_Panel_Texts();
    Panels[7]->setText(QStringLiteral("Dorvin "));
    setWindowTitle(QStringLiteral("Dorvin RADIO series program software "));

    Panels[2]->setText(QStringLiteral("COM") + QString::number(Port_No));
    Panels[4]->setText(Soft_Version);
    Panels[6]->setText(Band_Panel_Text());

    Channel_edit_Click();
}

void MDImain::Set_Menu_Texts()
{
    for (const Menu_Def &d : Menu_Table) {
        QAction *a = Items.value(QLatin1String(d.name));
        const bool fixed = qstrcmp(d.caption, "--------------") == 0
                           || qstrcmp(d.name, "Language_chn") == 0
                           || qstrcmp(d.name, "Language_eng") == 0;
        a->setText(fixed ? QString::fromUtf8(d.caption) : tr(d.caption));
    }
    for (QAction *a : Toolbar1->actions()) {
        for (const Tool_Def &d : Tool_Table)
            if (a->data().toString() == QLatin1String(d.key))
                a->setToolTip(Items.value(QLatin1String(d.tip_item))->text().trimmed());
    }
}

void MDImain::Set_Panel_Texts()
{
    Panels[0]->setText(tr("State"));
    Panels[1]->clear();
    Panels[3]->setText(tr("  Version"));
    Panels[5]->setText(tr("Band"));
}

void MDImain::Toolbar1_ButtonClick(const QString &key)
{
    if (key == QLatin1String("open"))
        File_Open_Click();
    else if (key == QLatin1String("save"))
        File_save_Click();
    else if (key == QLatin1String("edit_chann"))
        Channel_edit_Click();
    else if (key == QLatin1String("read"))
        Prog_read_Click();
    else if (key == QLatin1String("write"))
        Prog_write_Click();
    else if (key == QLatin1String("Exit"))
        close();
}

// New has no action: the image is only replaced by a read or an opened file.
void MDImain::File_New_Click() {}

void MDImain::File_Open_Click()
{
    Form_open_chann::Open();
}

void MDImain::File_save_Click()
{
    Form_save_chann::Open();
}

void MDImain::File_saveas_Click()
{
    File_save_Click();
}

void MDImain::File_exit_Click()
{
    close();
}

void MDImain::proc_type_Click()
{
    Form_type::Open();
}

void MDImain::Channel_edit_Click()
{
    frm_chann::Open();
}

void MDImain::Optional_edit_Click()
{
    frm_option::Open();
}

void MDImain::Test_edit_Click()
{
    Form_Edit_Test::Open();
}

void MDImain::Prog_read_Click()
{
    Form_Comm_Read::Open();
}

void MDImain::Prog_write_Click()
{
    Form_Comm_Write::Open();
}

void MDImain::Adj_Txp_Click()
{
    Form_Adjust_Txp::Open();
}

void MDImain::proc_setup_Click()
{
    Form_setup::Open();
}

void MDImain::Menu_About_Click()
{
    frmAbout::Open();
}

void MDImain::Menu_exit_Click()
{
    close();
}

void MDImain::Language_chn_Click()
{
    Switch_Language(-1);
}

void MDImain::Language_eng_Click()
{
    Switch_Language(0);
}

void MDImain::Switch_Language(int flag)
{
    if (Lang_Flag != flag) {
        Lang_Flag = Integer(flag);
        Install_Language();
        Set_About_Text();
    }
    Items.value(QStringLiteral("Language_chn"))->setChecked(flag != 0);
    Items.value(QStringLiteral("Language_eng"))->setChecked(flag == 0);

    Set_Menu_Texts();
    Set_Panel_Texts();
    Panels[2]->setText(QStringLiteral("COM") + QString::number(Port_No));
    Panels[7]->setText(tr("Veltrona "));
    setWindowTitle(tr("Veltrona ZR271 series program software "));

    // Every open tracked window loads again with the new texts, in this order.
    const struct
    {
        const Integer *flag;
        void (MDImain::*open)();
    } reload[] = {
        {&About_Open, &MDImain::Menu_About_Click},
        {&Option_Open, &MDImain::Optional_edit_Click},
        {&Chann_Open, &MDImain::Channel_edit_Click},
        {&Setup_Open, &MDImain::proc_setup_Click},
        {&Type_Open, &MDImain::proc_type_Click},
        {&SaveChann_Open, &MDImain::File_save_Click},
        {&OpenChann_Open, &MDImain::File_Open_Click},
        {&Read_Open, &MDImain::Prog_read_Click},
        {&Write_Open, &MDImain::Prog_write_Click},
        {&Test_Open, &MDImain::Test_edit_Click},
        {&Adjust_Open, &MDImain::Adj_Txp_Click},
    };
    for (const auto &r : reload)
        if (*r.flag != 0)
            (this->*r.open)();
}

void MDImain::closeEvent(QCloseEvent *event)
{
    // Exit never asks: nothing is saved, every child window closes with the program.
    MDI_Area->closeAllSubWindows();
    event->accept();
}
