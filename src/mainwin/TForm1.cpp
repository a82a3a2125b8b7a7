#include "mainwin/TForm1.h"

#include "link/LinkTexts.h"
#include "mainwin/MainTexts.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

QPushButton* boldButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    return button;
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent)
{
    buildControls();
    fillPortList();
    m_link.setCodeSource([this] { return edPWD->text(); });
    m_link.dispatcher().receivers.statusBar = [this](const QString& text) {
        StatusBar1->showMessage(text);
    };
    showConnected(false);
}

TForm1::~TForm1() = default;

void TForm1::buildControls()
{
    setFixedSize(kClientWidth, kClientHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 0);
    layout->setSpacing(4);

    lbSelectSerialPort = new QLabel(QStringLiteral("Soros port kiválasztása"), this);
    cbCOM = new QComboBox(this);
    cbCOM->setObjectName(QStringLiteral("cbCOM"));
    btConnect = boldButton(QStringLiteral("Soros kapcsolat létrehozása"), this);
    btDisconnect = boldButton(QStringLiteral("Soros kapcsolat bontása"), this);
    lbGiveMasterCode = new QLabel(QStringLiteral("Telepítői kód megadása"), this);
    edPWD = new QLineEdit(this);
    edPWD->setMaxLength(kCodeMaxLength);
    QFont bold = edPWD->font();
    bold.setBold(true);
    edPWD->setFont(bold);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->installEventFilter(this);

    for (QWidget* w : std::initializer_list<QWidget*>{lbSelectSerialPort, cbCOM, btConnect, btDisconnect,
                                                      lbGiveMasterCode, edPWD})
        layout->addWidget(w);
    layout->addStretch(1);
    layout->addWidget(StatusBar1);

    connect(btConnect, &QPushButton::clicked, this, &TForm1::btConnectClick);
    connect(btDisconnect, &QPushButton::clicked, this, &TForm1::btDisconnectClick);
    connect(cbCOM, &QComboBox::activated, this, &TForm1::cbCOMChange);
}

void TForm1::fillPortList()
{
    cbCOM->clear();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        cbCOM->addItem(info.portName());
}

void TForm1::addPort(const QString& path)
{
    int index = cbCOM->findText(path);
    if (index < 0) {
        cbCOM->addItem(path);
        index = cbCOM->count() - 1;
    }
    cbCOM->setCurrentIndex(index);
    cbCOMChange();
}

void TForm1::cbCOMChange()
{
    if (cbCOM->currentIndex() < 0)
        return;
    const bool wasOpen = m_link.isOpen();
    if (!m_link.serial().setPortName(cbCOM->currentText()) && wasOpen) {
        StatusBar1->showMessage(text::portUnavailable);
        showConnected(false);
    }
}

void TForm1::btConnectClick()
{
    if (m_link.serial().open()) {
        showConnected(true);
        StatusBar1->showMessage(text::serialLinkOk);
        m_link.codeTimer().start();
    } else {
        showConnected(false);
        StatusBar1->showMessage(text::portUnavailable);
    }
}

void TForm1::btDisconnectClick()
{
    StatusBar1->showMessage(text::noSerialLink);
    m_link.serial().close();
    showConnected(false);
}

void TForm1::showConnected(bool connected)
{
    btConnect->setEnabled(!connected);
    btDisconnect->setEnabled(connected);
}

void TForm1::StatusBar1Click()
{
    StatusBar1->showMessage(windowTitle());
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == StatusBar1 && event->type() == QEvent::MouseButtonRelease)
        StatusBar1Click();
    return QWidget::eventFilter(watched, event);
}
