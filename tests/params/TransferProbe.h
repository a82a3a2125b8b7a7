#pragma once

#include "LinkedModule.h"

#include "params/ParameterImage.h"
#include "params/ParameterTransfer.h"

#include <QStringList>

#include <functional>
#include <map>

// Records what a parameter transfer reports, one short line per signal
// ("started", "done 3", "failed 5", "differs 0", "login <text>",
// "version <text>", "unread <text>", "activation failed", "finished"), and
// runs test actions when a block is done.
class TransferProbe
{
public:
    explicit TransferProbe(params::ParameterTransfer& transfer);

    // Runs `action` once block `block` has been reported done.
    void onBlockDone(int block, std::function<void()> action);

    QStringList events;

private:
    std::map<int, std::function<void()>> m_actions;
};

// "done first" .. "done last"; empty when last < first.
QStringList doneEvents(int first, int last);
// The events of a whole transfer: "started", `inner`, "finished".
QStringList transferEvents(const QStringList& inner);

// The parameters the simulated module has in use.
params::ParameterImage moduleImage(const LinkedModule& m);

// An image of pseudo-random bytes that keeps the module's installer code
// 1234, so that a module that takes it still accepts the tests' logins.
params::ParameterImage writableNoise(unsigned seed);

// The block read requests the module received ("RDFL0000" ...).
QByteArrayList parameterReads(const LinkedModule& m);
