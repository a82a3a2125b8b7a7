#include "mainwin/TFormWelcome.h"

#include "link/Ticks.h"
#include "ProgramVersion.h"
#include "ui/WindowShell.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

// The picture is compiled into the ui library, which the linker keeps only
// when something asks for it.
static void initWelcomeResources()
{
    Q_INIT_RESOURCE(mainwin);
}

namespace {
const QString kPicture = QStringLiteral(":/mainwin/welcome.jpg");
constexpr int kBorderWidth = 2;
} // namespace

TFormWelcome::TFormWelcome(std::function<void()> createAll, std::function<void()> showMain, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_createAll(std::move(createAll))
    , m_showMain(std::move(showMain))
{
    initWelcomeResources();
    setWindowTitle(kApplicationTitle);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(grey);
    setAutoFillBackground(true);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Image1 = new QLabel(panel);
    Image1->setFixedSize(kPictureWidth, kPictureHeight);
    Image1->setPixmap(QPixmap(kPicture));
    lbVer = new QLabel(Image1);
    lbVer->setAttribute(Qt::WA_TranslucentBackground);
    QPalette white = lbVer->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    lbVer->setPalette(white);

    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(1, 1, 1, 1);
    panelLayout->addWidget(Image1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth);
    layout->addWidget(panel);
    setFixedSize(sizeHint());

    for (QTimer* timer : {&TimerCreateAll, &TimerShowWelcome}) {
        timer->setInterval(ticks::toMs(ticks::kSplashStep));
        timer->setSingleShot(false);
    }
    connect(&TimerCreateAll, &QTimer::timeout, this, &TFormWelcome::TimerCreateAllTimer);
    connect(&TimerShowWelcome, &QTimer::timeout, this, &TFormWelcome::TimerShowWelcomeTimer);
    FormCreate();
}

void TFormWelcome::FormCreate()
{
    lbVer->setText(programVersionText());
    lbVer->adjustSize();
    lbVer->move(kPictureWidth - lbVer->width() - 12, kPictureHeight - lbVer->height() - 8);
    centreOnScreen(*this);
}

void TFormWelcome::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    TimerCreateAll.start();
}

void TFormWelcome::TimerCreateAllTimer()
{
    TimerCreateAll.stop();
    m_createAll();
    TimerShowWelcome.start();
}

void TFormWelcome::TimerShowWelcomeTimer()
{
    TimerShowWelcome.stop();
    hide();
    m_showMain();
}
