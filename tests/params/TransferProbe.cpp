#include "TransferProbe.h"

#include "FieldProbe.h"

#include "params/ImageLayout.h"
#include "params/TextFields.h"

using params::ParameterTransfer;

TransferProbe::TransferProbe(ParameterTransfer& transfer)
{
    QObject::connect(&transfer, &ParameterTransfer::started, &transfer, [this] { events << QStringLiteral("started"); });
    QObject::connect(&transfer, &ParameterTransfer::loginFailed, &transfer,
                     [this](const QString& text) { events << QStringLiteral("login ") + text; });
    QObject::connect(&transfer, &ParameterTransfer::versionMismatch, &transfer,
                     [this](const QString& text) { events << QStringLiteral("version ") + text; });
    QObject::connect(&transfer, &ParameterTransfer::versionUnread, &transfer,
                     [this](const QString& text) { events << QStringLiteral("unread ") + text; });
    QObject::connect(&transfer, &ParameterTransfer::blockDone, &transfer, [this](int block) {
        events << QStringLiteral("done %1").arg(block);
        if (const auto action = m_actions.find(block); action != m_actions.end())
            action->second();
    });
    QObject::connect(&transfer, &ParameterTransfer::blockFailed, &transfer,
                     [this](int block) { events << QStringLiteral("failed %1").arg(block); });
    QObject::connect(&transfer, &ParameterTransfer::blockDiffers, &transfer,
                     [this](int block) { events << QStringLiteral("differs %1").arg(block); });
    QObject::connect(&transfer, &ParameterTransfer::activationFailed, &transfer,
                     [this] { events << QStringLiteral("activation failed"); });
    QObject::connect(&transfer, &ParameterTransfer::finished, &transfer,
                     [this] { events << QStringLiteral("finished"); });
}

void TransferProbe::onBlockDone(int block, std::function<void()> action)
{
    m_actions[block] = std::move(action);
}

QStringList doneEvents(int first, int last)
{
    QStringList events;
    for (int block = first; block <= last; ++block)
        events << QStringLiteral("done %1").arg(block);
    return events;
}

QStringList transferEvents(const QStringList& inner)
{
    return QStringList{QStringLiteral("started")} + inner + QStringList{QStringLiteral("finished")};
}

params::ParameterImage moduleImage(const LinkedModule& m)
{
    params::ParameterImage image;
    image.bytes() = m.sim.module().memory().active();
    return image;
}

params::ParameterImage writableNoise(unsigned seed)
{
    params::ParameterImage image = noiseImage(seed);
    params::WriteCode(image, params::fieldRef(params::Field::InstallerCode), QString::fromLatin1(LinkedModule::kDemoCode));
    return image;
}

QByteArrayList parameterReads(const LinkedModule& m)
{
    return m.received("RDFL000");
}
