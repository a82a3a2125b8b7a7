#include "ParameterMemory.h"

#include "params/ImageLayout.h"
#include "params/TextFields.h"

void storeInstallerCode(params::ParameterImage& mem, const QString& digits)
{
    params::WriteCode(mem, params::fieldRef(params::Field::InstallerCode), digits);
}

QByteArray installerCodeText(const params::ParameterImage& mem)
{
    const params::FieldRef field = params::fieldRef(params::Field::InstallerCode);
    QByteArray text;
    for (std::uint8_t byte : mem.range(field.offset, field.size))
        appendHexByte(text, byte);
    return text;
}
