#include "frmAbout.h"

#include "core/globals.h"
#include "core/prompt.h"
#include "ui/host.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>

frmAbout *frmAbout::Open()
{
    Host::Close_Open<frmAbout>();
    auto *w = new frmAbout;
    w->Form_Load();
    return w;
}

frmAbout::frmAbout(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    About_Open = True_Flag;

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(QIcon(QStringLiteral(":/icons/radioprog.svg")).pixmap(48, 48));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    const auto make_label = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        return l;
    };
    lblTitle = make_label("lblTitle");
    QFont big = lblTitle->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    lblTitle->setFont(big);
    lblVersion = make_label("lblVersion");
    lblDescription = make_label("lblDescription");
    lblDisclaimer = make_label("lblDisclaimer");
    QFont small = lblDisclaimer->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    lblDisclaimer->setFont(small);

    cmdOK = new QPushButton(this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(6);
    texts->addWidget(lblDescription);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();

    auto *grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0);
    grid->addLayout(texts, 0, 1, 1, 2);
    grid->addWidget(line, 1, 0, 1, 3);
    grid->addWidget(lblDisclaimer, 2, 0, 1, 2);
    grid->addLayout(buttons, 2, 2);
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(10);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load()
{
    Set_About_Text();
    setWindowTitle(tr("About"));
    lblTitle->setText(About_Title);
    lblVersion->setText(About_Version);
    lblDescription->setText(About_Desc);
    lblDisclaimer->setText(About_Warning);
    cmdOK->setText(About_Ok);
    cmdSysInfo->setText(About_SysInfo);

    // The box is as wide as its texts read well; its height follows from the wrapped texts.
    const QSize inner = Host::Inner_Size();
    const int w = qMin(inner.width(), Host::Twips(7800));
    // the frame takes a title bar and two borders from the box's outer size
    const int border = Host::Twips(120);
    const int title_bar = Host::Twips(450);
    const int h = layout()->totalHeightForWidth(w - 2 * border) + title_bar + 2 * border;
    const int top = qMax(0, (inner.height() - h) / 2 - Host::Twips(500));
    Host::Show_Child(this, QRect((inner.width() - w) / 2, top, w, h));
    cmdOK->setFocus();
}

frmAbout::SysInfo_Tool frmAbout::Find_SysInfo_Tool()
{
#if defined(Q_OS_WIN)
    // Where the system keeps its own System Information program.
    const QSettings tool(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                         QSettings::NativeFormat);
    const QString path = tool.value(QStringLiteral("PATH")).toString();
    if (!path.isEmpty())
        return {path, {}};
    const QSettings location(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location"),
        QSettings::NativeFormat);
    const QString folder = location.value(QStringLiteral("MSINFO")).toString();
    if (!folder.isEmpty() && QFileInfo::exists(folder + QStringLiteral("\\MSINFO32.EXE")))
        return {folder + QStringLiteral("\\MSINFO32.EXE"), {}};
    return {};
#elif defined(Q_OS_LINUX)
    // Desktop viewers of the hardware and system summary, the desktop's own first.
    static const char *const viewers[] = {"kinfocenter", "hardinfo2", "hardinfo", "cpu-x"};
    for (const char *name : viewers) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name));
        if (!path.isEmpty())
            return {path, {}};
    }
    return {};
#else
    return {};
#endif
}

void frmAbout::cmdOK_Click()
{
    // The frame in the client area closes the box with it; closing the box alone would leave the
    // empty frame behind.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}

void frmAbout::cmdSysInfo_Click()
{
    const SysInfo_Tool tool = Find_SysInfo_Tool();
    // Not translated on purpose: the message reads the same in both languages.
    if (tool.program.isEmpty() || !QProcess::startDetached(tool.program, tool.arguments))
        Prompt(QString::fromUtf8("此时系统信息不可用"));
}

void frmAbout::closeEvent(QCloseEvent *event)
{
    About_Open = False_Flag;
    QWidget::closeEvent(event);
}
