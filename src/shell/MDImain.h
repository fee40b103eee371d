#pragma once
// The program's single top-level window: menu bar, toolbar, eight-panel status bar and the client
// area that holds every other window.
#include <QHash>
#include <QMainWindow>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

class MDImain : public QMainWindow
{
    Q_OBJECT

public:
    explicit MDImain(QWidget *parent = nullptr);
    ~MDImain() override;

    // The start-up sequence: resets every global, sizes and shows the window, fills the status bar
    // and opens the channel table.
    void MDIForm_Load();

    QLabel *Panel(int n) const;          // status-bar panel 1..8
    QAction *Menu_Item(const QString &name) const;
    QMdiArea *Client() const { return MDI_Area; }

public slots:
    void Toolbar1_ButtonClick(const QString &key);
    void Language_chn_Click();
    void Language_eng_Click();

private slots:
    void File_New_Click();
    void File_Open_Click();
    void File_save_Click();
    void File_saveas_Click();
    void File_exit_Click();
    void proc_type_Click();
    void Channel_edit_Click();
    void Optional_edit_Click();
    void Test_edit_Click();
    void Prog_read_Click();
    void Prog_write_Click();
    void Adj_Txp_Click();
    void proc_setup_Click();
    void Menu_About_Click();
    void Menu_exit_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Build_Menus();
    void Build_Toolbar();
    void Build_Status_Bar();
    void Set_Menu_Texts();
    void Set_Panel_Texts();
    void Switch_Language(int flag);

    QMdiArea *MDI_Area = nullptr;
    QToolBar *Toolbar1 = nullptr;
    QLabel *Panels[8] = {};
    QHash<QString, QAction *> Items;
};
