#include "params/TFormParSetting.h"

#include "params/SettingTexts.h"
#include "params/editor/ArmingModeBox.h"
#include "params/editor/EventsPage.h"
#include "params/editor/PhonesPage.h"
#include "params/editor/RadioPage.h"
#include "params/editor/RelaysPage.h"
#include "params/editor/UsersPage.h"
#include "params/editor/ZonesPage.h"
#include "ui/Prompter.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The style of the application with half its blank space beside a tab's
// caption: the six captions then fit the editor's width side by side, where
// the full space would hide some behind scroll arrows.
class CompactTabStyle : public QProxyStyle
{
public:
    CompactTabStyle()
        : QProxyStyle(QApplication::style()->name())
    {
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? value / 2 : value;
    }
};

} // namespace

TFormParSetting::TFormParSetting(params::ParameterImage& image, QWidget* parent)
    : QDialog(parent)
    , m_image(image)
{
    setWindowTitle(QStringLiteral("GSM-Sentrova   -   Paraméterek beállítása"));
    QFont small = font();
    small.setPointSize(kFontPointSize);
    setFont(small);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    PageControl1 = new QTabWidget(this);
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(PageControl1->tabBar());
    PageControl1->tabBar()->setStyle(tabStyle);
    TabSheet1 = new ZonesPage(PageControl1);
    TabSheet2 = new UsersPage(PageControl1);
    TabSheet3 = new EventsPage(PageControl1);
    TabSheet4 = new RelaysPage(PageControl1);
    TabSheet5 = new PhonesPage(PageControl1);
    FoPanel6 = new RadioPage(PageControl1);
    PageControl1->addTab(TabSheet1, params::texts::kZonesPage);
    PageControl1->addTab(TabSheet2, params::texts::kUsersPage);
    PageControl1->addTab(TabSheet3, params::texts::kEventsPage);
    PageControl1->addTab(TabSheet4, params::texts::kRelaysPage);
    PageControl1->addTab(TabSheet5, params::texts::kPhonesPage);
    PageControl1->addTab(FoPanel6, params::texts::kRadioPage);
    layout->addWidget(PageControl1, 1);

    btSettingOK = new QPushButton(QStringLiteral("Beállítások Rögzítése"), this);
    btSettingCancel = new QPushButton(QStringLiteral("Beállítások Visszavonása"), this);
    btSettingOK->setAutoDefault(false);
    btSettingCancel->setAutoDefault(false);
    // The status line stands between the buttons, so that the pages keep
    // their height.
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btSettingOK);
    buttons->addWidget(StatusBar1, 1);
    buttons->addWidget(btSettingCancel);
    layout->addLayout(buttons);
    connect(btSettingOK, &QPushButton::clicked, this, &TFormParSetting::btSettingOKClick);
    connect(btSettingCancel, &QPushButton::clicked, this, &TFormParSetting::btSettingCancelClick);

    // Never moved by the program, the dialog is centred on the screen each
    // time it is shown.
    resize(kClientWidth, kClientHeight);
    FormCreate();
    m_loaded = storedOver(m_image);
}

void TFormParSetting::setArmingModeDialog(TFormOnOffMode& dialog)
{
    TabSheet5->armingMode->setDialog(dialog);
}

std::array<EditorPage*, 6> TFormParSetting::pages() const
{
    return {TabSheet1, TabSheet2, TabSheet3, TabSheet4, TabSheet5, FoPanel6};
}

void TFormParSetting::LoadFromImage()
{
    for (EditorPage* page : pages())
        page->load(m_image);
    m_loaded = storedOver(m_image);
    StatusBar1->clearMessage();
}

void TFormParSetting::StoreToImage()
{
    for (const EditorPage* page : pages())
        page->store(m_image);
}

params::ParameterImage TFormParSetting::storedOver(const params::ParameterImage& image) const
{
    params::ParameterImage stored = image;
    for (const EditorPage* page : pages())
        page->store(stored);
    return stored;
}

bool TFormParSetting::hasEdits() const
{
    return storedOver(m_loaded) != m_loaded;
}

void TFormParSetting::FormCreate()
{
    for (EditorPage* page : pages())
        page->scrollToTop();
}

void TFormParSetting::btSettingOKClick()
{
    StoreToImage();
    accept();
}

// The close box rejects the dialog too: neither stores anything.
void TFormParSetting::btSettingCancelClick()
{
    reject();
}

void TFormParSetting::escapePressed()
{
    if (!hasEdits() || prompter().confirm(kDiscardQuestion))
        reject();
}

void TFormParSetting::keyPressEvent(QKeyEvent* event)
{
    // A dialog closes on Escape by itself; here only after the question.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        escapePressed();
        return;
    }
    QDialog::keyPressEvent(event);
}
