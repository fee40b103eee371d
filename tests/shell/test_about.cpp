// The About box: its texts in both languages, placement, and the system-information button with and
// without a viewer on PATH.
#include "core/globals.h"
#include "core/language.h"
#include "prompt_recorder.h"
#include "shell/MDImain.h"
#include "shell/frmAbout.h"

#include <QtTest>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>

class Test_About : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void texts_data();
    void texts();
    void placement();
    void ok_closes();
    void no_viewer_data();
    void no_viewer();
    void starts_viewer();

private:
    template<class T> T *C(const char *name)
    {
        QWidget *d = w->Client()->findChild<QWidget *>("frmAbout");
        return d ? d->findChild<T *>(name) : nullptr;
    }
    void Put_Program(const QString &name, const QByteArray &script);

    MDImain *w = nullptr;
    Prompt_Recorder *rec = nullptr;
    QTemporaryDir *bin = nullptr;   // the only folder on PATH
    QByteArray saved_path;
};

void Test_About::init()
{
    saved_path = qgetenv("PATH");
    bin = new QTemporaryDir;
    QVERIFY(bin->isValid());
    qputenv("PATH", QFile::encodeName(bin->path()));
    rec = new Prompt_Recorder;
    w = new MDImain;
    w->MDIForm_Load();
}

void Test_About::cleanup()
{
    delete w;
    w = nullptr;
    delete rec;
    delete bin;
    qputenv("PATH", saved_path);
    if (Lang_Flag != 0) {
        Lang_Flag = 0;
        Install_Language();
        Set_About_Text();
    }
}

void Test_About::Put_Program(const QString &name, const QByteArray &script)
{
    QFile f(bin->filePath(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(script);
    f.close();
    QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void Test_About::texts_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QStringList>("texts");   // window, title, OK, system information
    QTest::newRow("English") << false
                             << QStringList{"About", "Veltrona ZR271 series program software. ", "Confirm",
                                            "System Information(&S)..."};
    QTest::newRow("Chinese") << true
                             << QStringList{"关于", "ZR271 系列对讲机编程软件", "确定", "系统信息(&S)..."};
}

void Test_About::texts()
{
    QFETCH(bool, chinese);
    QFETCH(QStringList, texts);
    if (chinese) {
        Lang_Flag = -1;
        Install_Language();
    }
    QCOMPARE(int(About_Open), 0);
    frmAbout::Open();
    QCOMPARE(int(About_Open), -1);
    QCOMPARE(w->Client()->findChild<QWidget *>("frmAbout")->windowTitle(), texts[0]);
    QCOMPARE(C<QLabel>("lblTitle")->text(), texts[1]);
    QCOMPARE(C<QPushButton>("cmdOK")->text(), texts[2]);
    QCOMPARE(C<QPushButton>("cmdSysInfo")->text(), texts[3]);
    QVERIFY(C<QLabel>("picIcon") && !C<QLabel>("picIcon")->pixmap().isNull());

    // The open box shows what Set_About_Text gives for the language it opened in.
    QCOMPARE(C<QLabel>("lblVersion")->text(), About_Version);
    QCOMPARE(C<QLabel>("lblDescription")->text(), About_Desc);
    QCOMPARE(C<QLabel>("lblDisclaimer")->text(), About_Warning);
    QVERIFY(About_Version.startsWith("Ver1.2"));
    QVERIFY(About_Warning.size() > 40);
    if (chinese) {
        QVERIFY(About_Desc.startsWith("    "));
        QVERIFY(About_Version.contains("版权所有"));
        QVERIFY(About_Warning.contains("国际条约"));
    } else {
        QVERIFY(About_Version.contains("rights"));
        QVERIFY(About_Warning.contains("international treaties"));
    }
    // the other language's texts are gone once the box reopens
    for (const char *label : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"}) {
        const QString text = C<QLabel>(label)->text();
        bool has_cjk = false;
        for (const QChar c : text)
            has_cjk = has_cjk || c.unicode() >= 0x4E00;
        QCOMPARE(has_cjk, chinese);
    }
}

void Test_About::placement()
{
    frmAbout::Open();
    frmAbout::Open();   // the command shows one fresh box
    QCOMPARE(w->Client()->findChildren<QWidget *>("frmAbout").size(), 1);
    auto *sub = qobject_cast<QMdiSubWindow *>(w->Client()->findChild<QWidget *>("frmAbout")->parentWidget());
    QVERIFY(sub);
    const QSize inner = w->Client()->size();
    QVERIFY(qAbs(sub->x() - (inner.width() - sub->width()) / 2) <= 1);
    const int twips_500 = qRound(500 * sub->logicalDpiY() / 1440.0);
    QVERIFY(qAbs(sub->y() - qMax(0, (inner.height() - sub->height()) / 2 - twips_500)) <= 1);
    // every text fits: the wrapped labels are not cut off at the bottom
    auto *disclaimer = C<QLabel>("lblDisclaimer");
    QVERIFY(disclaimer->height() >= disclaimer->heightForWidth(disclaimer->width()));
}

void Test_About::ok_closes()
{
    frmAbout::Open();
    QTest::mouseClick(C<QPushButton>("cmdOK"), Qt::LeftButton);
    QVERIFY(!C<QPushButton>("cmdOK") || !C<QPushButton>("cmdOK")->isVisible());
    QCOMPARE(int(About_Open), 0);
    // the box leaves no empty frame behind in the client area
    QTRY_VERIFY(!w->Client()->findChild<QWidget *>("frmAbout"));
    for (QMdiSubWindow *sub : w->Client()->subWindowList())
        QVERIFY(sub->widget());
    QVERIFY(rec->texts().isEmpty());
}

void Test_About::no_viewer_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QByteArray>("program");   // what is on PATH under a viewer's name
    QTest::newRow("nothing, English") << false << QByteArray();
    QTest::newRow("nothing, Chinese") << true << QByteArray();
    QTest::newRow("cannot start") << false << QByteArray("#!/nonexistent/interpreter\n");
}

void Test_About::no_viewer()
{
    QFETCH(bool, chinese);
    QFETCH(QByteArray, program);
    if (chinese) {
        Lang_Flag = -1;
        Install_Language();
    }
    if (!program.isEmpty())
        Put_Program("hardinfo", program);
    frmAbout::Open();
    QTest::mouseClick(C<QPushButton>("cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(rec->texts(), QStringList({"此时系统信息不可用"}));
    QCOMPARE(rec->titles(), QStringList({chinese ? "操作提示" : "Operate prompt"}));
    QVERIFY(C<QPushButton>("cmdSysInfo")->isVisible());
    QCOMPARE(int(About_Open), -1);
}

void Test_About::starts_viewer()
{
    const QString marker = bin->filePath("started");
    Put_Program("kinfocenter", "#!/bin/sh\necho \"$@\" > '" + QFile::encodeName(marker) + "'\n");
    QCOMPARE(frmAbout::Find_SysInfo_Tool().program, bin->filePath("kinfocenter"));
    frmAbout::Open();
    QTest::mouseClick(C<QPushButton>("cmdSysInfo"), Qt::LeftButton);
    QTRY_VERIFY(QFileInfo::exists(marker));
    QVERIFY(rec->texts().isEmpty());
    QCOMPARE(int(About_Open), -1);
}

QTEST_MAIN(Test_About)
#include "test_about.moc"
